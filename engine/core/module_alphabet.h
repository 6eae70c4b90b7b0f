// The module-pattern alphabet as a table by character: each character's width class and
// line kind.
#pragma once

#include "engine.h"

#include <array>
#include <cstdint>

namespace quillmark {

enum WidthClass : std::int8_t { NoClass = -1, Narrow, Wide, Wide15, Wide2 };

struct ModuleInfo {
    WidthClass Class = NoClass;
    TLineKind Kind = lkSpace;
};

// Indexed by character: a space of class c is the digit c, a full bar the digit c + 5, a
// short bar the letter 'A' + c; everything else has no class.
inline constexpr std::array<ModuleInfo, 256> Alphabet = [] {
    std::array<ModuleInfo, 256> table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i].Class = NoClass;
    for (int c = 0; c < 4; ++c) {
        const auto cls = static_cast<WidthClass>(c);
        table['0' + c].Class = table['5' + c].Class = table['A' + c].Class = cls;
        table['5' + c].Kind = lkBar;
        table['A' + c].Kind = lkShortBar;
    }
    return table;
}();

inline int WidthOf(WidthClass Class, const ElementWidths& Widths) {
    switch (Class) {
    case Narrow:
        return Widths.Narrow;
    case Wide:
        return Widths.Wide;
    case Wide15:
        return Widths.Wide15;
    default:
        return Widths.Wide2;
    }
}

} // namespace quillmark
