// The full-ASCII expansions of Code 39 and Code 93: one or two base-set characters for
// each character code 0 to 127.
#pragma once

#include "element_notation.h"

#include <array>
#include <cstddef>
#include <string_view>

namespace quillmark {

// Code 39 full ASCII, as ISO/IEC 16388:2007 gives it: "$" prefixes control characters, "%"
// the rest of the symbols, "/" punctuation and "+" lower-case letters.
inline constexpr std::array<std::string_view, 128> Code39ExtendedTable{
    "%U", "$A", "$B", "$C", "$D", "$E", "$F", "$G", // 0-7
    "$H", "$I", "$J", "$K", "$L", "$M", "$N", "$O", // 8-15
    "$P", "$Q", "$R", "$S", "$T", "$U", "$V", "$W", // 16-23
    "$X", "$Y", "$Z", "%A", "%B", "%C", "%D", "%E", // 24-31
    " ",  "/A", "/B", "/C", "/D", "/E", "/F", "/G", // 32-39
    "/H", "/I", "/J", "/K", "/L", "/M", "/N", "/O", // 40-47
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  // 48-55
    "8",  "9",  "/Z", "%F", "%G", "%H", "%I", "%J", // 56-63
    "%V", "A",  "B",  "C",  "D",  "E",  "F",  "G",  // 64-71
    "H",  "I",  "J",  "K",  "L",  "M",  "N",  "O",  // 72-79
    "P",  "Q",  "R",  "S",  "T",  "U",  "V",  "W",  // 80-87
    "X",  "Y",  "Z",  "%K", "%L", "%M", "%N", "%O", // 88-95
    "%W", "+A", "+B", "+C", "+D", "+E", "+F", "+G", // 96-103
    "+H", "+I", "+J", "+K", "+L", "+M", "+N", "+O", // 104-111
    "+P", "+Q", "+R", "+S", "+T", "+U", "+V", "+W", // 112-119
    "+X", "+Y", "+Z", "%P", "%Q", "%R", "%S", "%T", // 120-127
};

// Each code is itself (a space, digit or capital) or a shift and a capital, and no two codes
// share an expansion, which a reader could not distinguish.
static_assert([] {
    for (std::size_t code = 0; code < Code39ExtendedTable.size(); ++code) {
        const std::string_view entry = Code39ExtendedTable[code];
        const bool itself = entry.size() == 1 && entry[0] == static_cast<char>(code);
        const bool shifted = IsWritten(entry.substr(0, 1), 1, "$%/+") &&
                             IsWritten(entry.substr(1), 1, "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
        if (!itself && !shifted)
            return false;
    }
    return AllDistinct(Code39ExtendedTable, [](std::string_view Entry) { return Entry; });
}());

namespace detail {

// Code 93 carries the four shifts as characters of their own, written here as "[" for
// ($), "]" for (%), "{" for (/) and "}" for (+).
constexpr char Code93Shift(char Code39Shift) {
    switch (Code39Shift) {
    case '$':
        return '[';
    case '%':
        return ']';
    case '/':
        return '{';
    case '+':
        return '}';
    default:
        return Code39Shift;
    }
}

// Storage of the Code 93 expansions: the Code 39 ones with the shift replaced.
inline constexpr auto Code93ExtendedChars = [] {
    std::array<std::array<char, 2>, 128> chars{};
    for (std::size_t i = 0; i < chars.size(); ++i) {
        const std::string_view entry = Code39ExtendedTable[i];
        chars[i][0] = entry.size() == 2 ? Code93Shift(entry[0]) : entry[0];
        chars[i][1] = entry.size() == 2 ? entry[1] : '\0';
    }
    return chars;
}();

} // namespace detail

// Code 93 full ASCII, as AIM USS-93 gives it: the same mapping as Code 39's, with Code 93's
// own shift characters.
inline constexpr auto Code93ExtendedTable = [] {
    std::array<std::string_view, 128> table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i] =
            std::string_view(detail::Code93ExtendedChars[i].data(), Code39ExtendedTable[i].size());
    return table;
}();

} // namespace quillmark
