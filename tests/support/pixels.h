// Test support for the Qt suites: colours as the widget stores them, the line kind under
// each pixel column of a pattern, worked out from the engine's widths alone, and how much of
// a picture is finer than a doubled one.
#pragma once

#include <quillmark/engine.h>
#include <quillmark/symbol_types.h>

#include <QColor>
#include <QImage>

#include <string>
#include <vector>

namespace quillmark::testing {

inline QRgb Rgb(TColor Color) {
    return qRgb(Color & 0xFF, (Color >> 8) & 0xFF, (Color >> 16) & 0xFF);
}

// The line kind of every pixel column along the pattern.
inline std::vector<TLineKind> ModuleColumns(TBarType Type, const std::string& Value, int Modul,
                                            double Ratio, TCheckSum CheckSum = csNone) {
    std::string text = Value;
    std::string pattern;
    MakeModules(Type, Value, Modul, Ratio, CheckSum, text, pattern);
    std::vector<TLineKind> columns;
    for (const char ch : pattern) {
        int width = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, width, kind);
        columns.insert(columns.end(), static_cast<std::size_t>(width), kind);
    }
    return columns;
}

// The 2 x 2 blocks at even coordinates within rows Top to Bottom that are not all one
// colour: a picture scaled up from logical pixels at ratio 2 has none.
inline int MixedBlocks(const QImage& Image, int Top, int Bottom) {
    int mixed = 0;
    for (int y = Top; y + 1 < Bottom; y += 2)
        for (int x = 0; x + 1 < Image.width(); x += 2) {
            const QRgb corner = Image.pixel(x, y);
            mixed += Image.pixel(x + 1, y) != corner || Image.pixel(x, y + 1) != corner ||
                     Image.pixel(x + 1, y + 1) != corner;
        }
    return mixed;
}

} // namespace quillmark::testing
