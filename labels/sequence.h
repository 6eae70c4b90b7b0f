// Values counted from one whole number to another, "FROM..TO" or "FROM..TO/STEP", each
// written through a template such as "QM-{seq:07}": labels numbered without a table.
#pragma once

#include "value_template.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quillmark {

struct TSequenceRange {
    std::int64_t From = 1;
    std::int64_t To = 1;
    std::int64_t Step = 1;
};

// Reads "FROM..TO[/STEP]". Without a step the sequence counts by 1 towards TO, down as well
// as up; a step that does not land on TO stops at the last number before it, as seq(1)
// does. Raises Exception naming the part that is wrong: a number that is not one or is too
// large, a step of 0, or a step that leads away from TO.
TSequenceRange ParseSequenceRange(std::string_view Text);

// The values of a range, made one at a time.
class TSequence {
public:
    // Template must use {seq}, and no other field; raises Exception otherwise.
    explicit TSequence(const TSequenceRange& Range, std::string_view Template = "{seq}");

    // The next value, or nothing after the last.
    std::optional<std::string> Next();

private:
    TSequenceRange FRange;
    TValueTemplate FTemplate;
    std::uint64_t FLast; // the index of the last value
    std::uint64_t FNext = 0;
    bool FDone = false;
};

} // namespace quillmark
