// GS1 DataBar (ISO/IEC 24724): the encoders of a GTIN's symbols, which draw as rows of
// modules of differing heights rather than one row of bars.
#pragma once

#include "module_grid.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

// A symbol as rows of modules, top to bottom, without quiet zones. The stacked forms carry
// separator rows of 1X between their data rows, so the rows' heights differ and a uniform
// grid would not describe them.
struct TBarRows {
    std::vector<std::string> Rows; // '1' dark, '0' light, one character a module
    std::vector<int> Heights;      // each row's height in X, as the standard's figures draw it

    bool operator==(const TBarRows&) const = default;
};

// The forms of the GTIN symbol that share its characters.
enum class TDataBarForm : std::uint8_t {
    Omnidirectional,
    Truncated,
    Stacked,
    StackedOmnidirectional
};

// The 14 digits of a GTIN written with 13 (its GS1 check digit appended) or 14 (checked).
// Raises Exception naming what to change: a non-digit, the length, the right check digit.
std::string DataBarGtin(std::string_view Value);

// The symbol of Value (as DataBarGtin reads it) in Form.
TBarRows EncodeDataBar(std::string_view Value, TDataBarForm Form);

// GS1 DataBar Limited, for a GTIN whose indicator digit is 0 or 1.
TBarRows EncodeDataBarLimited(std::string_view Value);

// GS1 DataBar Expanded for AI element strings, "(01)...(10)...", each checked as ParseGS1
// checks it but held to the symbol's 21 data characters rather than GS1-128's 48, in the
// shortest of the standard's encodation methods: in one row when Segments is 0, else stacked
// with Segments (even, 2 to 22) characters a row.
TBarRows EncodeDataBarExpanded(std::string_view Value, int Segments = 0);

// Raises Exception naming the range unless Segments is one Expanded Stacked takes.
void CheckExpandedSegments(int Segments);

// The human-readable text of a GTIN symbol: "(01)09501101530003".
std::string DataBarText(std::string_view Value);

} // namespace quillmark
