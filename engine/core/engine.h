// Quillmark symbology engine: turns a value into a module pattern, one character per
// bar or space, and gives the pixel width of each pattern character.
#pragma once

#include <quillmark/quillmark_engine_export.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

enum TBarType : std::uint8_t {
    bcCode_2_5_interleaved,
    bcCode_2_5_industrial,
    bcCode_2_5_matrix,
    bcCode39,
    bcCode39Extended,
    bcCode128A,
    bcCode128B,
    bcCode128C,
    bcCode93,
    bcCode93Extended,
    bcCodeMSI,
    bcCodePostNet,
    bcCodeCodabar,
    bcCodeEAN8,
    bcCodeEAN13,
    bcCodeUPC_A,
    bcCodeUPC_E0,
    bcCodeUPC_E1,
    bcCodeUPC_Supp2,
    bcCodeUPC_Supp5,
    bcCodeEAN128A,
    bcCodeEAN128B,
    bcCodeEAN128C,
    // Beyond the classic set: code sets chosen for the shortest symbol, and GS1-128 from
    // Application Identifiers.
    bcCode128,
    bcCodeGS1_128,
    // Two-dimensional symbols, drawn from a grid of modules the matrix library makes.
    bcCodeQR,
    bcCodeMicroQR,
    bcCodeDataMatrix,
    bcCodeGS1DataMatrix,
    bcCodeGS1DigitalLinkQR,
    // The rest of the GS1 linear family: ITF-14 inside its bearer bars, GS1 DataBar (drawn
    // as rows of modules) and the book numbers drawn as EAN-13.
    bcCodeITF14,
    bcCodeDataBar,
    bcCodeDataBarTruncated,
    bcCodeDataBarStacked,
    bcCodeDataBarStackedOmni,
    bcCodeDataBarLimited,
    bcCodeDataBarExpanded,
    bcCodeDataBarExpandedStacked,
    bcCodeISBN,
    bcCodeISMN,
    bcCodeISSN,
};

// Number of symbologies in TBarType: the last one's ordinal and one (a new symbology goes
// last, so that the stored ordinals stay).
inline constexpr int BarTypeCount = bcCodeISSN + 1;

enum TCheckSum : std::uint8_t { csNone, csModulo10 };

// Number of modes in TCheckSum.
inline constexpr int CheckSumCount = csModulo10 + 1;

enum TLineKind : std::uint8_t { lkSpace, lkBar, lkShortBar };

// The families a list of symbologies groups them by, by where their symbols are used: retail
// point of sale (EAN/UPC, their add-ons, the book numbers), logistics and the GS1 system
// (GS1-128, EAN-128, ITF-14, GS1 DataBar), industrial and general use, postal, and the
// two-dimensional symbols.
enum TBarFamily : std::uint8_t { bfRetail, bfLogistics, bfIndustrial, bfPostal, bfTwoDimensional };

// Number of families in TBarFamily.
inline constexpr int BarFamilyCount = bfTwoDimensional + 1;

// The general error of the engine and the control; what() is the user-facing message.
class QUILLMARK_ENGINE_EXPORT Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& Message)
        : std::runtime_error(Message), FMessage(std::make_shared<const std::string>(Message)) {}
    explicit Exception(const char* Message) : Exception(std::string(Message)) {}

    // The whole message: a quoted value may hold NUL bytes, where what() stops.
    const std::string& Message() const noexcept { return *FMessage; }

private:
    // Shared, so that copying the exception never throws.
    std::shared_ptr<const std::string> FMessage;
};

// A failed digit conversion: "'x' is not a valid integer value".
class QUILLMARK_ENGINE_EXPORT EConvertError : public Exception {
public:
    using Exception::Exception;
};

// An encoder as the catalogue holds it: every encoder behind one signature, whatever
// subset of the arguments it reads.
using TEncoder = void (*)(TBarType Type, const std::string& Value, TCheckSum CheckSum,
                          std::string& Text, std::string& Pattern);

// The light margins a symbology's standard asks for before the first and after the last
// module, in narrow modules (X); MinimumMM is a floor in millimetres where the standard
// gives the margin as a length (PostNet).
struct TQuietZone {
    int Leading = 0;
    int Trailing = 0;
    double MinimumMM = 0;
};

