// The options only some types take (the two-dimensional symbols', ITF-14's bearers, GS1 DataBar
// Expanded Stacked's segments): each sets what it names, and is refused where the type has no
// use for it or the symbol it names doesn't exist.
#include "help_text.h"
#include "parse_options.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>

namespace quillmark::cli {
namespace {

TEST(MatrixOptions, EachSetsWhatItNames) {
    using enum TQrLevel;
    const struct {
        std::vector<std::string> Options;
        TMatrixOptions Read;
    } cases[] = {
        {{"--type", "qr", "--ecc", "H", "--qr-version", "7"}, {.QrLevel = H, .QrVersion = 7}},
        // The type may come after the version it reads.
        {{"--qr-version", "M3", "--type", "microqr", "--ecc", "L"}, {.QrLevel = L, .QrVersion = 3}},
        {{"--type", "mqr", "--qr-version", "3"}, {.QrVersion = 3}},
        {{"--type", "dm", "--dm-size", "rectangle"},
         {.DataMatrixShape = TDataMatrixShape::Rectangle}},
        {{"--type", "gs1datamatrix", "--dm-size", "auto"},
         {.DataMatrixShape = TDataMatrixShape::Any}},
        {{"--type", "datamatrix", "--dm-size", "8x32"},
         {.DataMatrixRows = 8, .DataMatrixColumns = 32}},
        {{"--type", "gs1dlqr", "--dl-domain", "https://example.com/gs1"},
         {.DigitalLinkDomain = "https://example.com/gs1"}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parse(c.Options).Description.Barcode.Matrix, c.Read)
            << c.Options[1] << ' ' << c.Options[3];
}

TEST(MatrixOptions, RefusedSayingWhatToChange) {
    const struct {
        std::vector<std::string> Options;
        const char* Message; // a part of the refusal
    } cases[] = {
        {{"--type", "code128b", "--ecc", "H"},
         "--ecc applies to QR Code, Micro QR Code and GS1 Digital Link QR Code, not to "},
        {{"--dm-size", "16x16", "--type", "qr"},
         "--dm-size applies to Data Matrix and GS1 DataMatrix, not to QR Code"},
        {{"--type", "qr", "--dl-domain", "https://example.com"},
         "--dl-domain applies to GS1 Digital Link QR Code, not to QR Code"},
        {{"--type", "datamatrix", "--qr-version", "2"}, "--qr-version applies to QR Code"},
        {{"--type", "qr", "--height", "10"},
         "--height applies to the one-dimensional symbologies, not to QR Code"},
        {{"--type", "qr", "--qr-version", "41"}, "choose auto or 1 to 40 for QR Code"},
        {{"--type", "microqr", "--qr-version", "M5"}, "choose auto or M1 to M4"},
        // The matrix library's own refusals, before any value is drawn.
        {{"--type", "microqr", "--qr-version", "M1", "--ecc", "M"},
         "Micro QR Code version M1 has no level M; choose a lower level or a higher version"},
        {{"--type", "datamatrix", "--dm-size", "11x11"}, "Data Matrix has no 11x11 symbol"},
        {{"--type", "datamatrix", "--dm-size", "16"},
         "choose auto, square, rectangle or ROWSxCOLUMNS"},
        {{"--type", "gs1dlqr", "--dl-domain", "id.gs1.org"}, "The domain 'id.gs1.org'"},
        // ITF-14's bearers, GS1 DataBar Expanded Stacked's segments, and GS1 DataBar's rows.
        {{"--bearer-width", "4", "--type", "itf"}, "--bearer-width applies to ITF-14, not to "},
        {{"--type", "databar", "--segments", "4"},
         "--segments applies to GS1 DataBar Expanded Stacked, not to GS1 DataBar Omnidirectional"},
        {{"--type", "itf14", "--bearer", "top"}, "--bearer 'top': choose one of frame, bars, none"},
        {{"--type", "itf14", "--bearer-width", "1"}, "--bearer-width '1': out of range (2 to 100)"},
        {{"--type", "itf14", "--xdim", "1", "--bearer-width", "1.4mm"},
         "--bearer-width '1.4mm': at X 1 mm that rounds to 1 module; give at least 2 mm"},
        {{"--type", "databar-expanded-stacked", "--segments", "5"},
         "--segments '5': choose an even number from 2 to 22"},
        {{"--type", "databar-expanded-stacked", "--segments", "0"}, "an even number from 2 to 22"},
        {{"--type", "databar-stacked", "--height", "10"},
         "--height doesn't apply to GS1 DataBar Stacked: GS1 DataBar's rows have the heights "
         "its standard sets"},
        {{"--type", "databar-limited", "--ratio", "3"},
         "--ratio doesn't apply to GS1 DataBar Limited: GS1 DataBar's elements have no "
         "wide-to-narrow ratio"},
    };
    for (const auto& c : cases)
        ExpectRefused(c.Options, c.Message);
}

TEST(MatrixOptions, TwoDimensionalSymbolsPrintTextOnlyWhenAsked) {
    const struct {
        std::vector<std::string> Options;
        TTextShow Text;
    } cases[] = {
        {{"--type", "qr"}, tsNone},
        {{"--type", "gs1dm", "--text", "value"}, tsBarCode},
        {{"--type", "code128b"}, DefaultOutputSettings().TextShow},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Parse(c.Options).Description.Barcode.TextShow, c.Text) << c.Options[1];
}

TEST(MatrixOptions, HelpNamesTheDefaultsTakenAndListsTheTypes) {
    const struct {
        const char* Type;
        const char* Option;
        const char* Default; // the default's text, the pattern's one group
    } cases[] = {
        {"qr", "--ecc", R"(--ecc \S+\s+error correction[^(]+\(default (\w+)\))"},
        {"datamatrix", "--dm-size", R"(\(default (\w+)\), the smallest rectangle)"},
        {"gs1dlqr", "--dl-domain", R"(GS1 Digital Link\s+\(default (\S+)\))"},
    };
    const std::string help = HelpText();
    for (const auto& c : cases) {
        std::smatch found;
        ASSERT_TRUE(std::regex_search(help, found, std::regex(c.Default))) << c.Option;
        EXPECT_EQ(Parse({"--type", c.Type, c.Option, found[1]}).Description.Barcode.Matrix,
                  Parse({"--type", c.Type}).Description.Barcode.Matrix)
            << c.Option << ' ' << found[1];
    }
    // --list-types: every type's row, its name where the heading's NAME starts.
    std::istringstream table(TypeTable());
    std::string line;
    std::getline(table, line);
    const std::size_t nameColumn = line.find("NAME");
    for (int i = 0; i < BarTypeCount; ++i) {
        const TBCdata& row = BarTypeData(static_cast<TBarType>(i));
        ASSERT_TRUE(std::getline(table, line)) << row.Name;
        EXPECT_TRUE(line.starts_with(row.Identifier + std::string(" "))) << line;
        EXPECT_EQ(line.substr(nameColumn, std::string_view(row.Name).size()), row.Name) << line;
    }
}

} // namespace
} // namespace quillmark::cli
