// The GS1 AI table's rows as plain data: each checked by the engine alone, and the whole
// value, its element string and Digital Link URI as the engine makes them.
#pragma once

#include <quillmark/engine.h>
#include <quillmark/module_grid.h>

#include <string>
#include <string_view>
#include <vector>

namespace quillmark::studio {

// One row as typed: an AI's digits and its data.
struct TGs1Row {
    std::string AI;
    std::string Data;

    bool Empty() const { return AI.empty() && Data.empty(); }
};

// What the engine says of one row: the dictionary's title of its AI and the row's fault,
// empty when it has none (or the row is empty); data one digit short of its check digit is
// shown completed.
struct TGs1RowCheck {
    std::string Title;
    std::string Problem;
};
TGs1RowCheck CheckGs1Row(const TGs1Row& Row);

// The rows as one value of Type.
struct TGs1Summary {
    std::string Value;         // as the engine takes it: "(01)09501101530003(10)AB1"
    std::string ElementString; // as printed under the symbol
    std::string URI;           // the GS1 Digital Link URI, for that type alone
    std::string Problem;       // the first fault: a row's, a pairing's, then the symbol's
};
// Options: the symbol's settings that decide whether it holds the rows (DataBar Expanded
// Stacked's segments) and the URI's domain.
TGs1Summary SummariseGs1(TBarType Type, const std::vector<TGs1Row>& Rows,
                         const TMatrixOptions& Options);

// The rows of pasted element strings, written "(01)...(10)..." or "[01]...[10]...", each
// kept as typed for its row to show its own fault. Raises the engine's message for text
// that isn't bracketed AIs.
std::vector<TGs1Row> Gs1RowsOf(std::string_view Text);

// The types whose value is GS1 element strings, edited as a table of AIs: those the
// catalogue says carry what GS1-128 carries.
bool TakesGs1Elements(TBarType Type);

} // namespace quillmark::studio