// What the bars of a symbol hold, beside the value that was typed: the one model of it that
// the standards check, reading symbols back and the refusal of silent changes share.
struct TCarried {
    // What a reader of the symbol gives back, as Latin-1 bytes: the value as the bars hold
    // it, without the check characters a reader strips, EAN/UPC digits as drawn (UPC-E with
    // its number system first), GS1-128's element strings with a GS for each separating
    // FNC1. None when the bars hold other Code 128 function characters, whose reading
    // depends on the reader.
    std::optional<std::string> Data;
    // The value's characters that don't reach the bars as typed, in the value's order:
    std::string Replaced; // drawn as a space, being outside the code set
    std::string Dropped;  // left out of the bars
    std::string Reserved; // read as start, stop or shift characters
    // Code 128 set C: the digit pairs it can't hold, each drawn as "00".
    std::vector<std::string> ZeroPairs;
    // Every way the bars would hold something other than the value as typed, one sentence
    // each naming the byte or digit, its position and the rule, from the start of the value
    // on ("position 2: 'b' is not in Code39; it carries upper case, ..."), the first 16 at most.
    // Empty for a value
    // the symbol carries as it stands (with a check digit the engine adds, and the leading
    // zero that completes Code 128 C's pairs). Values the encoder refuses have departures too.
    std::vector<std::string> Departures;
    // The symbology that carries the value, where the first departure's sentence ends by
    // naming it: the sentence then ends in CarrierAdvice(*Carrier).
    std::optional<TBarType> Carrier;
};

// "Code39 Extended carries it.": the advice that ends a departure naming the symbology that
// carries the value.
QUILLMARK_ENGINE_EXPORT std::string CarrierAdvice(TBarType Carrier);

// What a symbology's symbol carries for a value its encoder takes.
using TCarry = TCarried (*)(TBarType Type, const std::string& Value, TCheckSum CheckSum);

struct TModuleGrid;
struct TMatrixOptions;
struct TRowsSymbol;

// A symbology drawn as rows of modules of differing heights (GS1 DataBar): its rows, text
// and carried bytes from the value and the options that choose the symbol.
using TRowsEncoder = TRowsSymbol (*)(TBarType Type, const std::string& Value,
                                     const TMatrixOptions& Options);

// A symbology that another draws (ISBN as EAN-13, ITF-14 as Interleaved 2 of 5): the value
// as that one takes it. Raises naming what to change.
using TConvert = std::string (*)(const std::string& Value);

// One row of the symbology catalogue: everything the engine and its callers know about a
// symbology in one place.
struct TBCdata {
    const char* Name; // the display name printed for tsBarType
    bool DigitsOnly;
    // MakeModules clamps the ratio into [RatioLower, RatioUpper]; 0, 0 leaves it alone.
    double RatioLower;
    double RatioUpper;
    // Element widths are whole multiples of the module (1:2:3:4) in the standard, so the
    // symbol is only standard at Ratio 2.
    bool ModuleMultiples;
    TQuietZone QuietZone;
    TEncoder Encoder;
    const char* Identifier; // the enumeration's name, as stored settings write it
    const char* Label;      // as a list of symbologies offers it to a person
    const char* Aliases;    // short names, comma-separated, lower case ("ean13")
    double BarHeightMM;     // the standard's bar height at X = 0.33 mm
    TCarry Carry;
    const char* Characters; // what it carries, as "it carries ..." ends: "digits only"
    // A symbology that carries more of the same kind ("Code39 Extended" for Code 39).
    std::optional<TBarType> Wider;
    // A grid of modules (QR Code, Data Matrix), drawn from a symbol value; the Encoder
    // refuses it, having no row of bars to make.
    bool TwoDimensional = false;
    // Drawn as rows of modules from this encoder, with its Encoder refusing a row of bars.
    TRowsEncoder Rows = nullptr;
    // Drawn by the symbology DrawnAs from the value Convert makes of the one typed; the
    // ratio, margins and height stay this row's.
    std::optional<TBarType> DrawnAs = std::nullopt;
    TConvert Convert = nullptr;
    // A line the standard prints above the symbol (a book number's "ISBN 978-0-306-40615-7").
    TConvert Above = nullptr;
    // The family a list of symbologies shows it in.
    TBarFamily Family = bfIndustrial;
};

// The catalogue row of Type; raises "Wrong barcode type." for a value outside TBarType.
QUILLMARK_ENGINE_EXPORT const TBCdata& BarTypeData(TBarType Type);

// A family's name as a list heads its group: "Retail", "Logistics and GS1", "Industrial",
// "Postal", "Two-dimensional". Raises "Wrong barcode family." outside TBarFamily.
QUILLMARK_ENGINE_EXPORT const char* BarFamilyName(TBarFamily Family);

