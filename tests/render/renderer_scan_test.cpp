// Symbols drawn by the renderer scan back with zxing-cpp in every reading direction.
#include "renderer_test_helpers.h"
#include "scan.h"
#include <quillmark/renderer.h>

#include <QPainter>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace quillmark {
namespace {

using namespace testing;

struct ScanCase {
    TBarType Type;
    const char* Value;
    double Ratio;
    const char* Format; // zxing's name
};

void PrintTo(const ScanCase& Case, std::ostream* Out) {
    *Out << Case.Format << " " << Case.Value;
}

constexpr ScanCase Symbols[] = {
    {bcCode39, "CODE39-42", 3.0, "Code39"},
    {bcCode_2_5_interleaved, "12345670", 3.0, "ITF"},
    {bcCodeCodabar, "40156-$", 3.0, "Codabar"},
    // Module widths 1 to 4 times the narrow one: ratio 2.
    {bcCode128B, "Quill-128", 2.0, "Code128"},
    {bcCode93, "CODE-93", 2.0, "Code93"},
    {bcCodeEAN13, "5901234123457", 2.0, "EAN-13"},
    {bcCodeUPC_A, "036000291452", 2.0, "UPC-A"},
};

constexpr int Margin = 40;
constexpr int BarHeight = 60;

// Draws the symbol on white with a white margin all round and scans the greyscale copy.
std::optional<ScanResult> DrawAndScan(const ScanCase& Symbol, int Modul, const Direction& Dir,
                                      TTextShow Show) {
    const int pw = PatternWidth(Symbol.Type, Symbol.Value, Modul, Symbol.Ratio, csNone);
    const bool horizontal = Dir.Orientation == toLeftRight || Dir.Orientation == toRightLeft;
    const int along = pw + 2 * Margin, across = BarHeight + 1 + 2 * Margin;
    QImage image = MakeImage(horizontal ? along : across, horizontal ? across : along, clWhite);
    {
        QPainter painter(&image);
        DrawBarcode(painter, Symbol.Type, Symbol.Value, Modul, Symbol.Ratio, csNone, Margin, Margin,
                    BarHeight, TestFont(), clBlack, Show, tpBottomCenter, clBlack, clWhite, clWhite,
                    Dir.Angle);
    }
    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    return Scan(grey.constBits(), grey.width(), grey.height(),
                static_cast<int>(grey.bytesPerLine()));
}

bool Available(const ScanCase& Symbol, std::string& Why) {
    try {
        PatternWidth(Symbol.Type, Symbol.Value, 1, Symbol.Ratio, csNone);
        return true;
    } catch (const Exception& e) {
        Why = e.what();
        return false;
    }
}

class RendererScan : public ::testing::TestWithParam<ScanCase> {};

TEST_P(RendererScan, EveryModulAndDirection) {
    const ScanCase& symbol = GetParam();
    std::string why;
    if (!Available(symbol, why))
        GTEST_SKIP() << why;
    for (const TTextShow show : {tsNone, tsBarCode}) {
        for (int modul = 1; modul <= 3; ++modul) {
            for (const Direction& dir : Directions) {
                const auto scan = DrawAndScan(symbol, modul, dir, show);
                ASSERT_TRUE(scan) << symbol.Value << " modul " << modul << " " << dir.Name
                                  << " text " << int(show);
                EXPECT_EQ(scan->Format, symbol.Format);
                EXPECT_EQ(scan->Text, symbol.Value)
                    << "modul " << modul << " " << dir.Name << " text " << int(show);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Symbologies, RendererScan, ::testing::ValuesIn(Symbols),
                         [](const ::testing::TestParamInfo<ScanCase>& info) {
                             std::string name = info.param.Format;
                             std::erase(name, '-');
                             return name;
                         });

} // namespace
} // namespace quillmark
