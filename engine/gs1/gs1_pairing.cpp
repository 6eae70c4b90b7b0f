// The dictionary's rules on which AIs go together: "req" asks for a companion, "ex" forbids
// one. They concern the whole message, so ParseGS1 leaves them to the caller.
#include "gs1.h"

#include "gs1_ai_table.h"

#include <algorithm>
#include <set>
#include <utility>

namespace quillmark {
namespace {

bool Present(const std::vector<TGS1Element>& Elements, std::string_view Pattern) {
    return std::any_of(Elements.begin(), Elements.end(), [Pattern](const TGS1Element& e) {
        return MatchesGS1Pattern(e.AI, Pattern);
    });
}

bool Satisfied(const std::vector<TGS1Element>& Elements, const TGS1Requirement& Requirement) {
    return std::any_of(Requirement.Alternatives.begin(), Requirement.Alternatives.end(),
                       [&Elements](std::string_view Alternative) {
                           const auto ais = SplitGS1List(Alternative, '+');
                           return std::all_of(ais.begin(), ais.end(), [&](std::string_view ai) {
                               return Present(Elements, ai);
                           });
                       });
}

// "(01) with (21) and (8040)".
std::string Described(std::string_view Alternative) {
    const auto ais = SplitGS1List(Alternative, '+');
    std::string text;
    for (std::size_t i = 0; i < ais.size(); ++i)
        text += (i == 0 ? "" : i == 1 ? " with " : " and ") + ("(" + std::string(ais[i]) + ")");
    return text;
}

// "(01), (02) or (03)".
std::string Listed(std::span<const std::string_view> Alternatives) {
    std::string text;
    for (std::size_t i = 0; i < Alternatives.size(); ++i)
        text += (i == 0                         ? ""
                 : i + 1 == Alternatives.size() ? " or "
                                                : ", ") +
                Described(Alternatives[i]);
    return text;
}

} // namespace

std::vector<std::string> GS1PairingProblems(const std::vector<TGS1Element>& Elements) {
    std::vector<std::string> problems;
    const auto add = [&problems](std::string Problem) {
        if (std::find(problems.begin(), problems.end(), Problem) == problems.end())
            problems.push_back(std::move(Problem));
    };
    // Each forbidden pair once, though both AIs' entries may forbid it.
    std::set<std::pair<std::string, std::string>> forbidden;
    for (std::size_t i = 0; i < Elements.size(); ++i) {
        const TGS1Element& element = Elements[i];
        for (std::size_t j = 0; j < i; ++j)
            if (Elements[j].AI == element.AI && Elements[j].Data != element.Data)
                add("(" + element.AI + ") appears more than once with different data");
        const TGS1AIEntry* entry = FindGS1AI(element.AI);
        if (entry == nullptr)
            continue;
        for (const TGS1Requirement& requirement : entry->Requires)
            if (!Satisfied(Elements, requirement))
                add("(" + element.AI + ") needs " + Listed(requirement.Alternatives) +
                    " in the same symbol");
        for (const std::string_view pattern : entry->Excludes)
            for (const TGS1Element& other : Elements) {
                // An AI is not exclusive of itself, even where it matches the pattern.
                if (other.AI == element.AI || !MatchesGS1Pattern(other.AI, pattern))
                    continue;
                if (forbidden.insert(std::minmax(element.AI, other.AI)).second)
                    add("(" + element.AI + ") may not appear with (" + other.AI + ")");
            }
    }
    return problems;
}

} // namespace quillmark
