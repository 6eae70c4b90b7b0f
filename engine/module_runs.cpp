#include "module_runs.h"

#include "module_alphabet.h"

#include <array>
#include <climits>

namespace quillmark {

std::vector<TModuleRun> ModuleRuns(const std::string& Pattern, const ElementWidths& Widths) {
    const std::array<int, 4> widths = {Widths.Narrow, Widths.Wide, Widths.Wide15, Widths.Wide2};
    std::vector<TModuleRun> runs(Pattern.size());
    std::size_t count = 0;
    long long x = 0; // 64 bits, so that an absurdly long pattern is refused, not wrapped
    for (const char ch : Pattern) {
        const ModuleInfo& info = Alphabet[static_cast<unsigned char>(ch)];
        if (info.Class == NoClass)
            throw Exception("Internal Error.");
        const int w = widths[static_cast<std::size_t>(info.Class)];
        if (x + w > INT_MAX)
            throw Exception("Barcode too long to draw.");
        if (count > 0 && runs[count - 1].Kind == info.Kind)
            runs[count - 1].Width += w;
        else
            runs[count++] = {static_cast<int>(x), w, info.Kind};
        x += w;
    }
    runs.resize(count);
    return runs;
}

} // namespace quillmark
