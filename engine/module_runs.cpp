#include "module_runs.h"

#include "module_alphabet.h"

#include <climits>

namespace quillmark {

std::vector<TModuleRun> ModuleRuns(const std::string& Pattern, const ElementWidths& Widths) {
    std::vector<TModuleRun> runs;
    runs.reserve(Pattern.size());
    long long x = 0; // 64 bits, so that an absurdly long pattern is refused, not wrapped
    for (const char ch : Pattern) {
        const ModuleInfo& info = Alphabet[static_cast<unsigned char>(ch)];
        if (info.Class == NoClass)
            throw Exception("Internal Error.");
        const int w = WidthOf(info.Class, Widths);
        if (x + w > INT_MAX)
            throw Exception("Barcode too long to draw.");
        if (!runs.empty() && runs.back().Kind == info.Kind)
            runs.back().Width += w;
        else
            runs.push_back({static_cast<int>(x), w, info.Kind});
        x += w;
    }
    return runs;
}

} // namespace quillmark
