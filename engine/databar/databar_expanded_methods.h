// GS1 DataBar Expanded's encodation methods (ISO/IEC 24724 section 7.2.5.4): the bits each
// method that fits a set of element strings puts before general-purpose compaction.
#pragma once

#include "gs1.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace quillmark {

// The FNC1 general-purpose compaction carries after an element string of variable length.
inline constexpr char ExpandedFnc1 = '\x1d';

// One method's start: linkage flag, method, and its compressed fields.
struct TExpandedMethod {
    std::string Bits;
    // Where the two bits of the symbol's length stand; none for the fixed-length methods,
    // which carry nothing else and so take no padding either.
    std::optional<std::size_t> LengthField;
    // What general-purpose compaction carries after Bits (FNC1 as ExpandedFnc1); none for
    // the fixed-length methods.
    std::optional<std::string> Rest;
};

// Value's Count low bits, most significant first, as '0' and '1'.
void AppendBits(std::string& Bits, long long Value, int Count);

// Every method that carries Elements, in the order a tie between them is settled: the
// compressed ones first.
std::vector<TExpandedMethod> ExpandedMethods(const std::vector<TGS1Element>& Elements);

} // namespace quillmark
