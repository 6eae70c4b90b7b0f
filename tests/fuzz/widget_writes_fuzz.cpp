// The barcode widget under random sequences of property writes, through its C++ writers
// and through Qt's property system, with hostile values. The C++ writers raise only
// quillmark::Exception; Qt's path never raises and, when it reports, leaves the settings as
// they were; every state keeps a modul in range, a positive finite ratio and no negative bar
// height; and a paint that the windowing system asks for never raises.
#include "hostile_input.h"
#include <quillmark/barcode.h>
#include <quillmark/error_reporter.h>

#include <QApplication>

#include <cstdlib>
#include <memory>

namespace {

using namespace quillmark;
using fuzzing::Require;
using fuzzing::THostileInput;

// A Qt property name with its value from the input; unknown names and enumeration names
// that don't exist among them.
struct TQtWrite {
    const char* Name;
    QVariant (*Value)(THostileInput&);
};

QVariant Integer(THostileInput& In) {
    return In.Integer();
}
QVariant Real(THostileInput& In) {
    return In.Real();
}
QVariant Text(THostileInput& In) {
    return In.Text();
}
QVariant Flag(THostileInput& In) {
    return In.Next() % 2 == 1;
}

constexpr TQtWrite QtWrites[] = {
    {"BarType", Integer},      {"BarType", Text},          {"BarCode", Text},
    {"BarHeight", Integer},    {"Modul", Integer},         {"Ratio", Real},
    {"CheckSum", Integer},     {"Orientation", Integer},   {"TextShow", Integer},
    {"TextPosition", Integer}, {"TextLayout", Integer},    {"AutoWidth", Flag},
    {"HMargin", Integer},      {"BorderWidth", Integer},   {"BevelWidth", Integer},
    {"Alignment", Integer},    {"NoSuchProperty", Integer}};

void CppWrite(TBarCode& Control, THostileInput& In) {
    switch (In.Next() % 10) {
    case 0:
        return Control.SetBarType(static_cast<TBarType>(In.Next() % (BarTypeCount + 2)));
    case 1:
        return Control.SetBarCode(In.Text().toLatin1().toStdString());
    case 2:
        return Control.SetModul(In.Integer());
    case 3:
        return Control.SetRatio(In.Real());
    case 4:
        return Control.SetBarHeight(In.Integer());
    case 5:
        return Control.SetOrientation(static_cast<TOrientation>(In.Next() % 5));
    case 6:
        return Control.SetAutoWidth(In.Next() % 2 == 1);
    case 7:
        return Control.SetTextShow(static_cast<TTextShow>(In.Next() % 5));
    case 8:
        return Control.SetHMargin(In.Integer());
    default:
        return Control.resize(In.Integer() % 2000, In.Integer() % 2000);
    }
}

void RequireSane(const TBarCode& Control) {
    Require(Control.Modul() >= TBarCode::MinModul && Control.Modul() <= TBarCode::MaxModul);
    Require(Control.Ratio() > 0 && std::isfinite(Control.Ratio()));
    Require(Control.BarHeight() >= 0);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    // Never destroyed: at exit Qt's own globals go first, and a QApplication destroyed after
    // them crashes deleting its input devices.
    [[maybe_unused]] static const auto* application = new QApplication(*Argc, *Argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    THostileInput in(Data, Size);
    int reports = 0;
    SetErrorReporter([&](const std::exception& Error) {
        Require(dynamic_cast<const Exception*>(&Error) != nullptr);
        ++reports;
    });
    // A child of a shown window, kept from run to run since showing a window costs more
    // than a run (and never destroyed, as the application isn't), or a window of its own.
    static QWidget* const window = new QWidget;
    window->resize(400, 200);
    window->show();
    auto control = std::make_unique<TBarCode>(in.Next() % 2 == 1 ? window : nullptr);
    control->show();
    for (int step = 0; step < 24 && !in.AtEnd(); ++step) {
        if (in.Next() % 2 == 0) {
            try {
                CppWrite(*control, in);
            } catch (const Exception&) {
                // the C++ writers may raise; anything else ends the run
            }
        } else {
            const TQtWrite& write = QtWrites[in.Next() % std::size(QtWrites)];
            const TBarcodeSettings before = control->Settings();
            const int reported = reports;
            control->setProperty(write.Name, write.Value(in));
            if (reports != reported)
                Require(control->Settings() == before);
        }
        RequireSane(*control);
        if (in.Next() % 4 == 0)
            QApplication::processEvents(); // paints: reported, never raised
    }
    // A corner: grab() of the whole widget would make a picture of all of it, however large.
    control->grab(QRect(0, 0, 200, 100));
    control.reset();
    SetErrorReporter({});
    return 0;
}
