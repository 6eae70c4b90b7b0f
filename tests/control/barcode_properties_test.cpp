// Property writers and events: defaults, equal values, OnChange and Changed(), the Qt
// properties by name, About and Assign.
#include "barcode_test_helpers.h"
#include <quillmark/barcode.h>
#include <quillmark/error_reporter.h>

#include <QMetaEnum>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <limits>
#include <string>
#include <vector>

namespace quillmark {
namespace {

using namespace widget_testing;

TEST(BarCodeProperties, DefaultsAfterConstruction) {
    TBarCode control;
    EXPECT_EQ(control.BarType(), bcCode39);
    EXPECT_EQ(control.BarCode(), "");
    EXPECT_EQ(control.Modul(), 1);
    EXPECT_EQ(control.Ratio(), 2.0);
    EXPECT_EQ(control.BarHeight(), 0);
    EXPECT_EQ(control.CheckSum(), csNone);
    EXPECT_EQ(control.ColorSpc(), 0xFFFFFF);
    EXPECT_EQ(control.ColorBar(), 0);
    EXPECT_EQ(control.TextColor(), 0xFFFFFF);
    EXPECT_EQ(control.Orientation(), toLeftRight);
    EXPECT_EQ(control.TextShow(), tsNone);
    EXPECT_EQ(control.TextPosition(), tpBottomCenter);
    EXPECT_FALSE(control.AutoWidth());
    EXPECT_EQ(control.HMargin(), 0);
    EXPECT_FALSE(control.OnChange());
    EXPECT_FALSE(control.OnInvalidChar());
}

TEST(BarCodeProperties, PanelDefaults) {
    TBarCode control;
    EXPECT_EQ(control.Width(), 185);
    EXPECT_EQ(control.Height(), 41);
    EXPECT_EQ(control.Alignment(), taCenter);
    EXPECT_EQ(control.BevelOuter(), bvRaised);
    EXPECT_EQ(control.BevelInner(), bvNone);
    EXPECT_EQ(control.BevelWidth(), 1);
    EXPECT_EQ(control.BorderWidth(), 0);
    EXPECT_EQ(control.BorderStyle(), bsNone);
    EXPECT_TRUE(control.Ctl3D());
    EXPECT_EQ(control.FontColor(), clBlack);
    const QColor face = control.palette().color(QPalette::Button);
    EXPECT_EQ(control.Color(), face.red() | face.green() << 8 | face.blue() << 16);
}

// Each writer with a value that differs from the default; all of them repaint and report.
struct Change {
    const char* Name;
    std::function<void(TBarCode&)> Apply;
};

const Change Changes[] = {
    {"BarType", [](TBarCode& c) { c.SetBarType(bcCode_2_5_interleaved); }},
    {"BarCode", [](TBarCode& c) { c.SetBarCode("1234"); }},
    {"BarHeight", [](TBarCode& c) { c.SetBarHeight(20); }},
    {"Modul", [](TBarCode& c) { c.SetModul(2); }},
    {"Ratio", [](TBarCode& c) { c.SetRatio(2.5); }},
    {"CheckSum", [](TBarCode& c) { c.SetCheckSum(csModulo10); }},
    {"ColorSpc", [](TBarCode& c) { c.SetColorSpc(0x123456); }},
    {"ColorBar", [](TBarCode& c) { c.SetColorBar(0x654321); }},
    {"Orientation", [](TBarCode& c) { c.SetOrientation(toRightLeft); }},
    {"TextShow", [](TBarCode& c) { c.SetTextShow(tsBarCode); }},
    {"TextPosition", [](TBarCode& c) { c.SetTextPosition(tpTopLeft); }},
    {"TextColor", [](TBarCode& c) { c.SetTextColor(0x00FF00); }},
    {"AutoWidth", [](TBarCode& c) { c.SetAutoWidth(true); }},
};

TEST(BarCodeProperties, ChangeFiresOnChangeAndSignalOnceEqualValueNothing) {
    for (const Change& change : Changes) {
        TBarCode control;
        control.SetBarType(bcCode_2_5_industrial); // a type that draws the empty value
        int fired = 0;
        TBarCode* sender = nullptr;
        control.SetOnChange([&](TBarCode& s) {
            ++fired;
            sender = &s;
        });
        QSignalSpy spy(&control, &TBarCode::Changed);
        change.Apply(control);
        EXPECT_EQ(fired, 1) << change.Name;
        EXPECT_EQ(sender, &control) << change.Name;
        EXPECT_EQ(spy.count(), 1) << change.Name;
        change.Apply(control);
        EXPECT_EQ(fired, 1) << change.Name << " written twice";
        EXPECT_EQ(spy.count(), 1) << change.Name << " written twice";
    }
}

TEST(BarCodeProperties, ModulRange) {
    TBarCode control;
    int fired = 0;
    control.SetOnChange([&](TBarCode&) { ++fired; });
    for (const int ignored : {0, -3, 50}) {
        control.SetModul(ignored);
        EXPECT_EQ(control.Modul(), 1) << ignored;
    }
    EXPECT_EQ(fired, 0);
    control.SetModul(49);
    EXPECT_EQ(control.Modul(), 49);
    EXPECT_EQ(fired, 1);
}

TEST(BarCodeProperties, FindingsSayWhatTheDrawnSymbolDoesntCarry) {
    TBarCode control;
    control.SetBarCode("QUILL");
    EXPECT_TRUE(control.Findings().empty());
    control.SetBarCode("Quill"); // drawn, lower case dropped
    ASSERT_EQ(control.Findings().size(), 4u);
    EXPECT_TRUE(control.Findings().front().starts_with("position 2: 'u' is not in Code39"));
}

TEST(BarCodeProperties, RatioStoredUnclampedNaNIgnored) {
    TBarCode control;
    int fired = 0;
    control.SetOnChange([&](TBarCode&) { ++fired; });
    control.SetRatio(1.0);
    EXPECT_EQ(control.Ratio(), 1.0); // Code 39 draws with 2.0 but keeps what was set
    control.SetRatio(std::numeric_limits<double>::quiet_NaN());
    EXPECT_EQ(control.Ratio(), 1.0);
    EXPECT_EQ(fired, 1);
}

TEST(BarCodeProperties, AboutIsFixed) {
    TBarCode control;
    const std::string about = control.About();
    EXPECT_NE(about.find("Quillmark"), std::string::npos);
    control.SetAbout("someone else");
    EXPECT_EQ(control.About(), about);
    control.setProperty("About", QStringLiteral("someone else"));
    EXPECT_EQ(control.property("About").toString().toStdString(), about);
}

TEST(BarCodeProperties, EnumerationsByIdentifier) {
    // Identifiers and ordinals of the symbology catalogue, typed in independently.
    const char* const types[] = {"bcCode_2_5_interleaved",
                                 "bcCode_2_5_industrial",
                                 "bcCode_2_5_matrix",
                                 "bcCode39",
                                 "bcCode39Extended",
                                 "bcCode128A",
                                 "bcCode128B",
                                 "bcCode128C",
                                 "bcCode93",
                                 "bcCode93Extended",
                                 "bcCodeMSI",
                                 "bcCodePostNet",
                                 "bcCodeCodabar",
                                 "bcCodeEAN8",
                                 "bcCodeEAN13",
                                 "bcCodeUPC_A",
                                 "bcCodeUPC_E0",
                                 "bcCodeUPC_E1",
                                 "bcCodeUPC_Supp2",
                                 "bcCodeUPC_Supp5",
                                 "bcCodeEAN128A",
                                 "bcCodeEAN128B",
                                 "bcCodeEAN128C",
                                 "bcCode128",
                                 "bcCodeGS1_128",
                                 "bcCodeQR",
                                 "bcCodeMicroQR",
                                 "bcCodeDataMatrix",
                                 "bcCodeGS1DataMatrix",
                                 "bcCodeGS1DigitalLinkQR",
                                 "bcCodeITF14",
                                 "bcCodeDataBar",
                                 "bcCodeDataBarTruncated",
                                 "bcCodeDataBarStacked",
                                 "bcCodeDataBarStackedOmni",
                                 "bcCodeDataBarLimited",
                                 "bcCodeDataBarExpanded",
                                 "bcCodeDataBarExpandedStacked",
                                 "bcCodeISBN",
                                 "bcCodeISMN",
                                 "bcCodeISSN"};
    const QMetaEnum meta = QMetaEnum::fromType<TBarCode::BarTypes>();
    ASSERT_EQ(meta.keyCount(), static_cast<int>(std::size(types)));
    TBarCode control;
    control.SetBarCode("1");
    for (int ordinal = 0; ordinal < meta.keyCount(); ++ordinal) {
        if (ordinal == bcCodeGS1_128)
            control.SetBarCode("(10)1"); // GS1-128 refuses "1"
        if (ordinal == bcCodeGS1DigitalLinkQR)
            control.SetBarCode("(01)09501101530003"); // a Digital Link needs a primary key
        if (ordinal >= bcCodeISBN) {
            // Each book number needs its own digits, typed under a type that takes any text.
            const char* const books[] = {"978-0-306-40615-7", "979-0-2600-0043-8", "0317-8471"};
            control.SetBarType(bcCode128B);
            control.SetBarCode(books[ordinal - bcCodeISBN]);
        }
        EXPECT_EQ(meta.keyToValue(types[ordinal]), ordinal) << types[ordinal];
        ASSERT_TRUE(control.setProperty("BarType", QString::fromLatin1(types[ordinal])));
        EXPECT_EQ(control.BarType(), static_cast<TBarType>(ordinal)) << types[ordinal];
    }
    const char* const orientations[] = {"toLeftRight", "toRightLeft", "toTopBottom", "toBottomTop"};
    for (int ordinal = 0; ordinal < 4; ++ordinal) {
        control.setProperty("Orientation", QString::fromLatin1(orientations[ordinal]));
        EXPECT_EQ(control.Orientation(), static_cast<TOrientation>(ordinal));
    }
    const char* const positions[] = {"tpTopLeft",    "tpTopRight",    "tpTopCenter",
                                     "tpBottomLeft", "tpBottomRight", "tpBottomCenter"};
    for (int ordinal = 0; ordinal < 6; ++ordinal) {
        control.setProperty("TextPosition", QString::fromLatin1(positions[ordinal]));
        EXPECT_EQ(control.TextPosition(), static_cast<TTextPosition>(ordinal));
    }
    const char* const shows[] = {"tsNone", "tsBarCode", "tsBarType", "tsBoth"};
    for (int ordinal = 0; ordinal < 4; ++ordinal) {
        control.setProperty("TextShow", QString::fromLatin1(shows[ordinal]));
        EXPECT_EQ(control.TextShow(), static_cast<TTextShow>(ordinal));
    }
    for (const TTextLayout layout : {tlStandard, tlOverBars}) {
        control.setProperty(
            "TextLayout", QString::fromLatin1(layout == tlStandard ? "tlStandard" : "tlOverBars"));
        EXPECT_EQ(control.TextLayout(), layout);
    }
    control.setProperty("CheckSum", QStringLiteral("csModulo10"));
    EXPECT_EQ(control.CheckSum(), csModulo10);
    control.setProperty("Alignment", QStringLiteral("taRightJustify"));
    EXPECT_EQ(control.Alignment(), taRightJustify);
    control.setProperty("BevelInner", QStringLiteral("bvLowered"));
    EXPECT_EQ(control.BevelInner(), bvLowered);
    control.setProperty("BorderStyle", QStringLiteral("bsSingle"));
    EXPECT_EQ(control.BorderStyle(), bsSingle);
}

TEST(BarCodeProperties, ScalarPropertiesByName) {
    TBarCode control;
    control.setProperty("BarCode", QStringLiteral("Quill\u00e9"));
    EXPECT_EQ(control.BarCode(), std::string("Quill\xe9")); // Latin-1 bytes
    EXPECT_EQ(control.property("BarCode").toString(), QStringLiteral("Quill\u00e9"));
    control.setProperty("Modul", 3);
    control.setProperty("Ratio", 2.5);
    control.setProperty("ColorBar", 0x102030);
    control.setProperty("AutoWidth", true);
    control.setProperty("HMargin", 7);
    control.setProperty("BarHeight", 10);
    EXPECT_EQ(control.Modul(), 3);
    EXPECT_EQ(control.Ratio(), 2.5);
    EXPECT_EQ(control.ColorBar(), 0x102030);
    EXPECT_TRUE(control.AutoWidth());
    EXPECT_EQ(control.HMargin(), 7);
    EXPECT_EQ(control.BarHeight(), 10);
    EXPECT_EQ(control.property("Modul").toInt(), 3);
}

TEST(BarCodeProperties, WriterErrorsLeaveSetPropertyToTheReporter) {
    TBarCode control;
    control.SetBarType(bcCodeEAN13);
    std::vector<std::string> reports;
    SetErrorReporter([&](const std::exception& error) { reports.push_back(error.what()); });
    EXPECT_NO_THROW(control.setProperty("BarCode", QStringLiteral("12A4")));
    SetErrorReporter({});
    EXPECT_EQ(reports, std::vector<std::string>{"12A4: Barcode must be numeric."});
    EXPECT_EQ(control.BarCode(), "");
}

TEST(BarCodeProperties, AssignCopiesExactlyTheListedFields) {
    TBarCode source;
    source.SetBarType(bcCode_2_5_interleaved);
    source.SetBarCode("1234");
    source.SetOrientation(toBottomTop);
    source.SetModul(3);
    source.SetRatio(2.5);
    source.SetColorSpc(0x111111);
    source.SetColorBar(0x222222);
    source.SetTextColor(0x333333);
    source.SetCheckSum(csModulo10);
    source.SetTextShow(tsBoth);
    source.SetTextPosition(tpTopRight);
    source.SetHMargin(9);
    source.SetBarHeight(20);
    source.SetAutoWidth(true);
    int sourceChanges = 0;
    source.SetOnChange([&](TBarCode&) { ++sourceChanges; });
    bool sourceInvalid = false;
    source.SetOnInvalidChar([&](TBarCode&, std::string&) { sourceInvalid = true; });
    source.SetColor(0x445566);
    source.SetAlignment(taRightJustify);

    TBarCode target;
    int targetChanges = 0;
    bool targetInvalid = false;
    target.SetOnInvalidChar([&](TBarCode&, std::string&) { targetInvalid = true; });
    target.SetOnChange([&](TBarCode&) { ++targetChanges; });
    const int width = target.Width();
    target.Assign(&source);

    EXPECT_EQ(target.BarType(), bcCode_2_5_interleaved);
    EXPECT_EQ(target.BarCode(), "1234");
    EXPECT_EQ(target.Orientation(), toBottomTop);
    EXPECT_EQ(target.Modul(), 3);
    EXPECT_EQ(target.Ratio(), 2.5);
    EXPECT_EQ(target.ColorSpc(), 0x111111);
    EXPECT_EQ(target.ColorBar(), 0x222222);
    EXPECT_EQ(target.TextColor(), 0x333333);
    EXPECT_EQ(target.CheckSum(), csModulo10);
    EXPECT_EQ(target.TextShow(), tsBoth);
    EXPECT_EQ(target.TextPosition(), tpTopRight);
    EXPECT_EQ(target.HMargin(), 9);
    EXPECT_EQ(target.BarHeight(), 20);
    // Not copied: AutoWidth, OnInvalidChar, the panel's own properties.
    EXPECT_FALSE(target.AutoWidth());
    EXPECT_NE(target.Color(), 0x445566);
    EXPECT_EQ(target.Alignment(), taCenter);
    EXPECT_EQ(target.Width(), width);
    // No repaint, so no OnChange; the copied OnChange is the source's handler.
    EXPECT_EQ(targetChanges, 0);
    target.SetModul(4);
    EXPECT_EQ(targetChanges, 0);
    EXPECT_EQ(sourceChanges, 1);
    // OnInvalidChar stays the target's own: the source's is not called.
    EXPECT_THROW(target.SetBarCode("12A"), Exception);
    EXPECT_TRUE(targetInvalid);
    EXPECT_FALSE(sourceInvalid);
}

TEST(BarCodeProperties, AssignFromAnythingElseIsIgnored) {
    TBarCode target;
    QObject other;
    TCustomPanel panel;
    target.Assign(&other);
    target.Assign(&panel);
    target.Assign(nullptr);
    EXPECT_EQ(target.BarType(), bcCode39);
    EXPECT_EQ(target.Modul(), 1);
}

} // namespace
} // namespace quillmark
