// Hostile callers: handlers that recurse, clear themselves or delete the widget, failures
// that are not the value's fault, and values outside an enumeration.
#include "barcode.h"
#include "error_reporter.h"

#include <QPointer>

#include <gtest/gtest.h>

#include <memory>
#include <new>
#include <string>
#include <tuple>
#include <vector>

namespace quillmark {
namespace {

struct Reports {
    Reports() {
        SetErrorReporter([this](const std::exception& e) { Texts.push_back(e.what()); });
    }
    ~Reports() { SetErrorReporter({}); }
    std::vector<std::string> Texts;
};

TEST(BarCodeHostile, HandlersThatAlwaysWriteEndAtTheBound) {
    TBarCode control;
    control.SetBarType(bcCodeCodabar);
    int calls = 0;
    control.SetOnChange([&](TBarCode& s) { ++calls, s.SetAutoWidth(!s.AutoWidth()); });
    EXPECT_THROW(control.SetModul(2), ELimitError);
    EXPECT_EQ(calls, MaxHandlerDepth);
    control.SetOnChange(nullptr);
    control.SetOnInvalidChar([](TBarCode& s, std::string& v) { s.SetBarCode(v + "x"); });
    EXPECT_THROW(control.SetBarCode("bad"), ELimitError); // not "must be numeric"
    control.SetOnInvalidChar(nullptr);
    QObject::connect(&control, &TBarCode::Changed,
                     [&] { control.SetModul(control.Modul() % 9 + 1); });
    EXPECT_THROW(control.SetBarCode("A1B"), ELimitError);
}

TEST(BarCodeHostile, HandlersMayClearThemselvesOrDeleteTheWidget) {
    struct Case {
        TBarType Type;
        void (*Trigger)(TBarCode&);
    };
    const Case cases[] = {{bcCode39, [](TBarCode& c) { c.SetModul(2); }}, // OnChange
                          {bcCodeEAN13, [](TBarCode& c) { c.SetBarCode("1A"); }},
                          {bcCodeCodabar, [](TBarCode& c) { c.SetBarCode("bad"); }},
                          {bcCodeCodabar, [](TBarCode& c) { c.SetBarType(bcCodeMSI); }}};
    for (const Case& c : cases) {
        for (const bool deletes : {false, true}) {
            auto control = std::make_unique<TBarCode>();
            control->SetBarType(c.Type);
            control->SetBarCode(c.Type == bcCodeCodabar ? "A1B" : "1");
            std::weak_ptr<int> watch;
            int freedWhileRunning = 0;
            {
                auto captured = std::make_shared<int>(0); // lives as long as the handlers
                watch = captured;
                const auto handler = [&, captured](TBarCode& s) {
                    if (deletes)
                        return delete control.release();
                    s.SetOnChange(nullptr), s.SetOnInvalidChar(nullptr);
                    freedWhileRunning += watch.expired();
                };
                control->SetOnChange(handler);
                control->SetOnInvalidChar([handler](TBarCode& s, std::string&) { handler(s); });
            }
            QPointer<TBarCode> alive(control.get());
            try {
                c.Trigger(*alive);
            } catch (const Exception&) {
            }
            EXPECT_EQ(alive.isNull(), deletes) << int(c.Type); // ASan watches for use after free
            EXPECT_EQ(freedWhileRunning, 0) << int(c.Type);
            EXPECT_TRUE(watch.expired()) << int(c.Type);
        }
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
    EXPECT_EQ(reports.Texts, std::vector<std::string>{"std::bad_alloc"});
    EXPECT_EQ(control.Modul(), 1);
}

TEST(BarCodeHostile, QtWritesReportAndKeepTheOldValue) {
    const std::vector<std::tuple<const char*, QVariant, const char*, TBarType>> cases = {
        {"BarCode", "bad", "bad: Barcode must be numeric.", bcCodeCodabar},
        {"Ratio", -1.0, "Modul 1 x Ratio -1 : Element width out of range.", bcCode128B},
        {"BarType", 99, "Wrong barcode type.", bcCode128B},
        {"CheckSum", 5, "5 : Wrong check sum mode.", bcCode128B},
        {"Orientation", 7, "7 : Wrong orientation.", bcCode128B},
        {"TextShow", 9, "9 : Wrong text mode.", bcCode128B},
        {"TextPosition", 9, "9 : Wrong text position.", bcCode128B},
        {"Alignment", 9, "9 : Wrong alignment.", bcCode128B},
        {"BevelOuter", 9, "9 : Wrong bevel.", bcCode128B},
        {"BorderStyle", 9, "9 : Wrong border style.", bcCode128B}};
    for (const auto& [property, value, report, type] : cases) {
        TBarCode control;
        control.SetBarType(type);
        control.SetBarCode("A1B");
        const QVariant before = control.property(property);
        Reports reports;
        EXPECT_NO_THROW(control.setProperty(property, value));
        EXPECT_EQ(control.property(property), before) << property;
        control.grab(); // draws as before, with nothing more to report
        EXPECT_EQ(reports.Texts, std::vector<std::string>{report}) << property;
    }
}

TEST(BarCodeHostile, CppWritersRefuseValuesOutsideTheEnumeration) {
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

} // namespace
} // namespace quillmark
