// Seeded random sequences of property writes, hostile values included, through the C++
// writers and Qt's property system, on a shown widget.
#include "barcode.h"
#include "barcode_test_helpers.h"
#include "error_reporter.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace quillmark {
namespace {

using namespace widget_testing;

struct Write {
    const char* Name;
    std::vector<QVariant> Values;
    std::function<void(TBarCode&, const QVariant&)> Cpp;
};

const std::vector<Write>& Writes() {
    static const std::vector<Write> writes = {
        {"BarType",
         {0, 6, 11, 14, 23, 99},
         [](auto& c, auto& v) { c.SetBarType(TBarType(v.toInt())); }},
        {"BarCode",
         {QString(), "123", "A1B", "abc", QString(2000, 'A'), QString::fromLatin1("1\0A", 3)},
         [](auto& c, auto& v) { c.SetBarCode(v.toString().toLatin1().toStdString()); }},
        {"Modul", {-3, 1, 2, 49, 50}, [](auto& c, auto& v) { c.SetModul(v.toInt()); }},
        {"Ratio",
         {-1.0, 2.0, 21399.0, std::numeric_limits<double>::quiet_NaN(),
          std::numeric_limits<double>::infinity()},
         [](auto& c, auto& v) { c.SetRatio(v.toDouble()); }},
        {"BarHeight", {-1, 0, 5, 1 << 30}, [](auto& c, auto& v) { c.SetBarHeight(v.toInt()); }},
        {"CheckSum", {0, 1, 5}, [](auto& c, auto& v) { c.SetCheckSum(TCheckSum(v.toInt())); }},
        {"Orientation",
         {0, 1, 2, 3, 7},
         [](auto& c, auto& v) { c.SetOrientation(TOrientation(v.toInt())); }},
        {"TextShow", {0, 3, 9}, [](auto& c, auto& v) { c.SetTextShow(TTextShow(v.toInt())); }},
        {"TextPosition",
         {0, 4, 9},
         [](auto& c, auto& v) { c.SetTextPosition(TTextPosition(v.toInt())); }},
        {"AutoWidth", {true, false}, [](auto& c, auto& v) { c.SetAutoWidth(v.toBool()); }},
        {"HMargin", {0, -1000000000, INT_MAX}, [](auto& c, auto& v) { c.SetHMargin(v.toInt()); }},
        {"BorderWidth",
         {0, QWIDGETSIZE_MAX},
         [](auto& c, auto& v) { c.SetBorderWidth(v.toInt()); }},
        {"Alignment", {0, 1, 9}, [](auto& c, auto& v) { c.SetAlignment(TAlignment(v.toInt())); }},
        {"BorderStyle",
         {0, 1, 9},
         [](auto& c, auto& v) { c.SetBorderStyle(TBorderStyle(v.toInt())); }},
        {"geometry",
         {QRect(0, 0, 1, 1), QRect(0, 0, 337, 89), QRect(-20000, -9000, 30000, 30000)},
         [](auto& c, auto& v) { c.setGeometry(v.toRect()); }},
    };
    return writes;
}

// Brings any widget back to one drawable state, one writer at a time: a writer may still
// fail while the others are hostile, but the last must succeed.
void Recover(TBarCode& c) {
    const std::function<void()> steps[] = {
        [&] { c.SetAutoWidth(false); },
        [&] { c.setGeometry(0, 0, 200, 60); },
        [&] { c.SetBorderWidth(0); },
        [&] { c.SetBorderStyle(bsNone); },
        [&] { c.SetAlignment(taLeftJustify); },
        [&] { c.SetOrientation(toLeftRight); },
        [&] { c.SetModul(1); },
        [&] { c.SetRatio(2.0); },
        [&] { c.SetBarHeight(0); },
        [&] { c.SetCheckSum(csNone); },
        [&] { c.SetTextShow(tsNone); },
        [&] { c.SetBarType(bcCode128B); },
        [&] { c.SetBarCode("QM"); },
    };
    for (const auto& step : steps)
        try {
            step();
        } catch (const Exception&) {
        }
    c.Repaint();
}

TEST(BarCodeRandom, WritesEitherSucceedOrRaiseAndNeverLeaveTheWidgetStuck) {
    TBarCode reference;
    Recover(reference);
    const QImage expected = Grab(reference);
    int reportsOfOtherTypes = 0;
    SetErrorReporter([&](const std::exception& e) {
        reportsOfOtherTypes += dynamic_cast<const Exception*>(&e) == nullptr;
    });
    std::mt19937 random(20261208);
    const auto pick = [&](std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random);
    };
    for (int round = 0; round < 50; ++round) {
        struct Step {
            std::size_t Write, Value;
            bool ThroughQt;
        };
        std::vector<Step> steps(10);
        for (Step& s : steps) {
            s.Write = pick(Writes().size());
            s.Value = pick(Writes()[s.Write].Values.size());
            s.ThroughQt = pick(2) == 1;
        }
        // After each step: replay the sequence up to it on a fresh shown widget, then recover.
        for (std::size_t k = 1; k <= steps.size(); ++k) {
            QWidget window;
            window.resize(300, 100);
            auto* control = new TBarCode(&window);
            window.show();
            for (std::size_t i = 0; i < k; ++i) {
                const Write& w = Writes()[steps[i].Write];
                const QVariant& value = w.Values[steps[i].Value];
                try {
                    if (steps[i].ThroughQt)
                        EXPECT_TRUE(control->setProperty(w.Name, value)) << w.Name;
                    else
                        w.Cpp(*control, value);
                } catch (const Exception&) {
                    EXPECT_FALSE(steps[i].ThroughQt) << w.Name << " threw through Qt";
                }
                QApplication::processEvents();
            }
            EXPECT_NO_THROW(Recover(*control)) << "round " << round << ", step " << k;
            EXPECT_EQ(Grab(*control), expected) << "round " << round << ", step " << k;
        }
    }
    SetErrorReporter({});
    EXPECT_EQ(reportsOfOtherTypes, 0);
}

} // namespace
} // namespace quillmark
