#include "book_numbers.h"
#include "carry.h"
#include "databar_symbols.h"
#include "drawn_as.h"
#include "ean_upc.h"
#include "ean_upc_tables.h"
#include "encoders.h"
#include "engine.h"
#include "error_messages.h"
#include "itf14.h"
#include "module_grid.h"

#include <array>
#include <cctype>

namespace quillmark {

namespace {

// Adapters from each encoder's own arguments to the catalogue's one signature.
template <void (*Encode)(const std::string&, std::string&)>
void ValueOnly(TBarType, const std::string& Value, TCheckSum, std::string&, std::string& Pattern) {
    Encode(Value, Pattern);
}

template <void (*Encode)(const std::string&, TCheckSum, std::string&)>
void WithCheckSum(TBarType, const std::string& Value, TCheckSum CheckSum, std::string&,
                  std::string& Pattern) {
    Encode(Value, CheckSum, Pattern);
}

template <void (*Encode)(const std::string&, TCheckSum, std::string&, std::string&)>
void WithText(TBarType, const std::string& Value, TCheckSum CheckSum, std::string& Text,
              std::string& Pattern) {
    Encode(Value, CheckSum, Text, Pattern);
}

// The main symbol as Encode draws it, the gap, then the add-on as its own encoder draws
// exactly its 2 or 5 digits (csNone: under csModulo10 the add-on encoders draw a digit
// more). Text, where the main encoder replaces it, keeps the add-on.
void EncodeComposed(TEncoder Encode, TBarType Type, const TAddOnSplit& Split, TCheckSum CheckSum,
                    std::string& Text, std::string& Pattern) {
    std::string mainText = Split.Main;
    std::string main;
    Encode(Type, Split.Main, CheckSum, mainText, main);
    std::string unused;
    std::string addOn;
    if (Split.AddOn.size() == 2)
        EncodeCodeUPC_Supp2(Split.AddOn, csNone, unused, addOn);
    else
        EncodeCodeUPC_Supp5(Split.AddOn, csNone, unused, addOn);
    Pattern = main;
    Pattern += AddOnGap;
    Pattern += addOn;
    if (mainText != Split.Main)
        Text = mainText + Split.Separator + Split.AddOn;
}

// The two-dimensional symbols have no row of bars: their grid comes with a symbol value.
[[noreturn]] void NoRowOfBars(TBarType Type, const std::string&, TCheckSum, std::string&,
                              std::string&) {
    throw Exception(BarTypeName(Type) + " is a two-dimensional symbol: it has no row of bars.");
}

// EAN/UPC: a value with an add-on is drawn as one symbol, any other as Encode draws it.
template <TEncoder Encode>
void WithAddOn(TBarType Type, const std::string& Value, TCheckSum CheckSum, std::string& Text,
               std::string& Pattern) {
    if (const std::optional<TAddOnSplit> split = SplitAddOn(Type, Value))
        EncodeComposed(Encode, Type, *split, CheckSum, Text, Pattern);
    else
        Encode(Type, Value, CheckSum, Text, Pattern);
}

// Quiet zones in X: 10 for the two-of-five family, Code 39, Codabar, Code 93 and Code 128
// (ISO/IEC 16390, ISO/IEC 16388, ISO/IEC 15417 and the AIM symbology standards), 12
// for MSI; EAN/UPC as ISO/IEC 15420's table of quiet zones gives them (11 and 7 for EAN-13,
// 7 both sides for EAN-8, 9 for UPC-A, 9 and 7 for UPC-E, 7 and 5 for an add-on, which
// follows its main symbol after a gap of at least 7); PostNet 1/8 inch each side (USPS
// Publication 25's clear zone).
constexpr TQuietZone Ten{10, 10};

// The two-dimensional symbols' margins on every side, from module_grid.h's standards.
constexpr TQuietZone QrZone{QrQuietZone, QrQuietZone};
constexpr TQuietZone MicroQrZone{MicroQrQuietZone, MicroQrQuietZone};
constexpr TQuietZone DataMatrixZone{DataMatrixQuietZone, DataMatrixQuietZone};

// Bar heights at X = 0.33 mm: the GS1 general standard's EAN/UPC symbol dimensions at
// nominal size (22.85 mm for EAN-13, UPC-A and UPC-E, 18.23 mm for EAN-8; the add-ons keep
// the main symbols' height here). 15 mm for the AIM symbologies, whose standards set only a
// minimum.
constexpr double RetailHeight = 22.85;
constexpr double EAN8Height = 18.23;
constexpr double OtherHeight = 15.0;
// GS1-128 and EAN-128 as the GS1 general standard's table for general distribution asks
// (31.75 mm at every X); PostNet's full bars as USPS Publication 25 gives them (0.125 in), of
// which the renderer's short bars take two fifths (0.050 in).
constexpr double LogisticsHeight = 31.75;
constexpr double PostNetHeight = 3.175;
// A grid's rows set its height.
constexpr double GridHeight = 0;

// The character sets, as their standards give them (ISO/IEC 16388 for Code 39, whose set
// Code 93 shares; ISO/IEC 15417 for Code 128's sets A and B as the encoder has them).
constexpr const char* Code39Set = "upper case, digits, space and - . $ / + % only";
constexpr const char* AsciiSet = "ASCII (codes 0 to 127) only";
constexpr const char* SetA = "upper case, digits, space and punctuation (codes 32 to 95) only";
constexpr const char* SetB = "printable ASCII (codes 32 to 126) only";

constexpr const char* AnyByte = "every byte";
constexpr const char* ElementStrings = "GS1 element strings";

// A row of a symbology drawn from modules rather than a pattern of bars: no ratio, its
// modules' rows for height, Encoder refusing a pattern and Carry saying what it holds.
constexpr TBCdata ModulesRow(const char* Name, const char* Identifier, const char* Aliases,
                             TQuietZone Zone, const char* Characters, TEncoder Encoder,
                             TCarry Carry) {
    return {.Name = Name,
            .DigitsOnly = false,
            .RatioLower = 0,
            .RatioUpper = 0,
            .ModuleMultiples = true,
            .QuietZone = Zone,
            .Encoder = Encoder,
            .Identifier = Identifier,
            .Label = Name,
            .Aliases = Aliases,
            .BarHeightMM = GridHeight,
            .Carry = Carry,
            .Characters = Characters,
            .Wider = std::nullopt};
}

// A two-dimensional symbology's row, its grid from the matrix library.
constexpr TBCdata GridRow(const char* Name, const char* Identifier, const char* Aliases,
                          TQuietZone Zone, const char* Characters) {
    TBCdata row = ModulesRow(Name, Identifier, Aliases, Zone, Characters, NoRowOfBars, CarryMatrix);
    row.TwoDimensional = true;
    row.Family = bfTwoDimensional;
    return row;
}

// GS1 DataBar's row: modules of fixed heights from its own encoder.
constexpr TBCdata DataBarRow(const char* Name, const char* Identifier, const char* Aliases,
                             TQuietZone Zone, const char* Characters) {
    TBCdata row =
        ModulesRow(Name, Identifier, Aliases, Zone, Characters, NoPatternOfBars, CarryDataBar);
    row.Rows = DataBarSymbol;
    row.Family = bfLogistics;
    return row;
}

// A book number as EAN-13 draws it, and the line printed above.
template <TBookNumberKind Kind> std::string BookEAN13(const std::string& Value) {
    return EAN13Value(BookNumberAsEAN13(Kind, Value));
}
template <TBookNumberKind Kind> std::string BookLine(const std::string& Value) {
    return BookNumberAsEAN13(Kind, Value).Printed;
}

template <TBookNumberKind Kind>
constexpr TBCdata BookRow(const char* Name, const char* Identifier, const char* Aliases,
                          const char* Characters) {
    return {.Name = Name,
            .DigitsOnly = false,
            .RatioLower = 2.0,
            .RatioUpper = 3.0,
            .ModuleMultiples = true,
            .QuietZone = {.Leading = 11, .Trailing = 7},
            .Encoder = EncodeConverted,
            .Identifier = Identifier,
            .Label = Name,
            .Aliases = Aliases,
            .BarHeightMM = RetailHeight,
            .Carry = CarryConverted,
            .Characters = Characters,
            .Wider = std::nullopt,
            .DrawnAs = bcCodeEAN13,
            .Convert = BookEAN13<Kind>,
            .Above = BookLine<Kind>,
            .Family = bfRetail};
}

// ISO/IEC 24724 asks no quiet zone of any GS1 DataBar form: each guard holds its own light
// module, and Limited's right guard ends in five light modules that are part of the symbol.
constexpr TQuietZone DataBarZone{0, 0};
constexpr const char* GtinDigits = "a GTIN's digits only";

// A catalogue row with the symbology it describes, so that the order can be checked.
struct TCatalogueRow {
    TBarType Type;
    TBCdata Data;
};

// Indexed by TBarType. Ratio bounds as the standards of the ratio-defined symbologies give
// them.
constexpr auto Catalogue = std::to_array<TCatalogueRow>({
    {.Type = bcCode_2_5_interleaved,
     .Data = {.Name = "Code25 interleaved",
              .DigitsOnly = true,
              .RatioLower = 2.0,
              .RatioUpper = 3.0,
              .ModuleMultiples = false,
              .QuietZone = Ten,
              .Encoder = ValueOnly<EncodeCode_2_5_interleaved>,
              .Identifier = "bcCode_2_5_interleaved",
              .Label = "Interleaved 2 of 5",
              .Aliases = "itf,i25,interleaved25",
              .BarHeightMM = OtherHeight,
              .Carry = CarryInterleaved,
              .Characters = "digits only",
              .Wider = std::nullopt,
              .Family = bfIndustrial}},
    {.Type = bcCode_2_5_industrial,
     .Data = {.Name = "Code25 industrial",
              .DigitsOnly = true,
              .RatioLower = 2.0,
              .RatioUpper = 3.0,
              .ModuleMultiples = false,
              .QuietZone = Ten,
              .Encoder = ValueOnly<EncodeCode_2_5_industrial>,
              .Identifier = "bcCode_2_5_industrial",
              .Label = "Industrial 2 of 5",
              .Aliases = "industrial25",
              .BarHeightMM = OtherHeight,
              .Carry = CarryAsTyped,
              .Characters = "digits only",
              .Wider = std::nullopt,
              .Family = bfIndustrial}},
    {.Type = bcCode_2_5_matrix,
     .Data = {.Name = "Code25 matrix",
              .DigitsOnly = true,
              .RatioLower = 2.25,
              .RatioUpper = 3.0,
              .ModuleMultiples = false,
              .QuietZone = Ten,
              .Encoder = ValueOnly<EncodeCode_2_5_matrix>,
              .Identifier = "bcCode_2_5_matrix",
              .Label = "Matrix 2 of 5",
              .Aliases = "matrix25",
              .BarHeightMM = OtherHeight,
              .Carry = CarryAsTyped,
              .Characters = "digits only",
              .Wider = std::nullopt,
              .Family = bfIndustrial}},
    {.Type = bcCode39,
     .Data = {.Name = "Code39",
              .DigitsOnly = false,
              .RatioLower = 2.0,
              .RatioUpper = 3.0,
              .ModuleMultiples = false,
              .QuietZone = Ten,
              .Encoder = WithCheckSum<EncodeCode39>,
              .Identifier = "bcCode39",
              .Label = "Code 39",
              .Aliases = "c39",
              .BarHeightMM = OtherHeight,
              .Carry = CarryCode39,
              .Characters = Code39Set,
              .Wider = bcCode39Extended,
              .Family = bfIndustrial}},
    {.Type = bcCode39Extended,
     .Data = {.Name = "Code39 Extended",
              .DigitsOnly = false,
              .RatioLower = 2.0,
              .RatioUpper = 3.0,
              .ModuleMultiples = false,
              .QuietZone = Ten,
              .Encoder = WithCheckSum<EncodeCode39Extended>,
              .Identifier = "bcCode39Extended",
              .Label = "Code 39 Extended",
              .Aliases = "code39ext,code39ascii",
              .BarHeightMM = OtherHeight,
              .Carry = CarryFullAscii,
              .Characters = AsciiSet,
              .Wider = std::nullopt,
              .Family = bfIndustrial}},
    {.Type = bcCode128A,
     .Data = {.Name = "Code128A",
              .DigitsOnly = false,
              .RatioLower = 0,
              .RatioUpper = 0,
              .ModuleMultiples = true,
              .QuietZone = Ten,
              .Encoder = EncodeCode128,
              .Identifier = "bcCode128A",
              .Label = "Code 128A",
              .Aliases = "c128a",
              .BarHeightMM = OtherHeight,
              .Carry = CarryCode128,
              .Characters = SetA,
              .Wider = bcCode128B,
              .Family = bfIndustrial}},
    // "ean128" takes set B, the output default's set.
    {.Type = bcCode128B,
     .Data = {.Name = "Code128B",
              .DigitsOnly = false,
              .RatioLower = 0,
              .RatioUpper = 0,
              .ModuleMultiples = true,
              .QuietZone = Ten,
              .Encoder = EncodeCode128,
              .Identifier = "bcCode128B",
              .Label = "Code 128B",
              .Aliases = "c128b",
              .BarHeightMM = OtherHeight,
              .Carry = CarryCode128,
              .Characters = SetB,
              .Wider = bcCode128,
              .Family = bfIndustrial}},
    {.Type = bcCode128C,
     .Data = {.Name = "Code128C",
              .DigitsOnly = false,
              .RatioLower = 0,
              .RatioUpper = 0,
              .ModuleMultiples = true,
              .QuietZone = Ten,
              .Encoder = EncodeCode128,
              .Identifier = "bcCode128C",
              .Label = "Code 128C",
              .Aliases = "c128c",
              .BarHeightMM = OtherHeight,
              .Carry = CarryCode128,
              .Characters = "digit pairs only",
              .Wider = bcCode128B,
              .Family = bfIndustrial}},
    {.Type = bcCode93,
     .Data = {.Name = "Code93",
              .DigitsOnly = false,
              .RatioLower = 0,
              .RatioUpper = 0,
              .ModuleMultiples = true,
              .QuietZone = Ten,
              .Encoder = ValueOnly<EncodeCode93>,
              .Identifier = "bcCode93",
              .Label = "Code 93",
              .Aliases = "c93",
              .BarHeightMM = OtherHeight,
              .Carry = CarryCode93,
              .Characters = Code39Set,
              .Wider = bcCode93Extended,
              .Family = bfIndustrial}},
    {.Type = bcCode93Extended,
     .Data = {.Name = "Code93 Extended",
              .DigitsOnly = false,
              .RatioLower = 0,
              .RatioUpper = 0,
              .ModuleMultiples = true,
              .QuietZone = Ten,
              .Encoder = ValueOnly<EncodeCode93Extended>,
              .Identifier = "bcCode93Extended",
              .Label = "Code 93 Extended",
              .Aliases = "code93ext,code93ascii",
              .BarHeightMM = OtherHeight,
              .Carry = CarryFullAscii,
              .Characters = AsciiSet,
              .Wider = std::nullopt,
              .Family = bfIndustrial}},
    {.Type = bcCodeMSI,
     .Data = {.Name = "MSI",
              .DigitsOnly = true,
              .RatioLower = 0,
              .RatioUpper = 0,
              .ModuleMultiples = false,
              .QuietZone = {.Leading = 12, .Trailing = 12},
              .Encoder = ValueOnly<EncodeCodeMSI>,
              .Identifier = "bcCodeMSI",
              .Label = "Code MSI",
              .Aliases = "msi",
              .BarHeightMM = OtherHeight,
              .Carry = CarryAsTyped,
              .Characters = "digits only",
              .Wider = std::nullopt,
              .Family = bfIndustrial}},
    {.Type = bcCodePostNet,
     .Data = {.Name = "PostNet",
              .DigitsOnly = true,
              .RatioLower = 0,
              .RatioUpper = 0,
              .ModuleMultiples = false,
              .QuietZone = {.Leading = 0, .Trailing = 0, .MinimumMM = 3.2},
              .Encoder = ValueOnly<EncodeCodePostNet>,
              .Identifier = "bcCodePostNet",
              .Label = "Code PostNet",
              .Aliases = "postnet",
              .BarHeightMM = PostNetHeight,
              .Carry = CarryPostNet,
              .Characters = "digits only",
              .Wider = std::nullopt,
              .Family = bfPostal}},
    {.Type = bcCodeCodabar,
     .Data = {.Name = "Codebar",
              .DigitsOnly = false,
              .RatioLower = 2.0,
              .RatioUpper = 3.0,
              .ModuleMultiples = false,
              .QuietZone = Ten,
              .Encoder = ValueOnly<EncodeCodeCodabar>,
              .Identifier = "bcCodeCodabar",
              .Label = "Codabar",
              .Aliases = "codabar",
              .BarHeightMM = OtherHeight,
              .Carry = CarryCodabar,
              .Characters = "digits and - $ : / . + only",
              .Wider = std::nullopt,
              .Family = bfIndustrial}},
    {.Type = bcCodeEAN8,
     .Data = {.Name = "EAN8",
              .DigitsOnly = true,
              .RatioLower = 2.0,
              .RatioUpper = 3.0,
              .ModuleMultiples = true,
              .QuietZone = {.Leading = 7, .Trailing = 7},
              .Encoder = WithAddOn<WithCheckSum<EncodeCodeEAN8>>,
              .Identifier = "bcCodeEAN8",
              .Label = "Code EAN8",
              .Aliases = "ean8",
              .BarHeightMM = EAN8Height,
              .Carry = CarryEANUPC,
              .Characters = "digits only",
              .Wider = std::nullopt,
              .Family = bfRetail}},
    {.Type = bcCodeEAN13,
     .Data = {.Name = "EAN13",
              .DigitsOnly = true,
              .RatioLower = 2.0,
              .RatioUpper = 3.0,
              .ModuleMultiples = true,
              .QuietZone = {.Leading = 11, .Trailing = 7},
              .Encoder = WithAddOn<WithCheckSum<EncodeCodeEAN13>>,
              .Identifier = "bcCodeEAN13",
              .Label = "Code EAN13",
              .Aliases = "ean13",
              .BarHeightMM = RetailHeight,
              .Carry = CarryEANUPC,
              .Characters = "digits only",
              .Wider = std::nullopt,
              .Family = bfRetail}},
    {.Type = bcCodeUPC_A,
     .Data = {.Name = "UPC_A",
              .DigitsOnly = true,
              .RatioLower = 2.0,
              .RatioUpper = 3.0,
              .ModuleMultiples = true,
              .QuietZone = {.Leading = 9, .Trailing = 9},
              .Encoder = WithAddOn<WithText<EncodeCodeUPC_A>>,
              .Identifier = "bcCodeUPC_A",
              .Label = "Code UPC-A",
              .Aliases = "upca",
              .BarHeightMM = RetailHeight,
              .Carry = CarryEANUPC,
              .Characters = "digits only",
              .Wider = std::nullopt,
              .Family = bfRetail}},
    {.Type = bcCodeUPC_E0,
     .Data = {.Name = "UPC_E0",
              .DigitsOnly = true,
              .RatioLower = 2.0,
              .RatioUpper = 3.0,
              .ModuleMultiples = true,
              .QuietZone = {.Leading = 9, .Trailing = 7},
              .Encoder = WithAddOn<WithText<EncodeCodeUPC_E0>>,
              .Identifier = "bcCodeUPC_E0",
              .Label = "Code UPC-E0",
              .Aliases = "upce,upce0",
              .BarHeightMM = RetailHeight,
              .Carry = CarryEANUPC,
              .Characters = "digits only",
              .Wider = std::nullopt,
              .Family = bfRetail}},
    {.Type = bcCodeUPC_E1,
     .Data = {.Name = "UPC_E1",
              .DigitsOnly = true,
              .RatioLower = 2.0,
              .RatioUpper = 3.0,
              .ModuleMultiples = true,
              .QuietZone = {.Leading = 9, .Trailing = 7},
              .Encoder = WithAddOn<WithText<EncodeCodeUPC_E1>>,
              .Identifier = "bcCodeUPC_E1",
              .Label = "Code UPC-E1",
              .Aliases = "upce1",
              .BarHeightMM = RetailHeight,
              .Carry = CarryEANUPC,
              .Characters = "digits only",
              .Wider = std::nullopt,
              .Family = bfRetail}},
    {.Type = bcCodeUPC_Supp2,
     .Data = {.Name = "UPC Supp2",
              .DigitsOnly = true,
              .RatioLower = 2.0,
              .RatioUpper = 3.0,
              .ModuleMultiples = true,
              .QuietZone = {.Leading = 7, .Trailing = 5},
              .Encoder = WithText<EncodeCodeUPC_Supp2>,
              .Identifier = "bcCodeUPC_Supp2",
              .Label = "Code UPC Supp2",
              .Aliases = "upc2,ean2,addon2",
              .BarHeightMM = RetailHeight,
              .Carry = CarryAsTyped,
              .Characters = "digits only",
              .Wider = std::nullopt,
              .Family = bfRetail}},
    {.Type = bcCodeUPC_Supp5,
     .Data = {.Name = "UPC Supp5",
              .DigitsOnly = true,
              .RatioLower = 2.0,
              .RatioUpper = 3.0,
              .ModuleMultiples = true,
              .QuietZone = {.Leading = 7, .Trailing = 5},
              .Encoder = WithText<EncodeCodeUPC_Supp5>,
              .Identifier = "bcCodeUPC_Supp5",
              .Label = "Code UPC Supp5",
              .Aliases = "upc5,ean5,addon5",
              .BarHeightMM = RetailHeight,
              .Carry = CarryAsTyped,
              .Characters = "digits only",
              .Wider = std::nullopt,
              .Family = bfRetail}},
    {.Type = bcCodeEAN128A,
     .Data = {.Name = "EAN128A",
              .DigitsOnly = false,
              .RatioLower = 0,
              .RatioUpper = 0,
              .ModuleMultiples = true,
              .QuietZone = Ten,
              .Encoder = EncodeCode128,
              .Identifier = "bcCodeEAN128A",
              .Label = "Code EAN128A",
              .Aliases = "gs1128a",
              .BarHeightMM = LogisticsHeight,
              .Carry = CarryCode128,
              .Characters = SetA,
              .Wider = bcCodeEAN128B,
              .Family = bfLogistics}},
    {.Type = bcCodeEAN128B,
     .Data = {.Name = "EAN128B",
              .DigitsOnly = false,
              .RatioLower = 0,
              .RatioUpper = 0,
              .ModuleMultiples = true,
              .QuietZone = Ten,
              .Encoder = EncodeCode128,
              .Identifier = "bcCodeEAN128B",
              .Label = "Code EAN128B",
              .Aliases = "ean128,gs1128b",
              .BarHeightMM = LogisticsHeight,
              .Carry = CarryCode128,
              .Characters = SetB,
              .Wider = std::nullopt,
              .Family = bfLogistics}},
    {.Type = bcCodeEAN128C,
     .Data = {.Name = "EAN128C",
              .DigitsOnly = false,
              .RatioLower = 0,
              .RatioUpper = 0,
              .ModuleMultiples = true,
              .QuietZone = Ten,
              .Encoder = EncodeCode128,
              .Identifier = "bcCodeEAN128C",
              .Label = "Code EAN128C",
              .Aliases = "gs1128c",
              .BarHeightMM = LogisticsHeight,
              .Carry = CarryCode128,
              .Characters = "digit pairs only",
              .Wider = bcCodeEAN128B,
              .Family = bfLogistics}},
    {.Type = bcCode128,
     .Data = {.Name = "Code 128",
              .DigitsOnly = false,
              .RatioLower = 0,
              .RatioUpper = 0,
              .ModuleMultiples = true,
              .QuietZone = Ten,
              .Encoder = ValueOnly<EncodeCode128Auto>,
              .Identifier = "bcCode128",
              .Label = "Code 128",
              .Aliases = "code128,c128,auto128",
              .BarHeightMM = OtherHeight,
              .Carry = CarryAsTyped,
              .Characters = AnyByte,
              .Wider = std::nullopt,
              .Family = bfIndustrial}},
    {.Type = bcCodeGS1_128,
     .Data = {.Name = "GS1-128",
              .DigitsOnly = false,
              .RatioLower = 0,
              .RatioUpper = 0,
              .ModuleMultiples = true,
              .QuietZone = Ten,
              .Encoder = WithText<EncodeGS1_128>,
              .Identifier = "bcCodeGS1_128",
              .Label = "GS1-128",
              .Aliases = "gs1128",
              .BarHeightMM = LogisticsHeight,
              .Carry = CarryGS1_128,
              .Characters = ElementStrings,
              .Wider = std::nullopt,
              .Family = bfLogistics}},
    {.Type = bcCodeQR, .Data = GridRow("QR Code", "bcCodeQR", "qr,qrcode", QrZone, AnyByte)},
    {.Type = bcCodeMicroQR,
     .Data = GridRow("Micro QR Code", "bcCodeMicroQR", "microqr,mqr", MicroQrZone, AnyByte)},
    {.Type = bcCodeDataMatrix,
     .Data =
         GridRow("Data Matrix", "bcCodeDataMatrix", "datamatrix,dm,dmtx", DataMatrixZone, AnyByte)},
    {.Type = bcCodeGS1DataMatrix,
     .Data = GridRow("GS1 DataMatrix", "bcCodeGS1DataMatrix", "gs1datamatrix,gs1dm", DataMatrixZone,
                     ElementStrings)},
    {.Type = bcCodeGS1DigitalLinkQR,
     .Data = GridRow("GS1 Digital Link QR Code", "bcCodeGS1DigitalLinkQR",
                     "gs1dlqr,dlqr,gs1digitallink", QrZone, ElementStrings)},
    {.Type = bcCodeITF14,
     .Data = {.Name = "ITF-14",
              .DigitsOnly = false,
              .RatioLower = ITF14Facts.RatioLower,
              .RatioUpper = ITF14Facts.RatioUpper,
              .ModuleMultiples = false,
              .QuietZone = {ITF14Facts.QuietZoneModules, ITF14Facts.QuietZoneModules},
              .Encoder = EncodeConverted,
              .Identifier = "bcCodeITF14",
              .Label = "ITF-14",
              .Aliases = "itf14,gtin14",
              .BarHeightMM = LogisticsHeight,
              .Carry = CarryConverted,
              .Characters = GtinDigits,
              .Wider = std::nullopt,
              .DrawnAs = bcCode_2_5_interleaved,
              .Convert = ITF14Value,
              .Family = bfLogistics}},
    {.Type = bcCodeDataBar,
     .Data =
         DataBarRow("GS1 DataBar Omnidirectional", "bcCodeDataBar",
                    "databar,databaromni,databaromnidirectional,rss14", DataBarZone, GtinDigits)},
    {.Type = bcCodeDataBarTruncated,
     .Data = DataBarRow("GS1 DataBar Truncated", "bcCodeDataBarTruncated", "databartruncated",
                        DataBarZone, GtinDigits)},
    {.Type = bcCodeDataBarStacked,
     .Data = DataBarRow("GS1 DataBar Stacked", "bcCodeDataBarStacked", "databarstacked",
                        DataBarZone, GtinDigits)},
    {.Type = bcCodeDataBarStackedOmni,
     .Data =
         DataBarRow("GS1 DataBar Stacked Omnidirectional", "bcCodeDataBarStackedOmni",
                    "databarstackedomni,databarstackedomnidirectional", DataBarZone, GtinDigits)},
    {.Type = bcCodeDataBarLimited,
     .Data = DataBarRow("GS1 DataBar Limited", "bcCodeDataBarLimited", "databarlimited,rsslimited",
                        DataBarZone, GtinDigits)},
    {.Type = bcCodeDataBarExpanded,
     .Data = DataBarRow("GS1 DataBar Expanded", "bcCodeDataBarExpanded",
                        "databarexpanded,rssexpanded", DataBarZone, ElementStrings)},
    {.Type = bcCodeDataBarExpandedStacked,
     .Data = DataBarRow("GS1 DataBar Expanded Stacked", "bcCodeDataBarExpandedStacked",
                        "databarexpandedstacked,rssexpandedstacked", DataBarZone, ElementStrings)},
    {.Type = bcCodeISBN,
     .Data = BookRow<TBookNumberKind::ISBN>("ISBN", "bcCodeISBN", "isbn,bookland",
                                            "ISBN digits, hyphens and X only")},
    {.Type = bcCodeISMN,
     .Data = BookRow<TBookNumberKind::ISMN>("ISMN", "bcCodeISMN", "ismn",
                                            "ISMN digits, hyphens and M only")},
    {.Type = bcCodeISSN,
     .Data = BookRow<TBookNumberKind::ISSN>("ISSN", "bcCodeISSN", "issn",
                                            "ISSN digits, hyphens and X only")},
});

// Row i describes the symbology of ordinal i, and every symbology has its row.
consteval bool InTBarTypeOrder() {
    for (std::size_t i = 0; i < Catalogue.size(); ++i)
        if (static_cast<std::size_t>(Catalogue[i].Type) != i)
            return false;
    return Catalogue.size() == BarTypeCount;
}
static_assert(InTBarTypeOrder(), "the catalogue has one row per TBarType, in its order");

// Lower case without separators.
std::string Folded(std::string_view Name) {
    std::string folded;
    for (const char ch : Name)
        if (ch != '_' && ch != '-' && ch != ' ')
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return folded;
}

bool IsAlias(std::string_view Aliases, const std::string& Wanted) {
    while (!Aliases.empty()) {
        const std::size_t comma = Aliases.find(',');
        if (Wanted == Aliases.substr(0, comma))
            return true;
        Aliases = comma == std::string_view::npos ? "" : Aliases.substr(comma + 1);
    }
    return false;
}

// Indexed by TBarFamily.
constexpr std::array<const char*, BarFamilyCount> FamilyNames{
    "Retail", "Logistics and GS1", "Industrial", "Postal", "Two-dimensional"};

} // namespace

const char* BarFamilyName(TBarFamily Family) {
    if (static_cast<int>(Family) >= BarFamilyCount)
        throw Exception("Wrong barcode family.");
    return FamilyNames[Family];
}

const TBCdata& BarTypeData(TBarType Type) {
    if (static_cast<int>(Type) >= BarTypeCount)
        throw Exception(WrongTypeMessage);
    return Catalogue[Type].Data;
}

std::string BarTypeName(TBarType Type) {
    return BarTypeData(Type).Name;
}

std::optional<TBarType> FindBarType(std::string_view Name) {
    const std::string wanted = Folded(Name);
    if (wanted.empty())
        return std::nullopt;
    for (const auto& [type, row] : Catalogue) {
        const std::string_view identifier = row.Identifier;
        if (wanted == Folded(identifier) || wanted == Folded(identifier.substr(2)) ||
            wanted == Folded(row.Name) || IsAlias(row.Aliases, wanted))
            return type;
    }
    return std::nullopt;
}

} // namespace quillmark
