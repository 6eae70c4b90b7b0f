#include "gs1_linters.h"
#include "gs1_ai_table.h"

#include <algorithm>

namespace quillmark {

std::optional<TGS1LintFault> LintGS1(TGS1Linter Linter, std::string_view Component) {
    switch (Linter) {
    case TGS1Linter::Unchecked:
        return std::nullopt;
    case TGS1Linter::CSum:
    case TGS1Linter::CSumAlpha:
    case TGS1Linter::Iban:
        return LintGS1CheckCharacters(Linter, Component);
    case TGS1Linter::Yymmd0:
    case TGS1Linter::Yymmdd:
    case TGS1Linter::Yyyymmdd:
    case TGS1Linter::Hh:
    case TGS1Linter::Hhmi:
    case TGS1Linter::Mi:
    case TGS1Linter::Ss:
        return LintGS1DateTime(Linter, Component);
    default:
        return LintGS1Values(Linter, Component);
    }
}

std::vector<std::string_view> CheckedGS1Linters() {
    std::vector<std::string_view> names;
    for (const auto& named : GS1LinterNames)
        names.push_back(named.first);
    return names;
}

std::vector<std::string_view> UncheckedGS1Linters() {
    std::vector<std::string_view> names;
    for (const TGS1AIEntry& entry : GS1AIEntries())
        for (const TGS1Component& component : entry.Components)
            for (const TGS1LinterUse& use : component.Linters)
                if (use.Linter == TGS1Linter::Unchecked)
                    names.push_back(use.Name);
    std::sort(names.begin(), names.end());
    names.erase(std::unique(names.begin(), names.end()), names.end());
    return names;
}

} // namespace quillmark
