// Two-dimensional symbols in the widget: every module where the orientation table puts it,
// the grid placed by its own height, read back by zxing-cpp; the matrix options through
// Qt's property system, by name as Designer writes them.
#include "barcode_test_helpers.h"
#include <quillmark/barcode.h>
#include <quillmark/error_reporter.h>
#include <quillmark/module_grid.h>

#include <QMetaEnum>
#include <QSize>
#include <QVariant>

#include <ZXing/ReadBarcode.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <tuple>
#include <vector>

namespace quillmark {
namespace {

using namespace widget_testing;

constexpr const char* MatrixValue = "Quillmark 2D";
constexpr int Modul = 3;
constexpr int Margin = 4 * Modul; // the standards' widest quiet zone, for the reader

class WidgetGrid : public ::testing::TestWithParam<std::tuple<TBarType, TOrientation>> {};

// A white, frameless control sized by AutoWidth along, the grid centred across.
TEST_P(WidgetGrid, EveryModuleWhereTheTableSaysAndReadsBack) {
    const auto [type, orientation] = GetParam();
    TBarCode control;
    control.setGeometry(0, 0, 200, 200);
    control.SetBevelOuter(bvNone);
    control.SetColor(clWhite);
    control.SetBarType(type);
    control.SetBarCode(MatrixValue);
    control.SetModul(Modul);
    control.SetOrientation(orientation);
    control.SetHMargin(Margin);
    control.SetAutoWidth(true);
    const TModuleGrid& grid = *control.Encoded().Grid();
    const int width = grid.Columns * Modul;
    const int height = grid.Rows * Modul;
    const bool horizontal = Horizontal(orientation);
    EXPECT_EQ(horizontal ? control.Width() : control.Height(), width + 2 * Margin);

    const Placement where = ExpectedPlacement(orientation, taCenter, control.Width(),
                                              control.Height(), 0, 0, width, height - 1);
    const QImage image = Grab(control);
    int mismatches = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const auto box = BoxPoint(orientation, where.Left, where.Top, width, where.h, x, y);
            const bool dark = box && grid.IsDark(box->x() / Modul, box->y() / Modul);
            mismatches +=
                (image.pixel(x, y) & 0xFFFFFF) != (Rgb(dark ? BarColor : SpaceColor) & 0xFFFFFF);
        }
    EXPECT_EQ(mismatches, 0);

    const QImage grey = image.convertToFormat(QImage::Format_Grayscale8);
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode | ZXing::BarcodeFormat::DataMatrix);
    const ZXing::Result read =
        ZXing::ReadBarcode({grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                            static_cast<int>(grey.bytesPerLine())},
                           hints);
    EXPECT_EQ(std::string(read.bytes().begin(), read.bytes().end()), MatrixValue);
}

INSTANTIATE_TEST_SUITE_P(
    Matrix, WidgetGrid,
    ::testing::Combine(::testing::Values(bcCodeQR, bcCodeDataMatrix),
                       ::testing::Values(toLeftRight, toRightLeft, toTopBottom, toBottomTop)),
    [](const auto& Info) {
        return std::string(BarTypeData(std::get<0>(Info.param)).Identifier) +
               QMetaEnum::fromType<TBarCode::Orientations>().valueToKey(std::get<1>(Info.param));
    });

TEST(WidgetGridPlacement, AdjustWidthTakesTheColumns) {
    TBarCode control;
    control.SetBevelOuter(bvNone);
    control.SetBarType(bcCodeMicroQR);
    control.SetBarCode("12345");
    control.SetModul(2);
    EXPECT_EQ(control.AdjustWidth(5), control.Encoded().Grid()->Columns * 2 + 10);
}

