// A typed standard number's parts between hyphens, and the ISO modulo 11 check character
// that ISBN-10 and ISSN share.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

struct THyphenParts {
    std::vector<std::string> Parts; // one when the number has no hyphens
    std::string Joined;             // the number without its hyphens
    bool Hyphenated() const { return Parts.size() > 1; }
};

// Typed split at its hyphens. Raises Exception for a hyphen first, last or doubled, which
// leaves a part of Name empty.
THyphenParts SplitHyphens(const std::string& Typed, const std::string& Name);

// Raises Exception unless Number is unhyphenated, or in Shape's parts (named, comma
// separated: "prefix, group, publisher, title, check digit") with a single check character
// last.
void RequireParts(const THyphenParts& Number, const std::string& Typed, const std::string& Name,
                  std::string_view Shape);

// The check character over Digits weighted from Digits.size() + 1 down to 2, modulo 11,
// X standing for 10 (ISO 2108 for ISBN-10, ISO 3297 for ISSN).
char Mod11CheckCharacter(std::string_view Digits);

} // namespace quillmark
