// An add-on after a main symbol's text, for EAN/UPC values and the book numbers drawn as
// EAN-13, which differ only in what their main text may hold.
#pragma once

#include "encoders.h"
#include <quillmark/ean_upc.h>

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quillmark {

// Value split as MAIN '+' ADDON or MAIN ' ' ADDON, ADDON exactly 2 or 5 digits and MAIN
// what MainFits takes; the two-digit reading is tried first.
template <typename Predicate>
std::optional<TAddOnSplit> SplitAddOnWhere(const std::string& Value, Predicate MainFits) {
    for (const std::size_t digits : std::array<std::size_t, 2>{2, 5}) {
        if (Value.size() < digits + 2)
            continue;
        const std::size_t at = Value.size() - digits - 1;
        const std::string main = Value.substr(0, at);
        const std::string addOn = Value.substr(at + 1);
        if ((Value[at] == '+' || Value[at] == ' ') && MainFits(std::string_view(main)) &&
            AllDigits(addOn))
            return TAddOnSplit{main, addOn, Value[at]};
    }
    return std::nullopt;
}

} // namespace quillmark
