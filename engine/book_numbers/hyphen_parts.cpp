// Parts between hyphens, their count and the modulo 11 check character.
#include "hyphen_parts.h"

#include "engine.h"

#include <algorithm>

namespace quillmark {

THyphenParts SplitHyphens(const std::string& Typed, const std::string& Name) {
    THyphenParts number;
    std::size_t from = 0;
    while (true) {
        const std::size_t hyphen = std::min(Typed.find('-', from), Typed.size());
        if (hyphen == from)
            throw Exception(Typed + " : A hyphen first, last or doubled leaves a part of the " +
                            Name + " empty.");
        number.Parts.push_back(Typed.substr(from, hyphen - from));
        number.Joined += number.Parts.back();
        if (hyphen == Typed.size())
            return number;
        from = hyphen + 1;
    }
}

void RequireParts(const THyphenParts& Number, const std::string& Typed, const std::string& Name,
                  std::string_view Shape) {
    if (!Number.Hyphenated())
        return;
    const auto count = static_cast<std::size_t>(std::ranges::count(Shape, ',')) + 1;
    if (Number.Parts.size() != count)
        throw Exception(Typed + " : An " + Name + " is written in " + std::to_string(count) +
                        " parts (" + std::string(Shape) + ") with hyphens between; this has " +
                        std::to_string(Number.Parts.size()) + ".");
    if (Number.Parts.back().size() != 1)
        throw Exception(Typed + " : The " + Name +
                        " check character stands alone after the last hyphen.");
}

char Mod11CheckCharacter(std::string_view Digits) {
    int sum = 0;
    int weight = static_cast<int>(Digits.size()) + 1;
    for (const char digit : Digits)
        sum += (digit - '0') * weight--;
    const int check = (11 - sum % 11) % 11;
    return check == 10 ? 'X' : static_cast<char>('0' + check);
}

} // namespace quillmark
