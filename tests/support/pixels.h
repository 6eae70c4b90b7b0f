// Test support for the Qt suites: colours as the widget stores them, and the line kind
// under each pixel column of a pattern, worked out from the engine's widths alone.
#pragma once

#include "engine.h"
#include "symbol_types.h"

#include <QColor>

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

} // namespace quillmark::testing
