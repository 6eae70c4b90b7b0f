// Decodes the one-dimensional symbol in each image file named on the command line with
// zxing-cpp and prints "FILE<TAB>TEXT" a line ("FILE<TAB>" when nothing reads), so that
// scripts can compare what two tools' files carry.
#include "scan.h"

#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    for (int i = 1; i < argc; ++i) {
        const QImage image =
            QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_Grayscale8);
        const auto scan =
            image.isNull()
                ? std::nullopt
                : quillmark::testing::Scan(image.constBits(), image.width(), image.height(),
                                           static_cast<int>(image.bytesPerLine()));
        std::printf("%s\t%s\n", argv[i], scan ? scan->Text.c_str() : "");
    }
    return 0;
}
