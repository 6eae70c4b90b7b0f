// The QML Barcode item under random sequences of property writes with hostile values, in a
// window that the software scene graph renders now and then. No write raises or crashes;
// valid agrees with an empty errorString; a valid item has a size and an invalid one
// none; an error quotes a long value or type name by its start, so it stays short.
#include "hostile_input.h"
#include <quillmark/barcode_item.h>

#include <QGuiApplication>
#include <QQuickWindow>

#include <cstdlib>
#include <memory>

namespace {

using namespace quillmark;
using fuzzing::Require;
using fuzzing::THostileInput;

// Type names as the command line takes them, and some it doesn't.
constexpr const char* TypeNames[] = {"code128", "ean13", "bcCode39", "itf", "postnet",
                                     "gs1-128", "upce",  "qr",       "",    "Code 93"};

// Longest errorString: a sentence around a value quoted by its start.
constexpr qsizetype LongestError = 1000;

void Write(TBarcodeItem& Item, THostileInput& In) {
    switch (In.Next() % 12) {
    case 0:
        return Item.setType(In.Next() % 2 == 0
                                ? QString::fromLatin1(TypeNames[In.Next() % std::size(TypeNames)])
                                : In.Text());
    case 1:
    case 2:
        return Item.setValue(In.Text());
    case 3:
        return Item.setProperty("checkSum", In.Integer()), void();
    case 4:
        return Item.setRatio(In.Real());
    case 5:
        return Item.setModuleWidth(In.Real());
    case 6:
        return Item.setBarHeight(In.Real());
    case 7:
        return Item.setProperty("orientation", In.Integer()), void();
    case 8:
        return Item.setProperty("textShow", In.Integer()), void();
    case 9:
        return Item.setProperty("textLayout", In.Integer()), void();
    case 10:
        return Item.setQuietZone(In.Next() % 2 == 1);
    default:
        return Item.setSize(QSizeF(In.Integer() % 3000, In.Integer() % 3000));
    }
}

void RequireConsistent(const TBarcodeItem& Item) {
    Require(Item.valid() == Item.errorString().isEmpty());
    Require(Item.errorString().size() <= LongestError);
    Require(Item.valid() == (Item.implicitWidth() > 0 && Item.implicitHeight() > 0));
    if (!Item.valid())
        Require(Item.carried().isEmpty() && Item.findings().isEmpty());
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QQuickWindow::setGraphicsApi(QSGRendererInterface::Software);
    // Never destroyed, so that the font caches it holds are still reachable at exit, where
    // they would be reported as leaks of Qt's.
    [[maybe_unused]] static const auto* application = new QGuiApplication(*Argc, *Argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    THostileInput in(Data, Size);
    // Kept from run to run, since showing a window costs more than a run, and never
    // destroyed, as the application isn't.
    static QQuickWindow* const shown = new QQuickWindow;
    QQuickWindow& window = *shown;
    window.resize(300, 150);
    window.show();
    auto item = std::make_unique<TBarcodeItem>();
    item->setParentItem(window.contentItem());
    for (int step = 0; step < 24 && !in.AtEnd(); ++step) {
        Write(*item, in);
        RequireConsistent(*item);
        // Frames between writes, as a window shows them: the scene graph takes the item's
        // changes as they come.
        if (in.Next() % 3 == 0)
            window.grabWindow();
    }
    window.grabWindow();
    item.reset();
    return 0;
}
