#include "sheet_plan.h"

#include <quillmark/engine.h>

#include <algorithm>
#include <string>

namespace quillmark {
namespace {

// The files round inch and point conversions to about this much.
constexpr double PageRoundingMM = 0.01;

bool OnPage(const TLabelCell& Cell, double PageWidth, double PageHeight) {
    return Cell.X >= -PageRoundingMM && Cell.Y >= -PageRoundingMM &&
           Cell.X + Cell.Width <= PageWidth + PageRoundingMM &&
           Cell.Y + Cell.Height <= PageHeight + PageRoundingMM;
}

} // namespace

bool PrintsOnePerPage(const TLabelTemplate& Sheet) {
    return Sheet.IsRoll() || Sheet.Shape == TLabelShape::Continuous;
}

TSheetPlan::TSheetPlan(const TLabelTemplate& Sheet, std::uint64_t Skip) {
    if (PrintsOnePerPage(Sheet)) {
        FPageWidth = Sheet.Width;
        FPageHeight = Sheet.Height;
        FCells.push_back({0, 0, Sheet.Width, Sheet.Height});
        if (Skip > 0)
            throw Exception("The roll " + Sheet.Name() +
                            " prints each label on a page of its own and has no cells to skip; "
                            "leave the skip at 0.");
        return;
    }
    FPageWidth = Sheet.PageWidth;
    FPageHeight = Sheet.PageHeight;
    for (const TLabelCell& Cell : Cells(Sheet))
        if (OnPage(Cell, FPageWidth, FPageHeight))
            FCells.push_back(Cell);
    if (FCells.empty())
        throw Exception("The template " + Sheet.Name() +
                        " places none of its labels on its page; its data is faulty, so choose "
                        "another template.");
    if (Skip >= FCells.size())
        throw Exception("A sheet of " + Sheet.Name() + " holds " + std::to_string(FCells.size()) +
                        " labels, so skipping " + std::to_string(Skip) +
                        " leaves none on the first page; skip at most " +
                        std::to_string(FCells.size() - 1) + ".");
    FNext = Skip;
}

TLabelSlot TSheetPlan::Next() {
    const std::uint64_t Taken = FNext++;
    return {Taken / FCells.size(), FCells[Taken % FCells.size()]};
}

} // namespace quillmark
