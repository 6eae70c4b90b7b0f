// Where each label of a run goes: the template's cells in order, page after page, from a
// cell of the first page on; a roll gives every label a page of its own at the label's size.
#pragma once

#include "label_template.h"

#include <cstdint>
#include <vector>

namespace quillmark {

struct TLabelSlot {
    std::uint64_t Page = 0; // counted from 0
    TLabelCell Cell;
};

// A roll (IsRoll, or a continuous label): one label a page, the page the label's size.
bool PrintsOnePerPage(const TLabelTemplate& Sheet);

class TSheetPlan {
public:
    // Cells that run off the page (the data of a few carried layouts puts them there) are
    // left out; a template none of whose cells lies on its page is refused. Skip counts the
    // cells used, and must leave one on the first page. Both refusals raise Exception.
    TSheetPlan(const TLabelTemplate& Sheet, std::uint64_t Skip);

    double PageWidth() const noexcept { return FPageWidth; }
    double PageHeight() const noexcept { return FPageHeight; }
    const std::vector<TLabelCell>& PageCells() const noexcept { return FCells; }

    // The place of the next label.
    TLabelSlot Next();

private:
    std::vector<TLabelCell> FCells;
    double FPageWidth = 0;
    double FPageHeight = 0;
    std::uint64_t FNext = 0; // cells taken so far, skipped ones included
};

} // namespace quillmark
