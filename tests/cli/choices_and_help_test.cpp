// The command line's names for each setting's values, and the defaults its help promises
// against the ones it takes.
#include "help_text.h"
#include "parse_options.h"
#include <quillmark/print_fit.h>

#include <gtest/gtest.h>

#include <regex>

namespace quillmark::cli {
namespace {

TEST(ChoiceNames, EachNamesItsValue) {
    using TRead = int (*)(const TOptions&);
    const TRead checksum = [](const TOptions& O) { return static_cast<int>(O.CheckDigits); };
    const TRead rotate = [](const TOptions& O) { return int{O.Description.Barcode.Orientation}; };
    const TRead text = [](const TOptions& O) { return int{O.Description.Barcode.TextShow}; };
    const TRead position = [](const TOptions& O) {
        return int{O.Description.Barcode.TextPosition};
    };
    const TRead layout = [](const TOptions& O) { return int{O.Description.Barcode.TextLayout}; };
    const TRead format = [](const TOptions& O) { return static_cast<int>(*O.Format); };
    const struct {
        const char* Option;
        const char* Name;
        TRead Read;
        int Value;
    } cases[] = {
        {"--checksum", "auto", checksum, static_cast<int>(TCheckDigits::Auto)},
        {"--checksum", "none", checksum, static_cast<int>(TCheckDigits::None)},
        {"--checksum", "mod10", checksum, static_cast<int>(TCheckDigits::Mod10)},
        // Counter-clockwise turns.
        {"--rotate", "0", rotate, toLeftRight},
        {"--rotate", "90", rotate, toBottomTop},
        {"--rotate", "180", rotate, toRightLeft},
        {"--rotate", "270", rotate, toTopBottom},
        {"--text", "none", text, tsNone},
        {"--text", "value", text, tsBarCode},
        {"--text", "type", text, tsBarType},
        {"--text", "both", text, tsBoth},
        {"--text-position", "top-left", position, tpTopLeft},
        {"--text-position", "top-center", position, tpTopCenter},
        {"--text-position", "top-right", position, tpTopRight},
        {"--text-position", "bottom-left", position, tpBottomLeft},
        {"--text-position", "bottom-center", position, tpBottomCenter},
        {"--text-position", "bottom-right", position, tpBottomRight},
        {"--text-layout", "standard", layout, tlStandard},
        {"--text-layout", "over-bars", layout, tlOverBars},
        {"--format", "png", format, static_cast<int>(TFileFormat::Png)},
        {"--format", "svg", format, static_cast<int>(TFileFormat::Svg)},
        {"--format", "pdf", format, static_cast<int>(TFileFormat::Pdf)},
    };
    for (const auto& c : cases) {
        // A format asked for must agree with the output's extension.
        const std::string output = std::string("a.") + (c.Read == format ? c.Name : "png");
        EXPECT_EQ(c.Read(ParseArguments({c.Option, c.Name, "1", "-o", output})), c.Value)
            << c.Option << ' ' << c.Name;
    }
}

// The settings a default stands for, beside the value and the output.
bool SameDrawing(const TOptions& A, const TOptions& B) {
    const TBarcodeDescription& a = A.Description;
    const TBarcodeDescription& b = B.Description;
    return a.Barcode == b.Barcode && a.Font.family() == b.Font.family() &&
           a.FontSizePt == b.FontSizePt && a.FontColor == b.FontColor && a.Dpi == b.Dpi &&
           A.CheckDigits == B.CheckDigits;
}

// Giving an option the value the help calls its default changes nothing.
TEST(HelpText, TheDefaultsItNamesAreTheOnesTaken) {
    const struct {
        const char* Option;
        const char* Default; // the default's text, the pattern's one group
    } cases[] = {
        {"--type", R"(symbology \(default (\w+)\))"},
        {"--checksum", R"(--checksum \S+\n\s+(\w+) \(default\))"},
        {"--ratio", R"(ratio \(default ([\d.]+)\))"},
        {"--rotate", R"(turn \(default (\d+)\))"},
        {"--text", R"(--text [a-z|]+\s+\(default (\S+)\))"},
        {"--text-position", R"(--text-position [a-z|\s-]+\(default (\S+)\))"},
        {"--text-layout", R"(--text-layout \S+\n\s+(\S+) \(default\))"},
        {"--font", R"(--font FAMILY\s+\(default ([^;]+);)"},
        {"--font-size", R"(--font-size PT\s+\(default ([\d.]+)\))"},
        {"--fg", R"(--fg C.*\(default (#[0-9A-F]{6})\))"},
        {"--bg", R"(--bg C.*\(default (#[0-9A-F]{6})\))"},
        {"--dpi", R"(--dpi N.*\(default (\d+)\))"},
    };
    const std::string help = HelpText();
    const TOptions defaults = Parse({});
    for (const auto& c : cases) {
        std::smatch found;
        ASSERT_TRUE(std::regex_search(help, found, std::regex(c.Default))) << c.Option;
        EXPECT_TRUE(SameDrawing(Parse({c.Option, found[1]}), defaults))
            << c.Option << ' ' << found[1];
    }
}

// The sizes the help gives are the catalogue's and the standards' own.
TEST(HelpText, TheSizesItNamesAreTheStandardOnes) {
    TBarcodeDescription code128;
    const struct {
        const char* Size; // the size's text, the pattern's one group
        double MM;
    } cases[] = {
        {R"(--xdim MM.*own, ([\d.]+);)", XDimensionOf(code128)},
        {R"(([\d.]+)\s+for GS1-128 and EAN-128 and)", PermittedXRange(bcCodeGS1_128).NominalMM},
        {R"(([\d.]+) for PostNet, each)", PermittedXRange(bcCodePostNet).NominalMM},
        {R"(two-dimensional symbol \(default ([\d.]+)\))", StandardXDimensionMM(bcCodeQR, 0)},
        {R"(default ([\d.]+) for EAN-13/UPC)", BarTypeData(bcCodeEAN13).BarHeightMM},
        {R"(([\d.]+) for EAN-8)", BarTypeData(bcCodeEAN8).BarHeightMM},
        {R"(([\d.]+) for GS1-128 and EAN-128, )", BarTypeData(bcCodeGS1_128).BarHeightMM},
        {R"(([\d.]+) for PostNet, [\d.]+ for)", BarTypeData(bcCodePostNet).BarHeightMM},
        {R"(([\d.]+) for\s+the others)", BarTypeData(bcCode39).BarHeightMM},
    };
    const std::string help = HelpText();
    for (const auto& c : cases) {
        std::smatch found;
        ASSERT_TRUE(std::regex_search(help, found, std::regex(c.Size))) << c.Size;
        EXPECT_DOUBLE_EQ(std::stod(found[1]), c.MM) << c.Size;
    }
}

} // namespace
} // namespace quillmark::cli
