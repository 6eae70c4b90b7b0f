// Hostile callers and sizes: handlers that recurse, clear themselves or delete the widget,
// failures that are not the value's fault, Qt property writes, enumeration values out of
// range, huge widgets and coordinates at the end of the int range.
#include "barcode_test_helpers.h"
#include <quillmark/barcode.h>
#include <quillmark/error_reporter.h>
#include <quillmark/renderer.h>

#include <QCoreApplication>
#include <QPainter>
#include <QPointer>

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <new>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace quillmark {
namespace {

using namespace widget_testing;

// A window of its own grows no larger than a picture may be (here, a million pixels wide is
// far beyond the screens too): a symbol too long is a clear error at once, not a paint that
// can't begin, and the widget goes on working.
TEST(BarCodeHostile, AWindowOfItsOwnRefusesASizeTheScreensCantShow) {
    TBarCode window;
    window.show();
    window.SetBarType(bcCode128B);
    window.SetBarCode(std::string(2000, 'A'));
    window.SetModul(49);
    EXPECT_THROW(window.SetAutoWidth(true), ELimitError);
    EXPECT_THROW(window.SetOrientation(toTopBottom), ELimitError);
    QCoreApplication::processEvents();
    EXPECT_LT(window.height(), 100000);
    window.SetAutoWidth(false);
    window.SetBarCode("QUILL");
    QCoreApplication::processEvents();
    EXPECT_EQ(window.BarCode(), "QUILL");
    // A child widget has no such bound: only its visible part is painted.
    QWidget parent;
    TBarCode child(&parent);
    child.SetBarType(bcCode128B);
    child.SetBarCode(std::string(2000, 'A'));
    child.SetModul(49);
    child.SetAutoWidth(true);
    EXPECT_GT(child.width(), 1000000);
}

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

// Read by the handlers below without a capture, so that reading them never goes through a
// handler that has been freed.
std::weak_ptr<int> Watch;
int FreedWhileRunning = 0;

TEST(BarCodeHostile, HandlersMayClearThemselvesOrDeleteTheWidget) {
    const std::pair<TBarType, void (*)(TBarCode&)> cases[] = {
        {bcCode39, [](TBarCode& c) { c.SetModul(2); }}, // OnChange
        {bcCodeEAN13, [](TBarCode& c) { c.SetBarCode("1A"); }},
        {bcCodeCodabar, [](TBarCode& c) { c.SetBarCode("bad"); }},
        {bcCodeCodabar, [](TBarCode& c) { c.SetBarType(bcCodeMSI); }}};
    for (const auto& [type, trigger] : cases)
        for (const int mode : {0, 1, 2}) { // clears itself, delete, deleteLater()
            auto control = std::make_unique<TBarCode>();
            control->SetBarType(type);
            control->SetBarCode(type == bcCodeCodabar ? "A1B" : "1");
            auto captured = std::make_shared<int>(0); // lives as long as the handlers
            Watch = captured;
            FreedWhileRunning = 0;
            TNotifyEvent handler = [&, captured](TBarCode& s) {
                if (mode == 1)
                    return delete control.release();
                if (mode == 2)
                    return control.release()->deleteLater();
                s.SetOnChange(nullptr), s.SetOnInvalidChar(nullptr);
                FreedWhileRunning += Watch.expired();
            };
            control->SetOnChange(handler);
            control->SetOnInvalidChar(
                [h = std::move(handler)](TBarCode& s, std::string&) { h(s); });
            captured.reset();
            const QPointer<TBarCode> alive(control.get());
            try {
                trigger(*alive);
            } catch (const Exception&) {
            }
            EXPECT_EQ(alive.isNull(), mode == 1) << int(type); // ASan watches for use after free
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            EXPECT_EQ(alive.isNull(), mode != 0) << int(type);
            EXPECT_EQ(FreedWhileRunning, 0) << int(type);
            EXPECT_TRUE(Watch.expired()) << int(type);
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
    std::vector<std::string> reports;
    SetErrorReporter([&](const std::exception& e) { reports.push_back(e.what()); });
    EXPECT_TRUE(control.setProperty("Modul", 3));
    SetErrorReporter({});
    EXPECT_EQ(reports, std::vector<std::string>{"std::bad_alloc"});
    EXPECT_EQ(control.Modul(), 1);
}

TEST(BarCodeHostile, QtWritesReportAndKeepTheOldValue) {
    const std::tuple<const char*, QVariant, std::string, TBarType> cases[] = {
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
        std::vector<std::string> reports;
        SetErrorReporter([&](const std::exception& e) { reports.push_back(e.what()); });
        EXPECT_NO_THROW(control.setProperty(property, value));
        control.grab(); // draws as before, with nothing more to report
        SetErrorReporter({});
        EXPECT_EQ(control.property(property), before) << property;
        EXPECT_EQ(reports, std::vector<std::string>{report}) << property;
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
}

// A widget partly outside its window keeps only what shows, and shows what the same
// widget drawn whole shows, text, frame and all, in every reading direction: seen from
// inside the frame's corner, and across its far corner.
TEST(BarCodeHostile, CanvasKeepsTheVisiblePartWithTheSamePixels) {
    for (const TOrientation orientation : {toLeftRight, toRightLeft, toTopBottom, toBottomTop})
        for (const bool far : {false, true}) {
            const QSize size = Horizontal(orientation) ? QSize(600, 150) : QSize(150, 600);
            const QPoint hidden =
                far ? QPoint(size.width() - 10, size.height() - 10) : QPoint(12, 12);
            const QRect shown(QPoint(0, 0),
                              (size - QSize(hidden.x(), hidden.y())).boundedTo({100, 100}));
            const auto setUp = [&](TBarCode& c) {
                c.resize(size);
                c.SetBorderStyle(bsSingle); // the client area starts 2 pixels in
                c.SetBevelWidth(5);
                c.SetBevelInner(bvLowered);
                c.SetBorderWidth(6);
                c.SetAlignment(taLeftJustify);
                c.SetTextShow(tsBoth);
                c.SetTextPosition(tpTopLeft);
                c.SetBarType(bcCode128B);
                c.SetBarCode("Quillmark");
                c.SetOrientation(orientation);
            };
            TBarCode whole;
            setUp(whole);
            QWidget window;
            window.resize(100, 100);
            auto* control = new TBarCode(&window);
            control->move(-hidden);
            window.show();
            setUp(*control);
            EXPECT_EQ(control->CanvasRect().size(), far ? QSize(8, 8) : QSize(100, 100));
            EXPECT_EQ(window.grab(shown).toImage().convertToFormat(QImage::Format_RGB32),
                      Grab(whole).copy(shown.translated(hidden)))
                << int(orientation) << far;
            control->resize(30000, 30000);
            control->Repaint();
            EXPECT_EQ(control->CanvasRect().size(), QSize(100, 100));
        }
}

TEST(BarCodeHostile, LargePaintsGoInBandsWithTheSamePixels) {
    TBarCode control;
    SetUpWindowControl(control);
    control.resize(2100, 2000); // more than one band of MaxBandPixels
    const auto columns = ModuleColumns(bcCode_2_5_industrial, "123456789", 2, 3.0);
    std::string first;
    EXPECT_EQ(SymbolMismatches(Grab(control), toLeftRight, {0, 0, 1999}, columns, 0, 0, first), 0)
        << first;
}

TEST(BarCodeHostile, TurningAHugeAutoWidthWidgetStaysDrawable) {
    TBarCode control;
    SetUpWindowControl(control);
    control.SetBarType(bcCode128B);
    control.SetBarCode(std::string(2000, 'A'));
    control.SetModul(49);
    control.SetAutoWidth(true);
    control.SetOrientation(toTopBottom); // a square about a million pixels a side
    EXPECT_EQ(control.Width(), control.Height());
    EXPECT_EQ(control.CanvasRect(), QRect(0, 0, 1, 1)); // hidden: nothing to keep
    control.SetOrientation(toLeftRight);
    control.SetAutoWidth(false);
    control.SetModul(1);
    control.resize(337, 89);
    EXPECT_EQ(Grab(control).pixel(0, 40) & 0xFFFFFF, Rgb(BarColor) & 0xFFFFFF); // start bar
}

TEST(BarCodeHostile, CoordinatesBeyondIntAreRefusedNotWrapped) {
    // A symbol of nearly INT_MAX pixels behind the widest frame: its far end leaves int.
    const TFrame frame{185, 41, 3 * QWIDGETSIZE_MAX, 0, taLeftJustify};
    for (const TOrientation orientation : {toLeftRight, toRightLeft, toTopBottom, toBottomTop})
        EXPECT_THROW(PlaceSymbol(frame, orientation, 10, INT_MAX - 1000), ELimitError);
    QPoint sum;
    AddPoints(QPoint(INT_MAX, INT_MIN), QPoint(5, -5), sum);
    EXPECT_EQ(sum, QPoint(INT_MAX, INT_MIN));
    RotatedOrigin(QPoint(0, 0), INT_MAX, INT_MAX, 225.0 / 180 * 3.14159265358979, sum);
    EXPECT_EQ(sum.x(), INT_MAX);
    // A text wider than its symbol at the end of the int range is left out (UBSan watches).
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::green);
    const QImage before = image;
    QPainter painter(&image);
    const int pw = PatternWidth(bcCode128B, "1", 1, 2.0, csNone);
    DrawBarcode(painter, bcCode128B, "1", 1, 2.0, csNone, INT_MAX - pw, 0, 8, PixelFont(), 0,
                tsBoth, tpTopCenter, 0, 0, 0, 0);
    painter.end();
    EXPECT_EQ(image, before);
    TBarCode control;
    EXPECT_EQ(control.AdjustWidth(INT_MAX), QWIDGETSIZE_MAX);
}

} // namespace
} // namespace quillmark
