// The file formats a barcode is written in: each format's extension and name, in the order
// every list of them offers them.
#pragma once

#include <array>
#include <string>

namespace quillmark {

enum class TFileFormat { Png, Svg, Pdf, Eps, Zpl };

struct TFileFormatName {
    TFileFormat Format;
    const char* Suffix;  // the file name extension, lower case, without the dot
    const char* Name;    // as a person picks it from a list
    bool Raster = false; // drawn from the raster layout, in whole pixels or dots at the dpi
};

inline constexpr std::array<TFileFormatName, 5> FileFormats{{
    {TFileFormat::Png, "png", "PNG image", true},
    {TFileFormat::Svg, "svg", "SVG image"},
    {TFileFormat::Pdf, "pdf", "PDF document"},
    {TFileFormat::Eps, "eps", "EPS image"},
    {TFileFormat::Zpl, "zpl", "ZPL label", true},
}};

// Indexed by the enumeration, so that a format's row is FileFormats[Format].
static_assert([] {
    for (std::size_t i = 0; i < FileFormats.size(); ++i)
        if (static_cast<std::size_t>(FileFormats[i].Format) != i)
            return false;
    return true;
}());

constexpr const TFileFormatName& FileFormatRow(TFileFormat Format) {
    return FileFormats[static_cast<std::size_t>(Format)];
}

constexpr bool IsRasterFormat(TFileFormat Format) {
    return FileFormatRow(Format).Raster;
}

// The extensions as a sentence names them: ".png, .svg, .pdf, .eps or .zpl".
inline std::string SuffixesText() {
    std::string text;
    for (std::size_t i = 0; i < FileFormats.size(); ++i) {
        if (i > 0)
            text += i + 1 == FileFormats.size() ? " or " : ", ";
        text += std::string(".") + FileFormats[i].Suffix;
    }
    return text;
}

// The extensions as a command line's alternatives: "png|svg|pdf|eps".
inline std::string SuffixChoicesText() {
    std::string text;
    for (const TFileFormatName& format : FileFormats)
        text += (text.empty() ? "" : "|") + std::string(format.Suffix);
    return text;
}

} // namespace quillmark
