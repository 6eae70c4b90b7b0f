// ITF-14, GS1 DataBar and the book numbers in the widget: their settings through Qt's property
// system by the names a form writes, refused values reported with the old ones kept, and the
// symbols drawn so that zxing-cpp reads what they carry.
#include "barcode_test_helpers.h"
#include <quillmark/barcode.h>
#include <quillmark/error_reporter.h>

#include <QVariant>

#include <ZXing/ReadBarcode.h>

#include <gtest/gtest.h>

#include <string>
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
        QString Written; // enumerations by their identifiers, as a form names them
    } cases[] = {
        {bcCodeITF14, Gtin, "Bearers", QStringLiteral("bbTopAndBottom")},
        {bcCodeITF14, Gtin, "BearerWidth", QStringLiteral("2")},
        {bcCodeDataBarExpandedStacked, ElementStrings, "DataBarSegments", QStringLiteral("2")},
    };
    for (const auto& c : cases) {
        TBarCode control;
        control.SetBarType(c.Type);
        control.SetBarCode(c.Value);
        int fired = 0;
        QObject::connect(&control, &TBarCode::Changed, [&] { ++fired; });
        EXPECT_TRUE(control.setProperty(c.Property, c.Written)) << c.Property;
        EXPECT_EQ(fired, 1) << c.Property;
        TBarCode copy;
        copy.Assign(&control);
        EXPECT_EQ(copy.property(c.Property).toString(), c.Written) << c.Property;
    }
}

// A value outside a setting's range is reported with what to change, and everything stays.
TEST(WidgetRowsSettings, RefusedAndReported) {
    const struct {
        const char* Property;
        QVariant Written;
        const char* Message; // a part of the report
    } cases[] = {
        {"BearerWidth", 1, "BearerWidth 1 : Out of range (2 to 16384)."},
        {"DataBarSegments", 3, "an even number of segments a row from 2 to 22, not 3."},
        {"DataBarSegments", 0, "DataBarSegments 0 : Out of range (2 to 22)."},
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
}

// A white, frameless control sized by AutoWidth along, the text off, read back by zxing-cpp.
TEST(WidgetRowsDrawn, ReadBackAlongAndAcross) {
    const struct {
        TBarType Type;
        const char* Value;
        const char* Read;
    } cases[] = {
        {bcCodeITF14, Gtin, "09501101530003"},
        {bcCodeDataBar, Gtin, "09501101530003"},
        {bcCodeDataBarExpandedStacked, ElementStrings, ElementStrings},
        {bcCodeISBN, "978-0-306-40615-7", "9780306406157"},
    };
    ZXing::DecodeHints hints;
    hints.setTryHarder(true);
    for (const auto& c : cases)
        for (const TOrientation orientation : {toLeftRight, toTopBottom}) {
            TBarCode control;
            control.setGeometry(0, 0, 700, 700);
            control.SetBevelOuter(bvNone);
            control.SetColor(clWhite);
            control.SetBarType(c.Type);
            control.SetBarCode(c.Value);
            control.SetDataBarSegments(2);
            control.SetModul(2);
            control.SetOrientation(orientation);
            control.SetHMargin(20);
            control.SetAutoWidth(true);
            const QImage grey = Grab(control).convertToFormat(QImage::Format_Grayscale8);
            const ZXing::Result read =
                ZXing::ReadBarcode({grey.constBits(), grey.width(), grey.height(),
                                    ZXing::ImageFormat::Lum, static_cast<int>(grey.bytesPerLine())},
                                   hints);
            EXPECT_EQ(std::string(read.bytes().begin(), read.bytes().end()), c.Read) << c.Value;
            EXPECT_EQ(control.AdjustWidth(20),
                      Horizontal(orientation) ? control.Width() : control.Height());
        }
}

// As for a grid, a form may choose the type before the value.
TEST(WidgetRowsEmpty, PanelAloneUntilAValueComes) {
    TBarCode control;
    control.SetBarCode("");
    EXPECT_NO_THROW(control.SetBarType(bcCodeDataBarExpandedStacked));
    EXPECT_NO_THROW(Grab(control));
}

} // namespace
} // namespace quillmark
