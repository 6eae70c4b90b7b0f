// The ^GFA form: the raster picture as hexadecimal rows of dots.
#include "zpl.h"

#include <quillmark/raster_image.h>

#include <algorithm>
#include <string>

namespace quillmark {

namespace {

// ^GF's byte counts take at most five digits (ZPL II Programming Guide, ^GF).
constexpr long long MaxGraphicBytes = 99'999;

bool IsDot(QRgb Pixel) {
    // Unpainted (transparent) pixels are paper, whatever colour they hold.
    return qAlpha(Pixel) >= 128 && qGray(Pixel) < 128;
}

void RefuseColours(const TOutputLayout& Layout) {
    bool oneInk = Layout.Bar == clBlack && Layout.Space == clWhite;
    if (Layout.Text)
        oneInk = oneInk && Layout.Text->Ink == clBlack && Layout.Text->Box == clWhite;
    if (!Layout.Placed.empty())
        oneInk = oneInk && Layout.TextInk == clBlack;
    if (!oneInk)
        throw Exception("ZPL : A thermal printer prints black on white only; draw the bars and "
                        "text in black (#000000) on white (#FFFFFF).");
}

} // namespace

void CheckZplDpi(int Dpi) {
    if (std::find(ZplDpis.begin(), ZplDpis.end(), Dpi) == ZplDpis.end())
        throw Exception("ZPL : " + std::to_string(Dpi) +
                        " dpi is no label printer's resolution; use 203, 300 or 600 dpi "
                        "(8, 12 or 24 dots/mm).");
}

QByteArray RenderZpl(const TOutputLayout& Layout) {
    return RenderZplLabel(Layout, Layout.Size.width(), Layout.Size.height(), 0, 0);
}

QByteArray RenderZplLabel(const TOutputLayout& Layout, int WidthDots, int LengthDots, int LeftDots,
                          int TopDots) {
    if (Layout.Vector)
        throw Exception("ZPL : A label is drawn in dots from the raster layout (RasterLayout), "
                        "not the vector one.");
    CheckZplDpi(Layout.Dpi);
    RefuseColours(Layout);
    const long long rowBytes = (Layout.Size.width() + 7) / 8;
    if (rowBytes > MaxGraphicBytes)
        throw Exception(
            "ZPL : The symbol is " + std::to_string(Layout.Size.width()) +
            " dots wide, over what one ^GF row holds; choose a smaller --xdim or --dpi.");
    const QImage image = RenderImage(Layout);
    // A taller picture goes as strips one under the other, each within ^GF's byte count.
    const int stripRows = static_cast<int>(MaxGraphicBytes / rowBytes);
    static constexpr char Hex[] = "0123456789ABCDEF";
    std::string zpl =
        "^XA\n^PW" + std::to_string(WidthDots) + "\n^LL" + std::to_string(LengthDots) + "\n";
    zpl.reserve(zpl.size() + static_cast<std::size_t>(rowBytes * 2 + 1) * image.height() + 64);
    for (int top = 0; top < image.height(); top += stripRows) {
        const int rows = std::min(stripRows, image.height() - top);
        const std::string count = std::to_string(rowBytes * rows);
        zpl += "^FO" + std::to_string(LeftDots) + "," + std::to_string(TopDots + top) + "^GFA," +
               count + "," + count + "," + std::to_string(rowBytes) + ",\n";
        for (int y = top; y < top + rows; ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
            for (long long byte = 0; byte < rowBytes; ++byte) {
                unsigned bits = 0;
                for (int bit = 0; bit < 8; ++bit) {
                    const long long x = byte * 8 + bit;
                    if (x < image.width() && IsDot(row[x]))
                        bits |= 0x80u >> bit;
                }
                zpl += Hex[bits >> 4];
                zpl += Hex[bits & 0xF];
            }
            zpl += '\n';
        }
        zpl += "^FS\n";
    }
    zpl += "^XZ\n";
    return QByteArray::fromStdString(zpl);
}

} // namespace quillmark