// The text below the grid under the standard layout is placed with it: the two stand
// centred across the panel together.
TEST(WidgetGridPlacement, StandardTextCentredWithTheGrid) {
    TBarCode control;
    control.setGeometry(0, 0, 160, 200);
    control.SetBevelOuter(bvNone);
    control.SetColor(PanelColor);
    control.SetFont(PixelFont(12));
    control.SetFontColor(LetterColor);
    control.SetBarType(bcCodeQR);
    control.SetBarCode("QM");
    control.SetModul(4);
    control.SetTextShow(tsBarCode);
    control.SetTextLayout(tlStandard);
    const QImage image = Grab(control);
    int top = image.height(), bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if ((image.pixel(x, y) & 0xFFFFFF) != (Rgb(PanelColor) & 0xFFFFFF)) {
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
    ASSERT_GE(bottom, top);
    EXPECT_GT(bottom - top + 1, control.Encoded().Grid()->Rows * 4); // the text adds rows
    EXPECT_LE(std::abs(top - (image.height() - 1 - bottom)), 1);
}

struct OptionCase {
    TBarType Type;
    const char* Property;
    QVariant Written; // enumerations by their identifiers, as a form names them
};

const OptionCase OptionCases[] = {
    {bcCodeQR, "QrLevel", QStringLiteral("qlH")},
    {bcCodeQR, "QrVersion", 5},
    {bcCodeDataMatrix, "DataMatrixShape", QStringLiteral("dsRectangle")},
    {bcCodeDataMatrix, "DataMatrixSize", QSize(26, 12)},
    {bcCodeGS1DigitalLinkQR, "DigitalLinkDomain", QStringLiteral("https://example.com")},
};

class WidgetOption : public ::testing::TestWithParam<OptionCase> {};

TEST_P(WidgetOption, WrittenByNameRenewsTheSymbolAndFiresChanged) {
    TBarCode control;
    control.SetBarType(GetParam().Type);
    control.SetBarCode("(01)09501101530003");
    const std::vector<std::uint8_t> before = control.Encoded().Grid()->Dark;
    int fired = 0;
    QObject::connect(&control, &TBarCode::Changed, [&] { ++fired; });
    EXPECT_TRUE(control.setProperty(GetParam().Property, GetParam().Written));
    EXPECT_NE(control.Encoded().Grid()->Dark, before);
    EXPECT_EQ(fired, 1);
}

INSTANTIATE_TEST_SUITE_P(Matrix, WidgetOption, ::testing::ValuesIn(OptionCases),
                         [](const auto& Info) { return std::string(Info.param.Property); });

// An option no symbol of the value can be made with is reported, and everything stays.
TEST(WidgetOptionRefused, ReportedAndTheOldSymbolKept) {
    std::vector<std::string> reports;
    SetErrorReporter([&](const std::exception& e) { reports.push_back(e.what()); });
    TBarCode control;
    control.SetBarType(bcCodeQR);
    control.SetBarCode(std::string(100, 'Q'));
    const int columns = control.Encoded().Grid()->Columns;
    control.setProperty("QrVersion", 1);
    control.setProperty("DataMatrixSize", QSize(7, 7)); // ignored by QR until chosen
    control.setProperty("BarType", QStringLiteral("bcCodeDataMatrix"));
    SetErrorReporter({});
    ASSERT_EQ(reports.size(), 2u);
    EXPECT_NE(reports[0].find("version 1"), std::string::npos) << reports[0];
    EXPECT_EQ(control.QrVersion(), 0);
    EXPECT_EQ(control.BarType(), bcCodeQR);
    EXPECT_EQ(control.Encoded().Grid()->Columns, columns);
    EXPECT_THROW(control.SetQrLevel(static_cast<TQrLevel>(QrLevelCount)), Exception);
    EXPECT_EQ(control.QrLevel(), TQrLevel::M);
    // A refused value is refused with the matrix library's reason, not the bars' message.
    try {
        control.SetBarCode(std::string(8000, 'Q'));
        ADD_FAILURE() << "taken";
    } catch (const Exception& error) {
        EXPECT_NE(error.Message().find("too much data for QR Code"), std::string::npos)
            << error.Message();
    }
}

} // namespace
} // namespace quillmark
