// Seeded random sequences of property writes, hostile values included, through the C++
// writers and Qt's property system, on a shown widget.
#include "barcode_test_helpers.h"
#include <quillmark/barcode.h>
#include <quillmark/error_reporter.h>

#include <QApplication>

#include <gtest/gtest.h>

#include <climits>
#include <limits>
#include <random>
#include <string>
#include <utility>
#include <vector>

namespace quillmark {
namespace {

using namespace widget_testing;

using CppWrite = void (*)(TBarCode&, const QVariant&);
struct Write {
    const char* Name;
    std::vector<QVariant> Values;
    CppWrite Cpp;
};
const double NaN = std::numeric_limits<double>::quiet_NaN();
const double Inf = std::numeric_limits<double>::infinity();
const std::vector<Write> Writes = {
    {"BarType", {0, 6, 11, 14, 99}, [](auto& c, auto& v) { c.SetBarType(TBarType(v.toInt())); }},
    {"BarCode",
     {"", "123", "A1B", "abc", QString(2000, 'A'), QString::fromLatin1("1\0A", 3)},
     [](auto& c, auto& v) { c.SetBarCode(v.toString().toLatin1().toStdString()); }},
    {"Modul", {-3, 1, 2, 49}, [](auto& c, auto& v) { c.SetModul(v.toInt()); }},
    {"Ratio", {-1.0, 2.0, 21399.0, NaN, Inf}, [](auto& c, auto& v) { c.SetRatio(v.toDouble()); }},
    {"BarHeight", {-1, 5, 1 << 30}, [](auto& c, auto& v) { c.SetBarHeight(v.toInt()); }},
    {"CheckSum", {1, 5}, [](auto& c, auto& v) { c.SetCheckSum(TCheckSum(v.toInt())); }},
    {"Orientation",
     {0, 2, 3, 7},
     [](auto& c, auto& v) { c.SetOrientation(TOrientation(v.toInt())); }},
    {"TextShow", {0, 3, 9}, [](auto& c, auto& v) { c.SetTextShow(TTextShow(v.toInt())); }},
    {"TextPosition", {4, 9}, [](auto& c, auto& v) { c.SetTextPosition(TTextPosition(v.toInt())); }},
    {"AutoWidth", {true, false}, [](auto& c, auto& v) { c.SetAutoWidth(v.toBool()); }},
    {"HMargin", {-1000000000, INT_MAX}, [](auto& c, auto& v) { c.SetHMargin(v.toInt()); }},
    {"BorderWidth", {0, QWIDGETSIZE_MAX}, [](auto& c, auto& v) { c.SetBorderWidth(v.toInt()); }},
    {"Alignment", {1, 9}, [](auto& c, auto& v) { c.SetAlignment(TAlignment(v.toInt())); }},
    {"geometry",
     {QRect(0, 0, 1, 1), QRect(-20000, -9000, 30000, 30000)},
     [](auto& c, auto& v) { c.setGeometry(v.toRect()); }},
};

// One drawable state, reached one C++ writer at a time: a writer may still fail while later
// settings are hostile, the paint at the end must not.
const std::pair<const char*, QVariant> Drawable[] = {
    {"AutoWidth", false}, {"geometry", QRect(0, 0, 200, 60)},
    {"BorderWidth", 0},   {"Alignment", 0},
    {"Modul", 1},         {"Orientation", 0},
    {"Ratio", 2.0},       {"BarHeight", 0},
    {"TextShow", 0},      {"CheckSum", 0},
    {"BarType", 6},       {"BarCode", "QM"}};

void Recover(TBarCode& Control) {
    for (const auto& [name, value] : Drawable)
        for (const Write& w : Writes)
            try {
                if (std::string(w.Name) == name)
                    w.Cpp(Control, value);
            } catch (const Exception&) {
            }
    Control.Repaint();
}

TEST(BarCodeRandom, WritesSucceedOrRaiseAndNeverLeaveTheWidgetStuck) {
    TBarCode reference;
    Recover(reference);
    const QImage expected = Grab(reference);
    int foreignReports = 0; // anything the reporter gets must be a quillmark::Exception
    SetErrorReporter([&](const std::exception& e) {
        foreignReports += dynamic_cast<const Exception*>(&e) == nullptr;
    });
    std::mt19937 random(20261208);
    const auto pick = [&](std::size_t n) { return random() % n; };
    for (int round = 0; round < 50; ++round) {
        std::vector<std::size_t> steps(10); // write index * 8 + value index, times 2 via Qt
        for (std::size_t& step : steps) {
            const std::size_t write = pick(Writes.size());
            step = (write * 8 + pick(Writes[write].Values.size())) * 2 + pick(2);
        }
        // After each step: the steps so far replayed on a fresh shown widget, then recovery.
        for (std::size_t k = 1; k <= steps.size(); ++k) {
            QWidget window;
            window.resize(300, 100);
            auto* control = new TBarCode(&window);
            window.show();
            for (std::size_t i = 0; i < k; ++i) {
                const Write& w = Writes[steps[i] / 16];
                const QVariant& value = w.Values[steps[i] / 2 % 8];
                try {
                    if (steps[i] % 2 == 1)
                        EXPECT_TRUE(control->setProperty(w.Name, value)) << w.Name;
                    else
                        w.Cpp(*control, value); // may raise quillmark::Exception only
                } catch (const Exception&) {
                    EXPECT_EQ(steps[i] % 2, 0u) << w.Name << " raised through Qt";
                }
                QApplication::processEvents();
            }
            EXPECT_NO_THROW(Recover(*control)) << "round " << round << ", step " << k;
            EXPECT_EQ(Grab(*control), expected) << "round " << round << ", step " << k;
        }
    }
    SetErrorReporter({});
    EXPECT_EQ(foreignReports, 0);
}

} // namespace
} // namespace quillmark
