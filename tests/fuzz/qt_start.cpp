// The application every target needs before Qt draws text, without a display.
#include <QGuiApplication>

#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int* Argc, char*** Argv) {
    ::setenv("QT_QPA_PLATFORM", "offscreen", 1);
    static QGuiApplication application(*Argc, *Argv);
    return 0;
}
