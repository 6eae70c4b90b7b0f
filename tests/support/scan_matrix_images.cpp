// Decodes the QR Code or Data Matrix symbol in each image file named on the command line with
// zxing-cpp and prints "FILE<TAB>BYTES" a line ("FILE<TAB>" when nothing reads), as
// quillmark_scan_images does for one-dimensional symbols.
#include <ZXing/ReadBarcode.h>

#include <QImage>

#include <cstdio>
#include <string>

int main(int argc, char** argv) {
    ZXing::DecodeHints hints;
    hints.setFormats(ZXing::BarcodeFormat::QRCode | ZXing::BarcodeFormat::DataMatrix);
    for (int i = 1; i < argc; ++i) {
        const QImage image =
            QImage(QString::fromLocal8Bit(argv[i])).convertToFormat(QImage::Format_Grayscale8);
        std::string bytes;
        if (!image.isNull()) {
            const ZXing::ImageView view(image.constBits(), image.width(), image.height(),
                                        ZXing::ImageFormat::Lum,
                                        static_cast<int>(image.bytesPerLine()));
            const ZXing::Result result = ZXing::ReadBarcode(view, hints);
            if (result.isValid())
                bytes.assign(result.bytes().begin(), result.bytes().end());
        }
        std::printf("%s\t%s\n", argv[i], bytes.c_str());
    }
    return 0;
}
