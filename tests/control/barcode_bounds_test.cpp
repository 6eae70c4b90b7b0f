// What the widget refuses where it is written: a value too long to draw, before all of it
// is encoded; a modul, bar height or ratio that Qt's property system writes out of range;
// a ratio that no modul draws with. And a window of its own larger than the screen.
#include "barcode_test_helpers.h"
#include <quillmark/barcode.h>
#include <quillmark/drawing_bounds.h>
#include <quillmark/error_messages.h>
#include <quillmark/error_reporter.h>

#include <QApplication>
#include <QScreen>

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace quillmark {
namespace {

using namespace widget_testing;

// Collects what the error reporter is given while it lives.
class Reports {
public:
    Reports() {
        SetErrorReporter([this](const std::exception& e) { Said.push_back(e.what()); });
    }
    ~Reports() { SetErrorReporter({}); }
    std::vector<std::string> Said;
};

struct LongValue {
    TBarType Type;
    char Fill;
    std::size_t Length;
};

const LongValue LongValues[] = {{bcCode128B, 'A', 4u << 20},
                                {bcCode128, '7', 3u << 20},
                                {bcCode39, 'Q', 4u << 20},
                                {bcCode_2_5_interleaved, '4', 4u << 20},
                                {bcCodeMSI, '1', PrefixCharacters + 1},
                                {bcCodePostNet, '9', 5u << 20}};

// A child widget, even one pixel square, refuses a value of megabytes by its start: the
// C++ writer with ELimitError, Qt's path with a report; the old value stays and the
// message quotes the value by its start and length.
TEST(BarCodeBounds, ValueTooLongToDrawIsRefusedAndTheOldOneKept) {
    for (const LongValue& c : LongValues) {
        QWidget window;
        TBarCode control(&window);
        control.setGeometry(0, 0, 1, 1);
        window.show();
        control.SetBarType(c.Type);
        control.SetBarCode("1234");
        const std::string value(c.Length, c.Fill);
        const std::string said = Shortened(value) + " : " + TooLongMessage;
        try {
            control.SetBarCode(value);
            ADD_FAILURE() << int(c.Type) << " took the value";
        } catch (const ELimitError& e) {
            EXPECT_EQ(e.Message(), said);
        }
        EXPECT_EQ(control.BarCode(), "1234") << int(c.Type);
        Reports reports;
        control.setProperty("BarCode", QString::fromLatin1(value.data(), qsizetype(value.size())));
        EXPECT_EQ(reports.Said, std::vector<std::string>{said}) << int(c.Type);
        EXPECT_EQ(control.BarCode(), "1234") << int(c.Type);
    }
}

// A handler that writes a long value and then changes a property ends at its first write,
// instead of nesting 32 deep with the value encoded whole at every level.
TEST(BarCodeBounds, HandlersWritingALongValueEndAtTheFirstWrite) {
    TBarCode control;
    control.SetBarCode("QUILL");
    int calls = 0;
    const std::string value(4u << 20, 'A');
    control.SetOnChange([&](TBarCode& Sender) {
        ++calls;
        Sender.SetBarCode(value);
        Sender.SetModul(Sender.Modul() % 9 + 1);
    });
    EXPECT_THROW(control.SetModul(2), ELimitError);
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(control.BarCode(), "QUILL");
}

// Qt's property system reports what the C++ writers take quietly (a modul or bar height out
// of range, a NaN ratio), and the old value stays.
TEST(BarCodeBounds, QtWritesReportValuesOutOfRange) {
    const double NaN = std::numeric_limits<double>::quiet_NaN();
    const struct {
        const char* Property;
        QVariant Value;
        std::string Said;
    } cases[] = {
        {"Modul", 0, "Modul 0 : Out of range (1 to 49)."},
        {"Modul", -1, "Modul -1 : Out of range (1 to 49)."},
        {"Modul", 50, "Modul 50 : Out of range (1 to 49)."},
        {"Modul", INT_MAX, "Modul 2147483647 : Out of range (1 to 49)."},
        {"BarHeight", -5, "BarHeight -5 : Out of range (0 to 88)."},
        {"BarHeight", 89, "BarHeight 89 : Out of range (0 to 88)."},
        {"BarHeight", INT_MAX, "BarHeight 2147483647 : Out of range (0 to 88)."},
        {"Ratio", NaN, "Ratio nan : Not a number."},
    };
    for (const auto& c : cases) {
        TBarCode control;
        control.setGeometry(0, 0, 337, 89);
        control.SetBevelOuter(bvNone);
        control.SetBarHeight(20);
        control.SetModul(3);
        const TBarcodeSettings before = control.Settings();
        Reports reports;
        EXPECT_TRUE(control.setProperty(c.Property, c.Value));
        EXPECT_EQ(reports.Said, std::vector<std::string>{c.Said}) << c.Property;
        EXPECT_EQ(control.Settings(), before) << c.Property;
    }
    // In range, nothing is said.
    TBarCode control;
    control.setGeometry(0, 0, 337, 89);
    Reports reports;
    control.setProperty("Modul", 49);
    control.setProperty("BarHeight", 0);
    control.setProperty("Ratio", 3.0);
    EXPECT_TRUE(reports.Said.empty());
    EXPECT_EQ(control.Modul(), 49);
}

// A ratio that no modul draws with is refused where it is written, under every type, even
// one that clamps it: stored, it made the next type change fail and keep the new type, and
// every write after that report the ratio.
TEST(BarCodeBounds, RatioThatNeverDrawsIsRefusedWhereWritten) {
    const double Inf = std::numeric_limits<double>::infinity();
    for (const TBarType type : {bcCode_2_5_interleaved, bcCode39, bcCode128B})
        for (const double ratio : {-1.0, 0.0, -0.0, Inf, -Inf}) {
            TBarCode control;
            control.SetBarType(type);
            control.SetBarCode("1234");
            control.SetRatio(2.5);
            EXPECT_THROW(control.SetRatio(ratio), Exception) << int(type) << " " << ratio;
            EXPECT_EQ(control.Ratio(), 2.5);
            EXPECT_NO_THROW(control.SetBarType(bcCode128B));
            Reports reports;
            control.setProperty("Modul", 2);
            EXPECT_TRUE(reports.Said.empty()) << int(type) << " " << ratio;
            EXPECT_EQ(control.Modul(), 2);
        }
}

// A window of its own may be wider than the screen, as any window may; it shows the part
// on the screen, and is bounded as a picture file is.
TEST(BarCodeBounds, AWindowOfItsOwnMayBeWiderThanTheScreen) {
    TBarCode window;
    window.show();
    ASSERT_NE(window.screen(), nullptr);
    const QSize screen = window.screen()->virtualSize();
    window.SetModul(49);
    EXPECT_NO_THROW(window.SetAutoWidth(true));
    EXPECT_NO_THROW(window.SetBarCode("OK"));
    QApplication::processEvents();
    EXPECT_GT(window.width(), screen.width());
    EXPECT_EQ(window.width(),
              window.PatternWidth(window.BarType(), "OK", 49, window.Ratio(), window.CheckSum()) +
                  2 * (window.HMargin() + window.FrameInset() + window.BorderAllowance()));
    EXPECT_LE(window.CanvasRect().width(), screen.width());
    // Past the picture bound, a clear error; the window keeps working.
    try {
        window.SetBarCode(std::string(30, 'Q'));
        ADD_FAILURE() << "drew a window " << window.width() << " wide";
    } catch (const ELimitError& e) {
        EXPECT_NE(e.Message().find("16384 pixels a side"), std::string::npos) << e.Message();
    }
    window.SetAutoWidth(false);
    EXPECT_NO_THROW(window.SetBarCode("OK2"));
}

// However negative the margin, a shown widget gets no negative width, whose geometry would
// wrap around int.
TEST(BarCodeBounds, NegativeMarginsGiveNoNegativeWidth) {
    QWidget window;
    TBarCode control(&window);
    window.show();
    for (const int margin : {-1000, -1000000000, INT_MIN}) {
        EXPECT_EQ(control.AdjustWidth(margin), 0) << margin;
        EXPECT_EQ(control.width(), 0) << margin;
        EXPECT_EQ(control.geometry().right(), control.x() - 1) << margin;
    }
}

// A value is quoted whole up to a readable length, by its start and length beyond.
TEST(BarCodeBounds, MessagesQuoteLongValuesByTheirStart) {
    const std::string long1(QuotedValueLimit + 1, 'x');
    const std::string huge(1u << 20, '7');
    const struct {
        std::string Message;
        std::string Value;
        std::string Said;
    } cases[] = {
        {"abc : Barcode must be numeric.", "abc", "abc : Barcode must be numeric."},
        {std::string(QuotedValueLimit, 'y') + " : x", std::string(QuotedValueLimit, 'y'),
         std::string(QuotedValueLimit, 'y') + " : x"},
        {long1 + " : x", long1, std::string(40, 'x') + "... (61 characters) : x"},
        {"position 3 of " + huge + ": no", huge,
         "position 3 of " + std::string(40, '7') + "... (1048576 characters): no"},
        {"unrelated", huge, "unrelated"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ShortenedMessage(c.Message, c.Value), c.Said);
}

} // namespace
} // namespace quillmark
