// Rows of an image's pixels written directly, for the formats whose solid fills the painter
// puts down as one fixed pixel value per colour: 32-bit, 8-bit grey and 1-bit.
#pragma once

#include <QImage>

#include <algorithm>
#include <cstdint>
#include <optional>

namespace quillmark {

class TRowWriter {
public:
    // None for a format written otherwise.
    static std::optional<TRowWriter> For(const QImage& Image);

    // The value the painter's solid fill of an opaque Colour leaves in a pixel of Image:
    // the colour itself in 32 bits; its qGray in 8-bit grey; in 1 bit, the index of the
    // nearest colour of the image's table by squared distance (an exact one first, else the
    // last of equals). None
    // where the image has no such colour.
    std::optional<std::uint32_t> PixelOf(const QImage& Image, QRgb Colour) const;

    // Columns X0..X1 of Row set to Pixel, or copied from From; the other columns untouched.
    // The 32-bit case inline: it is the common one, and every bar takes a call.
    void Fill(uchar* Row, long long X0, long long X1, std::uint32_t Pixel) const {
        if (kind_ == TKind::Word)
            std::fill(reinterpret_cast<std::uint32_t*>(Row) + X0,
                      reinterpret_cast<std::uint32_t*>(Row) + X1 + 1, Pixel);
        else
            FillNarrow(Row, X0, X1, Pixel);
    }
    void Copy(uchar* Row, const uchar* From, long long X0, long long X1) const;

private:
    enum class TKind { Word, Grey, Bit, BitLsb };
    void FillNarrow(uchar* Row, long long X0, long long X1, std::uint32_t Pixel) const;
    explicit TRowWriter(TKind Kind) : kind_(Kind) {}
    TKind kind_;
};

} // namespace quillmark
