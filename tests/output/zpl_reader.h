// Test support: a ZPL label's ^GFA graphics read back into one picture, by the rules of the
// ZPL II Programming Guide's ^GF (hexadecimal pairs, CR and LF ignored, bytes per row,
// the most significant bit the leftmost dot, 1 a black dot), independently of the writer.
// Strips of one width stacked at their ^FO make one picture.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QRegularExpression>

#include <optional>

namespace quillmark::testing {

struct TZplLabel {
    int Width = 0;  // ^PW
    int Length = 0; // ^LL
    QImage Picture; // the graphics, black on white
    int Left = 0;   // ^FO: where the picture's top-left corner is on the label
    int Top = 0;
};

inline std::optional<TZplLabel> ReadZplGraphic(const QByteArray& Zpl) {
    const QString text = QString::fromLatin1(Zpl);
    const auto width = QRegularExpression(QStringLiteral(R"(\^PW(\d+))")).match(text);
    const auto length = QRegularExpression(QStringLiteral(R"(\^LL(\d+))")).match(text);
    if (!text.startsWith(QLatin1String("^XA")) || !text.trimmed().endsWith(QLatin1String("^XZ")) ||
        !width.hasMatch() || !length.hasMatch())
        return std::nullopt;
    TZplLabel label{width.captured(1).toInt(), length.captured(1).toInt(), {}, 0, 0};
    QByteArray bytes; // every strip's rows, one under the other
    int rowBytes = 0;
    const QRegularExpression strip(
        QStringLiteral(R"(\^FO(\d+),(\d+)\^GFA,(\d+),(\d+),(\d+),([0-9A-F\r\n]*)\^FS)"));
    for (const auto& match : strip.globalMatch(text)) {
        const int total = match.captured(4).toInt();
        QString hex = match.captured(6);
        hex.remove(QLatin1Char('\r'));
        hex.remove(QLatin1Char('\n'));
        if (bytes.isEmpty()) {
            label.Left = match.captured(1).toInt();
            label.Top = match.captured(2).toInt();
            rowBytes = match.captured(5).toInt();
        }
        // Each strip starts where the one above ends, in the same columns.
        if (match.captured(3).toInt() != total || rowBytes == 0 ||
            match.captured(5).toInt() != rowBytes || total % rowBytes != 0 ||
            hex.size() != 2 * total || match.captured(1).toInt() != label.Left ||
            match.captured(2).toInt() != label.Top + bytes.size() / rowBytes)
            return std::nullopt;
        bytes += QByteArray::fromHex(hex.toLatin1());
    }
    if (bytes.isEmpty())
        return std::nullopt;
    const int rows = static_cast<int>(bytes.size() / rowBytes);
    label.Picture = QImage(rowBytes * 8, rows, QImage::Format_Grayscale8);
    for (int y = 0; y < rows; ++y) {
        uchar* line = label.Picture.scanLine(y);
        for (int x = 0; x < rowBytes * 8; ++x) {
            const auto byte = static_cast<unsigned char>(bytes[y * rowBytes + x / 8]);
            line[x] = (byte >> (7 - x % 8)) & 1 ? 0 : 255;
        }
    }
    return label;
}

} // namespace quillmark::testing
