// The Application Identifiers of the GS1 Barcode Syntax Dictionary as constant data; the
// build generates the table (gs1_ai_table.cpp) from engine/gs1/gs1-syntax-dictionary.txt.
#pragma once

#include "gs1_linters.h"
#include <quillmark/quillmark_engine_export.h>

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace quillmark {

struct TGS1LinterUse {
    // Implicit, so that the generated table can list rules by name alone.
    constexpr TGS1LinterUse(std::string_view Name) : Name(Name), Linter(GS1LinterNamed(Name)) {}
    std::string_view Name;
    TGS1Linter Linter;
};

// One component of an AI's data: "N14,csum,gcppos2" or "[X..17]".
struct TGS1Component {
    char Type; // 'N' digits, 'X' character set 82, 'Y' character set 39, 'Z' base64url
    std::uint8_t Min;
    std::uint8_t Max;
    bool Optional;
    std::span<const TGS1LinterUse> Linters;
};

// One "req=" attribute: each alternative is AIs joined by '+', 'n' standing for any digit.
struct TGS1Requirement {
    std::span<const std::string_view> Alternatives; // "01+21", "02", "35nn"
};

// One line of the dictionary: an AI or a range of AIs of the same length.
struct TGS1AIEntry {
    std::string_view First;
    std::string_view Last;
    bool Predefined; // the '*' flag: no FNC1 separator follows the data
    std::span<const TGS1Component> Components;
    std::span<const TGS1Requirement> Requires;
    std::span<const std::string_view> Excludes; // "ex=" patterns, as in Requires
    // The '?' flag: a GS1 Digital Link URI may carry the AI in its query.
    bool DataAttribute;
    // "dlpkey": the AI is a primary key of a GS1 Digital Link URI, and QualifierPaths its
    // alternative orders of qualifier AIs in the path ("22,10,21", "235"), any of which may
    // be left out; none when the key takes no qualifiers.
    bool PrimaryKey;
    std::span<const std::string_view> QualifierPaths;
    std::string_view Title;
};

// The entries in the dictionary's order.
QUILLMARK_ENGINE_EXPORT std::span<const TGS1AIEntry> GS1AIEntries();

// The entry defining AI, given as its digits; none when AI is not defined.
const TGS1AIEntry* FindGS1AI(std::string_view AI);

// The AIs of a list in the table, "01+21" split at '+' or "22,10,21" at ','.
std::vector<std::string_view> SplitGS1List(std::string_view List, char Separator);

// AI matches Pattern: the same length, and 'n' in the pattern takes any digit.
bool MatchesGS1Pattern(std::string_view AI, std::string_view Pattern);

} // namespace quillmark
