#include "carry.h"
#include "ean_upc.h"
#include "ean_upc_tables.h"
#include "encoders.h"
#include "engine.h"
#include "error_messages.h"

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

// The character sets, as their standards give them (ISO/IEC 16388 for Code 39, whose set
// Code 93 shares; ISO/IEC 15417 for Code 128's sets A and B as the encoder has them).
constexpr const char* Code39Set = "upper case, digits, space and - . $ / + % only";
constexpr const char* AsciiSet = "ASCII (codes 0 to 127) only";
constexpr const char* SetA = "upper case, digits, space and punctuation (codes 32 to 95) only";
constexpr const char* SetB = "printable ASCII (codes 32 to 126) only";

// Indexed by TBarType. Ratio bounds as the standards of the ratio-defined symbologies give
// them.
constexpr std::array<TBCdata, BarTypeCount> Catalogue{{
    // Name, DigitsOnly, RatioLower, RatioUpper, ModuleMultiples, QuietZone, Encoder,
    // Identifier, Label, Aliases, BarHeightMM, Carry, Characters, Wider
    {"Code25 interleaved", true, 2.0, 3.0, false, Ten, ValueOnly<EncodeCode_2_5_interleaved>,
     "bcCode_2_5_interleaved", "Interleaved 2 of 5", "itf,i25,interleaved25", OtherHeight,
     CarryInterleaved, "digits only", std::nullopt},
    {"Code25 industrial", true, 2.0, 3.0, false, Ten, ValueOnly<EncodeCode_2_5_industrial>,
     "bcCode_2_5_industrial", "Industrial 2 of 5", "industrial25", OtherHeight, CarryAsTyped,
     "digits only", std::nullopt},
    {"Code25 matrix", true, 2.25, 3.0, false, Ten, ValueOnly<EncodeCode_2_5_matrix>,
     "bcCode_2_5_matrix", "Matrix 2 of 5", "matrix25", OtherHeight, CarryAsTyped, "digits only",
     std::nullopt},
    {"Code39", false, 2.0, 3.0, false, Ten, WithCheckSum<EncodeCode39>, "bcCode39", "Code 39",
     "c39", OtherHeight, CarryCode39, Code39Set, bcCode39Extended},
    {"Code39 Extended", false, 2.0, 3.0, false, Ten, WithCheckSum<EncodeCode39Extended>,
     "bcCode39Extended", "Code 39 Extended", "code39ext,code39ascii", OtherHeight, CarryFullAscii,
     AsciiSet, std::nullopt},
    {"Code128A", false, 0, 0, true, Ten, EncodeCode128, "bcCode128A", "Code 128A", "c128a",
     OtherHeight, CarryCode128, SetA, bcCode128B},
    // "ean128" takes set B, the output default's set.
    {"Code128B", false, 0, 0, true, Ten, EncodeCode128, "bcCode128B", "Code 128B", "c128b",
     OtherHeight, CarryCode128, SetB, bcCode128},
    {"Code128C", false, 0, 0, true, Ten, EncodeCode128, "bcCode128C", "Code 128C", "c128c",
     OtherHeight, CarryCode128, "digit pairs only", bcCode128B},
    {"Code93", false, 0, 0, true, Ten, ValueOnly<EncodeCode93>, "bcCode93", "Code 93", "c93",
     OtherHeight, CarryCode93, Code39Set, bcCode93Extended},
    {"Code93 Extended", false, 0, 0, true, Ten, ValueOnly<EncodeCode93Extended>, "bcCode93Extended",
     "Code 93 Extended", "code93ext,code93ascii", OtherHeight, CarryFullAscii, AsciiSet,
     std::nullopt},
    {"MSI",
     true,
     0,
     0,
     false,
     {12, 12},
     ValueOnly<EncodeCodeMSI>,
     "bcCodeMSI",
     "Code MSI",
     "msi",
     OtherHeight,
     CarryAsTyped,
     "digits only",
     std::nullopt},
    {"PostNet",
     true,
     0,
     0,
     false,
     {0, 0, 3.2},
     ValueOnly<EncodeCodePostNet>,
     "bcCodePostNet",
     "Code PostNet",
     "postnet",
     PostNetHeight,
     CarryPostNet,
     "digits only",
     std::nullopt},
    {"Codebar", false, 2.0, 3.0, false, Ten, ValueOnly<EncodeCodeCodabar>, "bcCodeCodabar",
     "Codabar", "codabar", OtherHeight, CarryCodabar, "digits and - $ : / . + only", std::nullopt},
    {"EAN8",
     true,
     2.0,
     3.0,
     true,
     {7, 7},
     WithAddOn<WithCheckSum<EncodeCodeEAN8>>,
     "bcCodeEAN8",
     "Code EAN8",
     "ean8",
     EAN8Height,
     CarryEANUPC,
     "digits only",
     std::nullopt},
    {"EAN13",
     true,
     2.0,
     3.0,
     true,
     {11, 7},
     WithAddOn<WithCheckSum<EncodeCodeEAN13>>,
     "bcCodeEAN13",
     "Code EAN13",
     "ean13",
     RetailHeight,
     CarryEANUPC,
     "digits only",
     std::nullopt},
    {"UPC_A",
     true,
     2.0,
     3.0,
     true,
     {9, 9},
     WithAddOn<WithText<EncodeCodeUPC_A>>,
     "bcCodeUPC_A",
     "Code UPC-A",
     "upca",
     RetailHeight,
     CarryEANUPC,
     "digits only",
     std::nullopt},
    {"UPC_E0",
     true,
     2.0,
     3.0,
     true,
     {9, 7},
     WithAddOn<WithText<EncodeCodeUPC_E0>>,
     "bcCodeUPC_E0",
     "Code UPC-E0",
     "upce,upce0",
     RetailHeight,
     CarryEANUPC,
     "digits only",
     std::nullopt},
    {"UPC_E1",
     true,
     2.0,
     3.0,
     true,
     {9, 7},
     WithAddOn<WithText<EncodeCodeUPC_E1>>,
     "bcCodeUPC_E1",
     "Code UPC-E1",
     "upce1",
     RetailHeight,
     CarryEANUPC,
     "digits only",
     std::nullopt},
    {"UPC Supp2",
     true,
     2.0,
     3.0,
     true,
     {7, 5},
     WithText<EncodeCodeUPC_Supp2>,
     "bcCodeUPC_Supp2",
     "Code UPC Supp2",
     "upc2,ean2,addon2",
     RetailHeight,
     CarryAsTyped,
     "digits only",
     std::nullopt},
    {"UPC Supp5",
     true,
     2.0,
     3.0,
     true,
     {7, 5},
     WithText<EncodeCodeUPC_Supp5>,
     "bcCodeUPC_Supp5",
     "Code UPC Supp5",
     "upc5,ean5,addon5",
     RetailHeight,
     CarryAsTyped,
     "digits only",
     std::nullopt},
    {"EAN128A", false, 0, 0, true, Ten, EncodeCode128, "bcCodeEAN128A", "Code EAN128A", "gs1128a",
     LogisticsHeight, CarryCode128, SetA, bcCodeEAN128B},
    {"EAN128B", false, 0, 0, true, Ten, EncodeCode128, "bcCodeEAN128B", "Code EAN128B",
     "ean128,gs1128b", LogisticsHeight, CarryCode128, SetB, std::nullopt},
    {"EAN128C", false, 0, 0, true, Ten, EncodeCode128, "bcCodeEAN128C", "Code EAN128C", "gs1128c",
     LogisticsHeight, CarryCode128, "digit pairs only", bcCodeEAN128B},
    {"Code 128", false, 0, 0, true, Ten, ValueOnly<EncodeCode128Auto>, "bcCode128", "Code 128",
     "code128,c128,auto128", OtherHeight, CarryAsTyped, "every byte", std::nullopt},
    {"GS1-128", false, 0, 0, true, Ten, WithText<EncodeGS1_128>, "bcCodeGS1_128", "GS1-128",
     "gs1128", LogisticsHeight, CarryGS1_128, "GS1 element strings", std::nullopt},
}};

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

} // namespace

const TBCdata& BarTypeData(TBarType Type) {
    if (static_cast<int>(Type) >= BarTypeCount)
        throw Exception(WrongTypeMessage);
    return Catalogue[Type];
}

std::string BarTypeName(TBarType Type) {
    return BarTypeData(Type).Name;
}

std::optional<TBarType> FindBarType(std::string_view Name) {
    const std::string wanted = Folded(Name);
    if (wanted.empty())
        return std::nullopt;
    for (std::size_t i = 0; i < Catalogue.size(); ++i) {
        const TBCdata& row = Catalogue[i];
        const std::string_view identifier = row.Identifier;
        if (wanted == Folded(identifier) || wanted == Folded(identifier.substr(2)) ||
            wanted == Folded(row.Name) || IsAlias(row.Aliases, wanted))
            return static_cast<TBarType>(i);
    }
    return std::nullopt;
}

} // namespace quillmark
