// Symbols drawn by the widget, as grab() shows them, scan back with zxing-cpp at Modul 1 to
// 3 in all four reading directions, with and without the human-readable text.
#include "barcode_test_helpers.h"
#include "scan.h"
#include <quillmark/barcode.h>

#include <gtest/gtest.h>

#include <optional>
#include <ostream>
#include <string>

namespace quillmark {
namespace {

using namespace widget_testing;

struct Symbol {
    TBarType Type;
    const char* Value;
    double Ratio;
    const char* Format; // zxing's name
    const char* Name;
};

void PrintTo(const Symbol& S, std::ostream* Out) {
    *Out << S.Name << " " << S.Value;
}

constexpr Symbol Symbols[] = {
    {bcCode128B, "Quill-128", 2.0, "Code128", "Code128"},
    {bcCode39, "CODE39-42", 3.0, "Code39", "Code39"},
    {bcCode93, "CODE-93", 2.0, "Code93", "Code93"},
    {bcCode_2_5_interleaved, "12345670", 3.0, "ITF", "Interleaved2of5"},
    {bcCodeCodabar, "40156-$", 3.0, "Codabar", "Codabar"},
    {bcCodeEAN13, "5901234123457", 2.0, "EAN-13", "EAN13"},
    {bcCodeUPC_A, "036000291452", 2.0, "UPC-A", "UPCA"},
};

// A white control that sizes itself around the symbol with a quiet zone of 12 modules.
std::optional<testing::ScanResult> DrawAndScan(const Symbol& S, int Modul, TOrientation Orientation,
                                               TTextShow Show) {
    TBarCode control;
    control.setGeometry(0, 0, 90, 90);
    control.SetBevelOuter(bvNone);
    control.SetColor(clWhite);
    control.SetFont(PixelFont(14));
    control.SetBarType(S.Type);
    control.SetBarCode(S.Value);
    control.SetModul(Modul);
    control.SetRatio(S.Ratio);
    control.SetOrientation(Orientation);
    control.SetTextShow(Show);
    control.SetHMargin(12 * Modul);
    control.SetAutoWidth(true);
    const QImage grey = control.grab().toImage().convertToFormat(QImage::Format_Grayscale8);
    return testing::Scan(grey.constBits(), grey.width(), grey.height(),
                         static_cast<int>(grey.bytesPerLine()));
}

std::optional<std::string> Unavailable(const Symbol& S) {
    try {
        PatternWidth(S.Type, S.Value, 1, S.Ratio, csNone);
        return std::nullopt;
    } catch (const Exception& error) {
        return std::string(error.what());
    }
}

class BarCodeScan : public ::testing::TestWithParam<Symbol> {};

TEST_P(BarCodeScan, EveryModulAndDirection) {
    const Symbol& symbol = GetParam();
    if (const auto why = Unavailable(symbol))
        GTEST_SKIP() << *why;
    for (const TTextShow show : {tsBarCode, tsNone})
        for (int modul = 1; modul <= 3; ++modul)
            for (const TOrientation orientation :
                 {toLeftRight, toRightLeft, toTopBottom, toBottomTop}) {
                const auto scan = DrawAndScan(symbol, modul, orientation, show);
                ASSERT_TRUE(scan) << "modul " << modul << " orientation " << int(orientation)
                                  << " text " << int(show);
                EXPECT_EQ(scan->Format, symbol.Format);
                EXPECT_EQ(scan->Text, symbol.Value) << "modul " << modul << " orientation "
                                                    << int(orientation) << " text " << int(show);
            }
}

std::string SymbolName(const ::testing::TestParamInfo<Symbol>& Info) {
    return Info.param.Name;
}

INSTANTIATE_TEST_SUITE_P(Symbologies, BarCodeScan, ::testing::ValuesIn(Symbols), SymbolName);

} // namespace
} // namespace quillmark
