#include "module_runs.h"

#include "error_messages.h"
#include "module_alphabet.h"

#include <array>
#include <climits>

namespace quillmark {

std::vector<TModuleRun> ModuleRuns(const std::string& Pattern, const ElementWidths& Widths) {
    const std::array<int, 4> widths = {Widths.Narrow, Widths.Wide, Widths.Wide15, Widths.Wide2};
    std::vector<TModuleRun> runs;
    runs.reserve(Pattern.size());
    // The open run stays in registers; it is stored only when the kind changes.
    TModuleRun open;
    bool opened = false;
    long long x = 0; // 64 bits, so that an absurdly long pattern is refused, not wrapped
    for (const char ch : Pattern) {
        const ModuleInfo& info = Alphabet[static_cast<unsigned char>(ch)];
        if (info.Class == NoClass)
            throw Exception(InternalErrorMessage);
        const int w = widths[static_cast<std::size_t>(info.Class)];
        if (x + w > INT_MAX)
            throw Exception(TooLongMessage);
        if (opened && open.Kind == info.Kind) {
            open.Width += w;
        } else {
            if (opened)
                runs.push_back(open);
            open = {static_cast<int>(x), w, info.Kind};
            opened = true;
        }
        x += w;
    }
    if (opened)
        runs.push_back(open);
    return runs;
}

} // namespace quillmark
