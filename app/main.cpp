// Quillmark: the barcode generator window.
#include "default_error_handling.h"
#include "form_main.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    quillmark::InstallDefaultErrorHandling();
    quillmark::TFormMain FormMain;
    FormMain.show();
    return QApplication::exec();
}
