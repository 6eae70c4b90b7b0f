// Decodes the one-dimensional symbol in each image file named on the command line with
// zxing-cpp and prints "FILE<TAB>TEXT" a line ("FILE<TAB>" when nothing reads), so that
// scripts can check what a program drew or compare what two tools' files carry.
#include "scan.h"

#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QImage picture =
            QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_Grayscale8);
        // A white margin around the picture, for symbols drawn right at its edge.
        constexpr int Margin = 30;
        QImage image(picture.width() + 2 * Margin, picture.height() + 2 * Margin,
                     QImage::Format_Grayscale8);
        image.fill(255);
        for (int y = 0; y < picture.height(); ++y)
            std::copy_n(picture.constScanLine(y), picture.width(),
                        image.scanLine(y + Margin) + Margin);
        const auto scan =
            picture.isNull()
                ? std::nullopt
                : quillmark::testing::Scan(image.constBits(), image.width(), image.height(),
                                           static_cast<int>(image.bytesPerLine()));
        std::printf("%s\t%s\n", argv[i], scan ? scan->Text.c_str() : "");
    }
    return 0;
}
