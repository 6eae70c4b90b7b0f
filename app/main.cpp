// Quillmark: the barcode generator window.
#include "default_error_handling.h"
#include "form_main.h"

#include <quillmark/version.h>

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationVersion(QLatin1String(quillmark::Version));
    QCommandLineParser options;
    options.setApplicationDescription(QStringLiteral("Draws one-dimensional barcodes."));
    options.addHelpOption();
    options.addVersionOption();
    options.process(application);
    quillmark::InstallDefaultErrorHandling();
    quillmark::TFormMain FormMain;
    FormMain.show();
    return QApplication::exec();
}
