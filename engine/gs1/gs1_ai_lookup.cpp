#include "gs1_ai_table.h"

#include <algorithm>

namespace quillmark {

const TGS1AIEntry* FindGS1AI(std::string_view AI) {
    // A range holds AIs of its own length, so comparing as text orders them as numbers.
    const auto entries = GS1AIEntries();
    const auto found = std::find_if(entries.begin(), entries.end(), [AI](const TGS1AIEntry& e) {
        return e.First.size() == AI.size() && e.First <= AI && AI <= e.Last;
    });
    return found == entries.end() ? nullptr : &*found;
}

std::vector<std::string_view> SplitGS1List(std::string_view List, char Separator) {
    std::vector<std::string_view> ais;
    for (std::size_t start = 0;;) {
        const std::size_t end = List.find(Separator, start);
        ais.push_back(List.substr(start, end - start));
        if (end == std::string_view::npos)
            return ais;
        start = end + 1;
    }
}

bool MatchesGS1Pattern(std::string_view AI, std::string_view Pattern) {
    if (AI.size() != Pattern.size())
        return false;
    for (std::size_t i = 0; i < AI.size(); ++i)
        if (AI[i] != Pattern[i] && !(Pattern[i] == 'n' && AI[i] >= '0' && AI[i] <= '9'))
            return false;
    return true;
}

} // namespace quillmark
