// Reading symbols back from pictures with zxing-cpp, an independent decoder.
#pragma once

#include <quillmark/quillmark_verify_export.h>

#include <quillmark/engine.h>

#include <cstdint>
#include <optional>
#include <string>

namespace quillmark {

// A greyscale picture, 0 black and 255 white, one byte per pixel, rows top to bottom.
struct TGreyImage {
    const std::uint8_t* Pixels = nullptr;
    int Width = 0;
    int Height = 0;
    int Stride = 0; // bytes from one row to the next
};

struct TReadHints {
    std::optional<TBarType> Only;  // look for this symbology's kind only; none: any linear one
    bool TryRotate = true;         // read vertical rows of bars too (grids read either way)
    bool Code39Extended = false;   // read Code 39 full-ASCII pairs as one character
    bool Code39CheckDigit = false; // require a Code 39 modulo-43 check character and drop it
    bool EanAddOn = false;         // an EAN/UPC symbol must be followed by a 2- or 5-digit add-on
};

struct TReading {
    std::string Text; // as the reader gives it, UTF-8
    // The decoded bytes: Latin-1 for rows of bars, as carried for grids and GS1 DataBar.
    std::string Bytes;
    std::string Format;      // zxing-cpp's name of the symbology
    std::string SymbologyId; // "]C1" for GS1-128, for instance
};

// Whether zxing-cpp reads the symbology: not Industrial or Matrix 2 of 5, MSI, PostNet, the
// UPC add-ons on their own or GS1 DataBar Limited; every two-dimensional one.
QUILLMARK_VERIFY_EXPORT bool CanRead(TBarType Type);

// zxing-cpp's name of the kind of symbol Type draws ("Code128", "EAN-13").
QUILLMARK_VERIFY_EXPORT std::string FormatName(TBarType Type);

// The first symbol found, or none.
QUILLMARK_VERIFY_EXPORT std::optional<TReading> ReadSymbol(const TGreyImage& Image,
                                                           const TReadHints& Hints);

} // namespace quillmark
