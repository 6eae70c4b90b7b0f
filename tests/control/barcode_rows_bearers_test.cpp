// ITF-14, GS1 DataBar and the book numbers in the widget: their settings through Qt's property
// system by the names a form writes, refused values reported with the old ones kept, and the
// symbols drawn so that zxing-cpp reads what they carry.
#include "barcode_test_helpers.h"
#include <quillmark/barcode.h>
#include <quillmark/error_reporter.h>

#include <QMetaEnum>
#include <QVariant>

#include <ZXing/ReadBarcode.h>

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace quillmark {
namespace {

using namespace widget_testing;

constexpr const char* Gtin = "0950110153000";
constexpr const char* ElementStrings = "(01)09501101530003(17)260101(10)AB-123(21)QUILLMARK";

TEST(WidgetRowsSettings, WrittenByNameAndReadBack) {
    const struct {
        TBarType Type;
        const char* Value;
        const char* Property;
        QVariant Written; // enumerations by their identifiers, as a form names them
        int Read;         // the C++ reader's value
        int (*Reader)(const TBarCode&);
    } cases[] = {
        {bcCodeITF14, Gtin, "Bearers", QStringLiteral("bbTopAndBottom"),
         static_cast<int>(TITF14Bearers::TopAndBottom),
         [](const TBarCode& C) { return static_cast<int>(C.Bearers()); }},
        {bcCodeITF14, Gtin, "Bearers", QStringLiteral("bbNone"),
         static_cast<int>(TITF14Bearers::None),
         [](const TBarCode& C) { return static_cast<int>(C.Bearers()); }},
        {bcCodeITF14, Gtin, "BearerWidth", 2, 2,
         [](const TBarCode& C) { return C.Settings().BearerModules; }},
        {bcCodeDataBarExpandedStacked, ElementStrings, "DataBarSegments", 2, 2,
         [](const TBarCode& C) { return C.Settings().Matrix.DataBarSegments; }},
        // Kept for when the type changes to one that reads it.
        {bcCodeDataBar, Gtin, "DataBarSegments", 8, 8,
         [](const TBarCode& C) { return C.DataBarSegments(); }},
    };
    for (const auto& c : cases) {
        TBarCode control;
        control.SetBarType(c.Type);
        control.SetBarCode(c.Value);
        int fired = 0;
        QObject::connect(&control, &TBarCode::Changed, [&] { ++fired; });
        EXPECT_TRUE(control.setProperty(c.Property, c.Written)) << c.Property;
        EXPECT_EQ(c.Reader(control), c.Read) << c.Property;
        EXPECT_EQ(control.property(c.Property).toInt(), c.Read) << c.Property;
        EXPECT_EQ(fired, 1) << c.Property;
        TBarCode copy;
        copy.Assign(&control);
        EXPECT_EQ(c.Reader(copy), c.Read) << c.Property;
    }
}

TEST(WidgetRowsSettings, DefaultsAreTheStandards) {
    const TBarCode control;
    EXPECT_EQ(control.Bearers(), TITF14Bearers::Frame);
    EXPECT_EQ(control.BearerWidth(), ITF14BearerDefaultModules);
    EXPECT_EQ(control.DataBarSegments(), ExpandedSegmentsDefault);
}

TEST(WidgetRowsSettings, SegmentsRenewExpandedStackedRows) {
    TBarCode control;
    control.SetBarType(bcCodeDataBarExpandedStacked);
    control.SetBarCode(ElementStrings);
    const int rows = control.Encoded().Grid()->Rows;
    const int columns = control.Encoded().Grid()->Columns;
    control.SetDataBarSegments(2);
    EXPECT_GT(control.Encoded().Grid()->Rows, rows);
    EXPECT_LT(control.Encoded().Grid()->Columns, columns);
}

// A value outside a setting's range is reported with what to change, and everything stays.
TEST(WidgetRowsSettings, RefusedAndReported) {
    const struct {
        const char* Property;
        QVariant Written;
        const char* Message; // a part of the report
    } cases[] = {
        {"BearerWidth", 1, "BearerWidth 1 : Out of range (2 to 16384)."},
        {"BearerWidth", -4, "Out of range (2 to"},
        {"DataBarSegments", 3, "an even number of segments a row from 2 to 22, not 3."},
        {"DataBarSegments", 24, "DataBarSegments 24 : Out of range (2 to 22)."},
        {"DataBarSegments", 0, "Out of range (2 to 22)."},
        {"Bearers", 3, "3 : Wrong bearer bars."},
    };
    for (const auto& c : cases) {
        std::vector<std::string> reports;
        SetErrorReporter([&](const std::exception& e) { reports.push_back(e.what()); });
        TBarCode control;
        control.SetBarType(bcCodeDataBarExpandedStacked);
        control.SetBarCode(ElementStrings);
        const TBarcodeSettings before = control.Settings();
        control.setProperty(c.Property, c.Written);
        SetErrorReporter({});
        ASSERT_EQ(reports.size(), 1u) << c.Property << " " << c.Written.toString().toStdString();
        EXPECT_NE(reports[0].find(c.Message), std::string::npos) << reports[0];
        EXPECT_EQ(control.Settings(), before) << c.Property;
    }
    TBarCode control;
    EXPECT_THROW(control.SetBearerWidth(1), Exception);
    EXPECT_THROW(control.SetBearers(static_cast<TITF14Bearers>(7)), Exception);
    EXPECT_THROW(control.SetDataBarSegments(5), Exception);
    EXPECT_EQ(control.Settings(), TBarCode().Settings());
}

struct Drawn {
    TBarType Type;
    const char* Value;
    const char* Read; // zxing-cpp's text
};

class WidgetRows : public ::testing::TestWithParam<std::tuple<Drawn, TOrientation>> {};

// A white, frameless control sized by AutoWidth along, the text off.
TEST_P(WidgetRows, DrawnAndReadBack) {
    const auto& [symbol, orientation] = GetParam();
    TBarCode control;
    control.setGeometry(0, 0, 700, 700);
    control.SetBevelOuter(bvNone);
    control.SetColor(clWhite);
    control.SetBarType(symbol.Type);
    control.SetBarCode(symbol.Value);
    control.SetDataBarSegments(2);
    control.SetModul(2);
    control.SetOrientation(orientation);
    control.SetHMargin(20);
    control.SetAutoWidth(true);
    const QImage grey = Grab(control).convertToFormat(QImage::Format_Grayscale8);
    ZXing::DecodeHints hints;
    hints.setTryHarder(true);
    const ZXing::Result read =
        ZXing::ReadBarcode({grey.constBits(), grey.width(), grey.height(), ZXing::ImageFormat::Lum,
                            static_cast<int>(grey.bytesPerLine())},
                           hints);
    EXPECT_EQ(std::string(read.bytes().begin(), read.bytes().end()), symbol.Read);
    EXPECT_EQ(control.AdjustWidth(20),
              Horizontal(orientation) ? control.Width() : control.Height());
}

const Drawn DrawnSymbols[] = {
    {bcCodeITF14, Gtin, "09501101530003"},
    {bcCodeDataBar, Gtin, "09501101530003"},
    {bcCodeDataBarStackedOmni, "(01)09501101530003", "09501101530003"},
    {bcCodeDataBarExpanded, ElementStrings, ElementStrings},
    {bcCodeDataBarExpandedStacked, ElementStrings, ElementStrings},
    {bcCodeISBN, "978-0-306-40615-7", "9780306406157"},
};

INSTANTIATE_TEST_SUITE_P(Types, WidgetRows,
                         ::testing::Combine(::testing::ValuesIn(DrawnSymbols),
                                            ::testing::Values(toLeftRight, toTopBottom)),
                         [](const auto& Info) {
                             return std::string(
                                        BarTypeData(std::get<0>(Info.param).Type).Identifier) +
                                    QMetaEnum::fromType<TBarCode::Orientations>().valueToKey(
                                        std::get<1>(Info.param));
                         });

// As for a grid, a form may choose the type before the value.
TEST(WidgetRowsEmpty, PanelAloneUntilAValueComes) {
    TBarCode control;
    control.SetBarCode("");
    EXPECT_NO_THROW(control.SetBarType(bcCodeDataBarExpandedStacked));
    EXPECT_NO_THROW(Grab(control));
}

} // namespace
} // namespace quillmark
