// Shows the form; with --png FILE it draws the form into FILE instead and ends.
#include "ui_embed_window.h"

#include <QApplication>
#include <QWidget>

#include <cstring>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    Ui::EmbedWindow form;
    form.setupUi(&window);
    if (argc == 3 && std::strcmp(argv[1], "--png") == 0)
        return window.grab().save(QString::fromLocal8Bit(argv[2])) ? 0 : 1;
    window.show();
    return QApplication::exec();
}
