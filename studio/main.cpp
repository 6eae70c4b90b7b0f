// Quillmark Studio: every symbology and option of the library in one window.
#include "studio_window.h"
#include <quillmark/version.h>

#include <QApplication>
#include <QCommandLineParser>

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Quillmark"));
    QApplication::setApplicationName(QStringLiteral("Quillmark Studio"));
    QApplication::setApplicationVersion(QLatin1String(quillmark::Version));
    QCommandLineParser options;
    options.setApplicationDescription(
        QStringLiteral("Draws, checks and saves barcodes of every type Quillmark has."));
    options.addHelpOption();
    options.addVersionOption();
    options.process(application);
    quillmark::studio::TStudioWindow window;
    window.show();
    return QApplication::exec();
}
