// Test support: a ZPL label's ^GFA graphic read back into a picture, by the rules of the
// ZPL II Programming Guide's ^GF (hexadecimal pairs, CR and LF ignored, bytes per row,
// the most significant bit the leftmost dot, 1 a black dot), independently of the writer.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRegularExpression>

#include <optional>

namespace quillmark::testing {

struct TZplLabel {
    int Width = 0;  // ^PW
    int Length = 0; // ^LL
    QImage Picture; // the graphic, black on white
    int Left = 0;   // ^FO: where the graphic's top-left corner is on the label
    int Top = 0;
};

inline std::optional<TZplLabel> ReadZplGraphic(const QByteArray& Zpl) {
    const QString text = QString::fromLatin1(Zpl);
    const auto width = QRegularExpression(QStringLiteral(R"(\^PW(\d+))")).match(text);
    const auto length = QRegularExpression(QStringLiteral(R"(\^LL(\d+))")).match(text);
    const auto graphic =
        QRegularExpression(
            QStringLiteral(R"(\^FO(\d+),(\d+)\^GFA,(\d+),(\d+),(\d+),([0-9A-F\r\n]*)\^FS)"))
            .match(text);
    if (!text.startsWith(QLatin1String("^XA")) || !text.trimmed().endsWith(QLatin1String("^XZ")) ||
        !width.hasMatch() || !length.hasMatch() || !graphic.hasMatch())
        return std::nullopt;
    const int total = graphic.captured(4).toInt();
    const int rowBytes = graphic.captured(5).toInt();
    QString hex = graphic.captured(6);
    hex.remove(QLatin1Char('\r'));
    hex.remove(QLatin1Char('\n'));
    if (graphic.captured(3).toInt() != total || rowBytes == 0 || total % rowBytes != 0 ||
        hex.size() != 2 * total)
        return std::nullopt;
    const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
    const int rows = total / rowBytes;
    QImage picture(rowBytes * 8, rows, QImage::Format_Grayscale8);
    for (int y = 0; y < rows; ++y) {
        uchar* line = picture.scanLine(y);
        for (int x = 0; x < rowBytes * 8; ++x) {
            const auto byte = static_cast<unsigned char>(bytes[y * rowBytes + x / 8]);
            line[x] = (byte >> (7 - x % 8)) & 1 ? 0 : 255;
        }
    }
    return TZplLabel{width.captured(1).toInt(), length.captured(1).toInt(), picture,
                     graphic.captured(1).toInt(), graphic.captured(2).toInt()};
}

} // namespace quillmark::testing
