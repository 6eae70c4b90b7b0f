// Hostile callers: handlers that recurse, replace, clear or delete themselves or the widget,
// failures that are not the value's fault, Qt property writes and enumeration values out of
// range.
#include "barcode.h"
#include "error_reporter.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <new>
#include <string>
#include <vector>

namespace quillmark {
namespace {

// The reports that reach the error reporter while it lives.
struct Reports {
    Reports() {
        SetErrorReporter([this](const std::exception& e) { texts.push_back(e.what()); });
    }
    ~Reports() { SetErrorReporter({}); }
    std::vector<std::string> texts;
};

TEST(BarCodeHostile, HandlersThatAlwaysChangeAPropertyEndAtTheBound) {
    TBarCode control;
    control.SetBarType(bcCodeCodabar);
    int calls = 0;
    control.SetOnChange([&](TBarCode& s) { ++calls, s.SetAutoWidth(!s.AutoWidth()); });
    EXPECT_THROW(control.SetModul(2), ELimitError);
    EXPECT_EQ(calls, MaxHandlerDepth);
    control.SetOnChange(nullptr);
    // A value handler that writes another refused value, and a Changed slot that writes.
    control.SetOnInvalidChar([](TBarCode& s, std::string& v) { s.SetBarCode(v + "x"); });
    EXPECT_THROW(control.SetBarCode("bad"), ELimitError);
    control.SetOnInvalidChar(nullptr);
    QObject::connect(&control, &TBarCode::Changed,
                     [&] { control.SetModul(control.Modul() % 9 + 1); });
    EXPECT_THROW(control.SetBarCode("A1B"), ELimitError);
}

// Sets its flag when the handler holding it is destroyed.
struct Sentinel {
    bool* destroyed;
    ~Sentinel() { *destroyed = true; }
};

TEST(BarCodeHostile, HandlersMayClearOrDeleteThemselvesAndTheWidget) {
    // Each case sets a handler through Install and triggers it with Trigger.
    struct Case {
        const char* Name;
        TBarType Type;
        std::function<void(TBarCode&, std::function<void(TBarCode&)>)> Install;
        std::function<void(TBarCode&)> Trigger;
    };
    const auto onChange = [](TBarCode& c, std::function<void(TBarCode&)> f) { c.SetOnChange(f); };
    const auto onInvalid = [](TBarCode& c, std::function<void(TBarCode&)> f) {
        c.SetOnInvalidChar([f](TBarCode& s, std::string&) { f(s); });
    };
    const Case cases[] = {
        {"OnChange", bcCode39, onChange, [](TBarCode& c) { c.SetModul(2); }},
        {"digits-only value", bcCodeEAN13, onInvalid, [](TBarCode& c) { c.SetBarCode("1A"); }},
        {"free value", bcCodeCodabar, onInvalid, [](TBarCode& c) { c.SetBarCode("bad"); }},
        {"BarType", bcCodeCodabar, onInvalid, [](TBarCode& c) { c.SetBarType(bcCodeMSI); }},
    };
    for (const Case& c : cases) {
        const auto make = [&] {
            auto control = std::make_unique<TBarCode>();
            control->SetBarType(c.Type);
            control->SetBarCode(c.Type == bcCodeCodabar ? "A1B" : "1");
            return control;
        };
        bool destroyed = false;
        bool destroyedWhileRunning = false;
        auto control = make();
        auto sentinel = std::make_shared<Sentinel>(&destroyed);
        c.Install(*control, [&, sentinel](TBarCode& s) {
            s.SetOnChange(nullptr), s.SetOnInvalidChar(nullptr);
            destroyedWhileRunning = destroyed;
        });
        sentinel.reset();
        try {
            c.Trigger(*control);
        } catch (const Exception&) {
        }
        EXPECT_FALSE(destroyedWhileRunning) << c.Name;
        EXPECT_TRUE(destroyed) << c.Name;
        // Deleted by its own handler: the writer ends without touching it (ASan watches).
        control = make();
        QPointer<TBarCode> alive(control.get());
        c.Install(*control.release(), [](TBarCode& s) { delete &s; });
        EXPECT_NO_THROW(c.Trigger(*alive)) << c.Name;
        EXPECT_TRUE(alive.isNull()) << c.Name;
    }
}

TEST(BarCodeHostile, FailuresThatAreNotTheValuesLeaveAsThemselves) {
    TBarCode control;
    control.SetBarType(bcCodeCodabar);
    control.SetBarCode("A1B");
    control.SetOnChange([](TBarCode&) { throw std::bad_alloc(); });
    control.SetOnInvalidChar([](TBarCode&, std::string& v) { v = "A1B"; });
    EXPECT_THROW(control.SetBarCode("A2B"), std::bad_alloc);
    EXPECT_THROW(control.SetBarType(bcCode39), std::bad_alloc);
    Reports reports;
    EXPECT_TRUE(control.setProperty("Modul", 3));
    EXPECT_EQ(reports.texts, std::vector<std::string>{"std::bad_alloc"});
    EXPECT_EQ(control.Modul(), 1);
}

TEST(BarCodeHostile, QtPropertyWritesReportAndKeepTheOldValue) {
    struct Case {
        const char* Property;
        QVariant Value;
        const char* Report;
        TBarType Type = bcCode128B;
    };
    const Case cases[] = {
        {"Ratio", -1.0, "Modul 1 x Ratio -1 : Element width out of range."},
        {"BarCode", QStringLiteral("bad"), "bad: Barcode must be numeric.", bcCodeEAN13},
        {"BarType", 99, "Wrong barcode type."},
        {"CheckSum", 5, "5 : Wrong check sum mode."},
        {"Orientation", 7, "7 : Wrong orientation."},
        {"TextShow", 9, "9 : Wrong text mode."},
        {"TextPosition", 9, "9 : Wrong text position."},
        {"Alignment", 9, "9 : Wrong alignment."},
        {"BevelOuter", 9, "9 : Wrong bevel."},
        {"BorderStyle", 9, "9 : Wrong border style."},
    };
    for (const Case& c : cases) {
        TBarCode control;
        control.SetBarType(c.Type);
        control.SetBarCode("1");
        const QVariant before = control.property(c.Property);
        Reports reports;
        EXPECT_NO_THROW(control.setProperty(c.Property, c.Value)) << c.Property;
        EXPECT_EQ(control.property(c.Property), before) << c.Property;
        control.grab(); // draws again, with nothing more to report
        EXPECT_EQ(reports.texts, std::vector<std::string>{c.Report}) << c.Property;
    }
}

TEST(BarCodeHostile, CppEnumerationWritersRefuseValuesOutsideTheirEnumeration) {
    TBarCode control;
    EXPECT_THROW(control.SetBarType(static_cast<TBarType>(BarTypeCount)), Exception);
    EXPECT_THROW(control.SetCheckSum(static_cast<TCheckSum>(2)), Exception);
    EXPECT_THROW(control.SetOrientation(static_cast<TOrientation>(4)), Exception);
    EXPECT_THROW(control.SetTextShow(static_cast<TTextShow>(4)), Exception);
    EXPECT_THROW(control.SetTextPosition(static_cast<TTextPosition>(6)), Exception);
    EXPECT_THROW(control.SetBevelInner(static_cast<TBevelCut>(4)), Exception);
    EXPECT_EQ(control.Settings(), TBarcodeSettings());
    EXPECT_EQ(control.BevelInner(), bvNone);
}

TEST(BarCodeHostile, RefusedValueIsQuotedWholeWithItsNulBytes) {
    TBarCode control;
    control.SetBarType(bcCodeEAN13);
    const std::string value("1\0A", 3);
    try {
        control.SetBarCode(value);
        FAIL() << "no error";
    } catch (const Exception& error) {
        EXPECT_EQ(error.Message(), value + ": Barcode must be numeric.");
    }
}

} // namespace
} // namespace quillmark
