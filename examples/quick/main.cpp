// Shows main.qml. Instead:
//   --png FILE [TYPE VALUE]  grabs the window into FILE; status 0 when the barcode is valid
//   --check TYPE VALUE       prints whether the barcode takes the value, and its error
#include <QGuiApplication>
#include <QQmlEngine>
#include <QQuickItem>
#include <QQuickView>

#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    QQuickView view;
    view.engine()->addImportPath(QStringLiteral(QUILLMARK_QML_IMPORT_PATH));
    view.setResizeMode(QQuickView::SizeViewToRootObject);
    view.setSource(QUrl(QStringLiteral("qrc:/main.qml")));
    QQuickItem* root = view.rootObject();
    if (root == nullptr)
        return 2;
    const bool png = argc >= 3 && std::strcmp(argv[1], "--png") == 0;
    const bool check = argc == 4 && std::strcmp(argv[1], "--check") == 0;
    if ((png && argc == 5) || check) {
        root->setProperty("type", QString::fromLocal8Bit(argv[argc - 2]));
        root->setProperty("value", QString::fromLocal8Bit(argv[argc - 1]));
    }
    const bool valid = root->property("barcodeValid").toBool();
    if (check) {
        std::printf("valid: %s\nerror: %s\n", valid ? "true" : "false",
                    qPrintable(root->property("barcodeError").toString()));
        return 0;
    }
    view.show();
    if (png)
        return view.grabWindow().save(QString::fromLocal8Bit(argv[2])) && valid ? 0 : 1;
    return QGuiApplication::exec();
}
