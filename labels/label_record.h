// One row of a batch of labels as it is drawn: its value, where it came from, and what the
// label shows besides the symbol.
#pragma once

#include <quillmark/engine.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quillmark {

// A label carries at most this many lines of text besides its symbol.
inline constexpr std::size_t MostLabelTextLines = 3;

struct TLabelRecord {
    // Where it came from, for messages: the input line a table's row starts on, or a
    // sequence's count from 1.
    std::uint64_t Line = 0;
    // The symbol's value as the input holds it (UTF-8 or raw bytes); ValueFromText gives the
    // engine's bytes.
    std::string Value;
    std::optional<TBarType> Type;    // a type column's; none: the run's type
    std::uint64_t Copies = 1;        // a copies column's; 0 draws no label
    std::vector<std::string> Text;   // the label's text lines, UTF-8, at most MostLabelTextLines
    std::vector<std::string> Fields; // a table row's every field, in column order
};

} // namespace quillmark