// The display name of a symbology ("Codebar" for bcCodeCodabar).
QUILLMARK_ENGINE_EXPORT std::string BarTypeName(TBarType Type);

// The symbology a name stands for: its identifier ("bcCode128B"), the same without "bc",
// its display name or one of its aliases. Letter case, "_", "-" and blanks don't count, so
// "code_2_5_interleaved", "Code25 Interleaved" and "itf" all name interleaved 2 of 5.
QUILLMARK_ENGINE_EXPORT std::optional<TBarType> FindBarType(std::string_view Name);

// Whether the symbol is a Code 128 one: the single-set types, EAN-128, the automatic type
// and GS1-128.
QUILLMARK_ENGINE_EXPORT bool IsCode128(TBarType Type);

// What a symbol of Type made from Value carries (the catalogue row's Carry). Never raises
// for a value the encoder refuses: it lists why instead.
QUILLMARK_ENGINE_EXPORT TCarried Carried(TBarType Type, const std::string& Value,
                                         TCheckSum CheckSum);

// The engine's single entry. Clamps Ratio in place for the symbology, sets the element
// widths of the calling thread, checks the value and encodes it into Pattern. Some
// encoders replace Text with the digits they drew.
QUILLMARK_ENGINE_EXPORT void MakeModules(TBarType Type, const std::string& Value, int Modul,
                                         double& Ratio, TCheckSum CheckSum, std::string& Text,
                                         std::string& Pattern);

// Width in pixels and line kind of one pattern character, from the element widths that
// the last MakeModules call on this thread set. Raises "Internal Error." outside the alphabet.
QUILLMARK_ENGINE_EXPORT void DecodeModule(char Ch, int& Width, TLineKind& Kind);

// Drawn length in pixels of Value's pattern (no margins). Leaves the element widths set.
QUILLMARK_ENGINE_EXPORT int PatternWidth(TBarType Type, const std::string& Value, int Modul,
                                         double Ratio, TCheckSum CheckSum);

// The four element widths in pixels, as the last MakeModules call on this thread set them.
struct ElementWidths {
    int Narrow = 0;
    int Wide = 0;
    int Wide15 = 0;
    int Wide2 = 0;
};
QUILLMARK_ENGINE_EXPORT ElementWidths CurrentElementWidths();

// The widths MakeModules sets for Modul and an already clamped Ratio, without setting them.
// Raises Exception when a width would be zero, negative or too large to draw.
QUILLMARK_ENGINE_EXPORT ElementWidths MakeElementWidths(int Modul, double Ratio);

// DecodeModule against explicit widths instead of the calling thread's.
QUILLMARK_ENGINE_EXPORT void DecodeModule(char Ch, const ElementWidths& Widths, int& Width,
                                          TLineKind& Kind);

// A value encoded: everything a caller needs to measure and draw it, with no state left
// behind in the engine.
struct TSymbol {
    std::string Pattern;  // one character per bar or space
    std::string Text;     // the value, or the digits an encoder replaced it with
    ElementWidths Widths; // pixel width of each width class
    double Ratio = 0;     // the ratio as clamped for the symbology
    int Width = 0;        // drawn length in pixels, the sum of the element widths
    // A two-dimensional symbol's modules (Pattern is then empty and Width is the grid's
    // columns at the narrow width); none for a row of bars.
    std::shared_ptr<const TModuleGrid> Grid;
    // A line printed above the symbol, as a book number's "ISBN 978-0-306-40615-7"; empty
    // for most.
    std::string Above;
};

// Encodes Value as MakeModules does (same checks, same errors) and returns the result as a
// value. Reads and writes no per-thread state, so it may run on any thread at any time.
QUILLMARK_ENGINE_EXPORT TSymbol MakeSymbol(TBarType Type, const std::string& Value, int Modul,
                                           double Ratio, TCheckSum CheckSum);

// Width digits '1'..'4' (bar first, alternating) to pattern characters.
QUILLMARK_ENGINE_EXPORT std::string WidthsToModules(const std::string& Widths);

// Value followed by its modulo-10 check digit (weights 3, 1 from the right).
QUILLMARK_ENGINE_EXPORT std::string AppendMod10(const std::string& Value);

// Value unchanged for csNone, AppendMod10(Value) for csModulo10.
QUILLMARK_ENGINE_EXPORT std::string ApplyCheckSum(TCheckSum Mode, const std::string& Value);

// Value left-padded with '0' to Length characters; never shortened.
QUILLMARK_ENGINE_EXPORT std::string PadZeros(std::uint8_t Length, const std::string& Value);

} // namespace quillmark
