// Scans a picture file for a one-dimensional barcode: exit status 0 when it reads as the
// expected text. Used by the package check on a program built against the installed package.
#include "scan.h"

#include <QGuiApplication>
#include <QImage>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s IMAGE EXPECTED\n", argv[0]);
        return 2;
    }
    // Quiet zones around the picture, for symbols drawn right at its edge.
    const QImage picture = QImage(QString::fromLocal8Bit(argv[1]));
    QImage image(picture.width() + 60, picture.height() + 60, QImage::Format_Grayscale8);
    image.fill(255);
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            image.setPixel(x + 30, y + 30, qGray(picture.pixel(x, y)));
    const auto scan = quillmark::testing::Scan(image.constBits(), image.width(), image.height(),
                                               static_cast<int>(image.bytesPerLine()));
    const std::string text = scan ? scan->Text : std::string("(nothing)");
    std::printf("%s: %s\n", argv[1], text.c_str());
    return text == argv[2] ? 0 : 1;
}
