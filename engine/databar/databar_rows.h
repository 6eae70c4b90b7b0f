// Rows of modules from element widths, and the separator rows a stacked symbol puts between
// its data rows.
#pragma once

#include <string>
#include <vector>

namespace quillmark {

// Widths in the opposite order: a character or finder read right to left.
std::vector<int> Reversed(std::vector<int> Widths);

// Elements of Widths alternating from a light one, or a dark one when DarkFirst.
std::string ModulesOf(const std::vector<int>& Widths, bool DarkFirst = false);

// Modules [Begin, End) of a data row, as a finder pattern occupies them.
struct TModuleSpan {
    int Begin;
    int End;
};

// The separator beside Row: its complement, with the finder's light modules in Finders
// broken into alternating dark and light (from the right for a row read right to left) so
// that the separator shows no wide dark bar there, and the four modules at each end light.
std::string SeparatorBeside(const std::string& Row, const std::vector<TModuleSpan>& Finders,
                            bool FromRight = false);

// The one separator between two rows of equal width: the complement where they agree,
// alternating where they differ.
std::string SeparatorBetween(const std::string& Top, const std::string& Bottom);

// The middle separator of three: light and dark modules alternating, its ends light.
std::string AlternatingSeparator(int Width);

} // namespace quillmark
