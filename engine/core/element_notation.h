// The notations the encoder tables are written in, as their standards print them, turned
// into pattern characters (module_alphabet.h) at compile time, and the checks each table is
// held to where it is written.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string_view>

namespace quillmark {

// Element widths in modules, '1'..'4', bars and spaces alternating, as pattern characters.
// Bar first unless BarFirst is false (the left-hand EAN/UPC digits start with a space).
template <std::size_t N>
constexpr std::array<char, N> ModulesOf(std::string_view Widths, bool BarFirst = true) {
    std::array<char, N> modules{};
    for (std::size_t i = 0; i < N; ++i)
        modules[i] = static_cast<char>((i % 2 == 0) == BarFirst ? Widths[i] + 4 : Widths[i] - 1);
    return modules;
}

// Narrow and wide elements, bars and spaces alternating from a bar, as pattern characters:
// an element marked Wide is wide, any other narrow. The ratio gives them their widths.
template <std::size_t N>
constexpr std::array<char, N> NarrowWideModules(std::string_view Elements, char Wide) {
    std::array<char, N> modules{};
    for (std::size_t i = 0; i < N; ++i) {
        const bool wide = Elements[i] == Wide;
        modules[i] = i % 2 == 0 ? (wide ? '6' : '5') : (wide ? '1' : '0');
    }
    return modules;
}

// Whether Marks holds Size marks, each one of Allowed.
constexpr bool IsWritten(std::string_view Marks, std::size_t Size, std::string_view Allowed) {
    return Marks.size() == Size && std::ranges::all_of(Marks, [Allowed](char Mark) {
               return Allowed.find(Mark) != std::string_view::npos;
           });
}

constexpr int CountOf(std::string_view Marks, char Mark) {
    return static_cast<int>(std::ranges::count(Marks, Mark));
}

// The count of Mark in every second mark from First on: First 0 counts the bars of a
// character written bar first, 1 its spaces.
constexpr int CountFrom(std::string_view Marks, char Mark, std::size_t First) {
    int count = 0;
    for (std::size_t i = First; i < Marks.size(); i += 2)
        count += Marks[i] == Mark ? 1 : 0;
    return count;
}

// The modules of every second element of a width string, from element First on: First 0
// counts the kind the string starts with, 1 the other.
constexpr int ModulesFrom(std::string_view Widths, std::size_t First) {
    int modules = 0;
    for (std::size_t i = First; i < Widths.size(); i += 2)
        modules += Widths[i] - '0';
    return modules;
}

constexpr int ModuleCount(std::string_view Widths) {
    return ModulesFrom(Widths, 0) + ModulesFrom(Widths, 1);
}

// Whether Pattern, drawn at whole modules (narrow 1, wide 2, then 3 and 4), is Bits: one
// mark per module, '1' dark. Guards are written as the standards draw them this way.
constexpr bool DrawsModules(std::string_view Pattern, std::string_view Bits) {
    std::size_t at = 0;
    for (const char ch : Pattern) {
        const bool bar = ch >= '5' && ch <= '8';
        if (!bar && (ch < '0' || ch > '3'))
            return false;
        for (int m = 0; m <= (bar ? ch - '5' : ch - '0'); ++m, ++at)
            if (at >= Bits.size() || Bits[at] != (bar ? '1' : '0'))
                return false;
    }
    return at == Bits.size();
}

// Whether no two rows of Table give the same Key: a row typed twice leaves a character
// that no reader can tell from the other.
template <typename Table, typename Key> constexpr bool AllDistinct(const Table& Rows, Key KeyOf) {
    for (std::size_t i = 0; i < Rows.size(); ++i)
        for (std::size_t j = i + 1; j < Rows.size(); ++j)
            if (KeyOf(Rows[i]) == KeyOf(Rows[j]))
                return false;
    return true;
}

} // namespace quillmark
