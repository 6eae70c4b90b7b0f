#include "module_runs.h"

#include <climits>

namespace quillmark {

std::vector<TModuleRun> ModuleRuns(const std::string& Pattern, const ElementWidths& Widths) {
    std::vector<TModuleRun> runs;
    runs.reserve(Pattern.size());
    long long x = 0; // 64 bits, so that an absurdly long pattern is refused, not wrapped
    for (const char ch : Pattern) {
        int w = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, Widths, w, kind);
        if (x + w > INT_MAX)
            throw Exception("Barcode too long to draw.");
        if (!runs.empty() && runs.back().Kind == kind)
            runs.back().Width += w;
        else
            runs.push_back({static_cast<int>(x), w, kind});
        x += w;
    }
    return runs;
}

} // namespace quillmark
