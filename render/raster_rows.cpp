#include "raster_rows.h"

#include <algorithm>
#include <cstring>
#include <limits>

namespace quillmark {

namespace {

// The bits of a byte from pixel column First to Last (0 to 7) of that byte.
std::uint8_t BitMask(int First, int Last, bool LsbFirst) {
    const auto upTo = [](int Bits) { return static_cast<unsigned>((1u << Bits) - 1); };
    const unsigned lsb = upTo(Last + 1) & ~upTo(First); // pixel x at bit x
    if (LsbFirst)
        return static_cast<std::uint8_t>(lsb);
    // Pixel x at bit 7 - x: the same mask, mirrored.
    unsigned msb = 0;
    for (int bit = 0; bit < 8; ++bit)
        if (lsb & (1u << bit))
            msb |= 0x80u >> bit;
    return static_cast<std::uint8_t>(msb);
}

// Writes bits X0..X1 of Row: Source(byte index) gives each byte's new bits.
template <typename Source>
void WriteBits(uchar* Row, long long X0, long long X1, bool LsbFirst, Source NewBits) {
    const long long first = X0 >> 3;
    const long long last = X1 >> 3;
    const auto merge = [&](long long Byte, std::uint8_t Mask) {
        Row[Byte] = static_cast<uchar>((Row[Byte] & ~Mask) | (NewBits(Byte) & Mask));
    };
    if (first == last) {
        merge(first, BitMask(static_cast<int>(X0 & 7), static_cast<int>(X1 & 7), LsbFirst));
        return;
    }
    merge(first, BitMask(static_cast<int>(X0 & 7), 7, LsbFirst));
    for (long long byte = first + 1; byte < last; ++byte)
        Row[byte] = NewBits(byte);
    merge(last, BitMask(0, static_cast<int>(X1 & 7), LsbFirst));
}

int SquaredDistance(QRgb A, QRgb B) {
    const int r = qRed(A) - qRed(B);
    const int g = qGreen(A) - qGreen(B);
    const int b = qBlue(A) - qBlue(B);
    return r * r + g * g + b * b;
}

} // namespace

std::optional<TRowWriter> TRowWriter::For(const QImage& Image) {
    switch (Image.format()) {
    case QImage::Format_RGB32:
    case QImage::Format_ARGB32:
    case QImage::Format_ARGB32_Premultiplied:
        return TRowWriter(TKind::Word);
    case QImage::Format_Grayscale8:
        return TRowWriter(TKind::Grey);
    case QImage::Format_Mono:
        return TRowWriter(TKind::Bit);
    case QImage::Format_MonoLSB:
        return TRowWriter(TKind::BitLsb);
    default:
        return std::nullopt;
    }
}

std::optional<std::uint32_t> TRowWriter::PixelOf(const QImage& Image, QRgb Colour) const {
    switch (kind_) {
    case TKind::Word:
        return Colour | 0xFF000000u;
    case TKind::Grey:
        return static_cast<std::uint32_t>(qGray(Colour));
    default:
        break;
    }
    const QList<QRgb> table = Image.colorTable();
    if (table.empty() || table.size() > 2)
        return std::nullopt;
    // As the painter chooses: an exact colour at once, else the last of the nearest.
    std::uint32_t nearest = 0;
    int best = std::numeric_limits<int>::max();
    for (qsizetype i = 0; i < table.size(); ++i) {
        const int d = SquaredDistance(Colour, table[i]);
        if (d == 0)
            return static_cast<std::uint32_t>(i);
        if (d <= best) {
            best = d;
            nearest = static_cast<std::uint32_t>(i);
        }
    }
    return nearest;
}

void TRowWriter::FillNarrow(uchar* Row, long long X0, long long X1, std::uint32_t Pixel) const {
    switch (kind_) {
    case TKind::Grey:
        std::memset(Row + X0, static_cast<int>(Pixel), static_cast<std::size_t>(X1 - X0 + 1));
        return;
    default:
        const auto bits = static_cast<uchar>(Pixel != 0 ? 0xFF : 0x00);
        WriteBits(Row, X0, X1, kind_ == TKind::BitLsb, [bits](long long) { return bits; });
    }
}

void TRowWriter::Copy(uchar* Row, const uchar* From, long long X0, long long X1) const {
    switch (kind_) {
    case TKind::Word:
        std::memcpy(Row + X0 * 4, From + X0 * 4, static_cast<std::size_t>(X1 - X0 + 1) * 4);
        return;
    case TKind::Grey:
        std::memcpy(Row + X0, From + X0, static_cast<std::size_t>(X1 - X0 + 1));
        return;
    default:
        WriteBits(Row, X0, X1, kind_ == TKind::BitLsb,
                  [From](long long Byte) { return From[Byte]; });
    }
}

} // namespace quillmark
