// ITF-14, GS1 DataBar and the book numbers in the widget: their settings through Qt's property
// system by the names a form writes, refused values reported with the old ones kept, and the
// symbols drawn so that zxing-cpp reads what they carry.
#include "barcode_test_helpers.h"
#include <quillmark/barcode.h>
#include <quillmark/error_reporter.h>

#include <ZXing/ReadBarcode.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmark {
namespace {

using namespace widget_testing;

constexpr const char* Gtin = "0950110153000";
constexpr const char* ElementStrings = "(01)09501101530003(17)260101(10)AB-123(21)QUILLMARK";

// Each setting by the name a form writes: taken, copied by Assign and told by Changed, or
// reported with what to change and everything kept.
TEST(WidgetRowsSettings, WrittenByName) {
    const struct {
        const char* Property;
        QString Written;     // enumerations by their identifiers, as a form names them
        const char* Refusal; // a part of the report; none: taken
    } cases[] = {
        {"Bearers", QStringLiteral("bbTopAndBottom"), nullptr},
        {"BearerWidth", QStringLiteral("2"), nullptr},
        {"DataBarSegments", QStringLiteral("2"), nullptr},
        {"BearerWidth", QStringLiteral("1"), "BearerWidth 1 : Out of range (2 to 100)."},
        {"DataBarSegments", QStringLiteral("3"), "segments a row from 2 to 22, not 3."},
        {"DataBarSegments", QStringLiteral("0"), "DataBarSegments 0 : Out of range (2 to 22)."},
    };
    for (const auto& c : cases) {
        std::vector<std::string> reports;
        SetErrorReporter([&](const std::exception& e) { reports.push_back(e.what()); });
        TBarCode control;
        control.SetBarType(bcCodeDataBarExpandedStacked);
        control.SetBarCode(ElementStrings);
        const TBarcodeSettings before = control.Settings();
        int fired = 0;
        QObject::connect(&control, &TBarCode::Changed, [&] { ++fired; });
        control.setProperty(c.Property, c.Written);
        SetErrorReporter({});
        TBarCode copy;
        copy.Assign(&control);
        EXPECT_EQ(copy.property(c.Property).toString() == c.Written, !c.Refusal) << c.Property;
        EXPECT_EQ(fired, c.Refusal ? 0 : 1) << c.Property;
        ASSERT_EQ(reports.size(), c.Refusal ? 1u : 0u) << c.Property;
        if (c.Refusal) {
            EXPECT_NE(reports[0].find(c.Refusal), std::string::npos) << reports[0];
            EXPECT_EQ(control.Settings(), before) << c.Property;
        }
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
