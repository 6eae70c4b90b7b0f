// The element widths of a GS1 DataBar character from its value, counted as ISO/IEC 24724's
// annex counts them: a group's values number the ways of sharing its modules among its
// elements in ascending order.
#pragma once

#include <vector>

namespace quillmark {

// How a character's odd or even elements share their modules.
struct TWidthsGroup {
    int Modules;  // the elements' total width
    int Elements; // how many there are
    int Widest;   // no element wider than this
    bool Narrow;  // at least one element of width 1
};

// The Value-th pattern (from 0) of Group, widths in reading order.
std::vector<int> PatternWidths(int Value, const TWidthsGroup& Group);

// Odd and even widths interleaved, odd first: a character's elements in reading order.
std::vector<int> Interleave(const std::vector<int>& Odd, const std::vector<int>& Even);

} // namespace quillmark
