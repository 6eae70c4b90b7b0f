#include "label_align.h"

#include "near_names.h"

#include <quillmark/engine.h>

#include <string>

namespace quillmark {

TLabelAlign LabelAlignFromName(std::string_view Name) {
    const std::string Wanted = Lowered(Name);
    for (std::size_t i = 0; i < LabelAlignNames.size(); ++i)
        if (LabelAlignNames[i] == Wanted)
            return static_cast<TLabelAlign>(i);
    std::string Known;
    for (const std::string_view Each : LabelAlignNames)
        Known += (Known.empty() ? "" : ", ") + std::string(Each);
    throw Exception("The alignment '" + std::string(Name) +
                    "' is not one a label knows; name one of " + Known + ".");
}

TAlignPush AlignPush(TLabelAlign Align) {
    // In TLabelAlign's order.
    constexpr std::array<TAlignPush, LabelAlignNames.size()> Pushes{
        {{0, 0}, {0, -1}, {0, 1}, {-1, 0}, {1, 0}, {-1, -1}, {1, -1}, {-1, 1}, {1, 1}}};
    return Pushes[static_cast<std::size_t>(Align)];
}

} // namespace quillmark
