#include "databar.h"

#include "databar_characters.h"
#include "databar_rows.h"
#include "engine.h"

#include <array>
#include <string>

namespace quillmark {
namespace {

// The check characters, indexed by the checksum: fourteen elements of 18 modules, dark first.
// ISO/IEC 24724 lists them in a table of its own, with no public copy found: zint's symbols
// check every entry (the peer comparison's 1,000 GTINs meet all 89 checksums).
constexpr std::array<std::array<int, 14>, 89> CheckCharacters{{
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 3, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 2, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 1, 3, 3, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 2, 1, 1, 3, 2, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 2, 1, 2, 3, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 3, 1, 1, 3, 1, 1, 1},
    {1, 1, 1, 1, 1, 2, 1, 1, 1, 1, 3, 2, 1, 1}, {1, 1, 1, 1, 1, 2, 1, 1, 1, 2, 3, 1, 1, 1},
    {1, 1, 1, 1, 1, 2, 1, 2, 1, 1, 3, 1, 1, 1}, {1, 1, 1, 1, 1, 3, 1, 1, 1, 1, 3, 1, 1, 1},
    {1, 1, 1, 2, 1, 1, 1, 1, 1, 1, 3, 2, 1, 1}, {1, 1, 1, 2, 1, 1, 1, 1, 1, 2, 3, 1, 1, 1},
    {1, 1, 1, 2, 1, 1, 1, 2, 1, 1, 3, 1, 1, 1}, {1, 1, 1, 2, 1, 2, 1, 1, 1, 1, 3, 1, 1, 1},
    {1, 1, 1, 3, 1, 1, 1, 1, 1, 1, 3, 1, 1, 1}, {1, 2, 1, 1, 1, 1, 1, 1, 1, 1, 3, 2, 1, 1},
    {1, 2, 1, 1, 1, 1, 1, 1, 1, 2, 3, 1, 1, 1}, {1, 2, 1, 1, 1, 1, 1, 2, 1, 1, 3, 1, 1, 1},
    {1, 2, 1, 1, 1, 2, 1, 1, 1, 1, 3, 1, 1, 1}, {1, 2, 1, 2, 1, 1, 1, 1, 1, 1, 3, 1, 1, 1},
    {1, 3, 1, 1, 1, 1, 1, 1, 1, 1, 3, 1, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 2, 1, 2, 3, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 2, 3, 2, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 2, 2, 1, 2, 2, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 2, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 3, 2, 1, 2, 1, 1, 1}, {1, 1, 1, 1, 1, 2, 1, 1, 2, 1, 2, 2, 1, 1},
    {1, 1, 1, 1, 1, 2, 1, 1, 2, 2, 2, 1, 1, 1}, {1, 1, 1, 1, 1, 2, 1, 2, 2, 1, 2, 1, 1, 1},
    {1, 1, 1, 1, 1, 3, 1, 1, 2, 1, 2, 1, 1, 1}, {1, 1, 1, 2, 1, 1, 1, 1, 2, 1, 2, 2, 1, 1},
    {1, 1, 1, 2, 1, 1, 1, 1, 2, 2, 2, 1, 1, 1}, {1, 1, 1, 2, 1, 1, 1, 2, 2, 1, 2, 1, 1, 1},
    {1, 1, 1, 2, 1, 2, 1, 1, 2, 1, 2, 1, 1, 1}, {1, 1, 1, 3, 1, 1, 1, 1, 2, 1, 2, 1, 1, 1},
    {1, 2, 1, 1, 1, 1, 1, 1, 2, 1, 2, 2, 1, 1}, {1, 2, 1, 1, 1, 1, 1, 1, 2, 2, 2, 1, 1, 1},
    {1, 2, 1, 1, 1, 1, 1, 2, 2, 1, 2, 1, 1, 1}, {1, 2, 1, 1, 1, 2, 1, 1, 2, 1, 2, 1, 1, 1},
    {1, 2, 1, 2, 1, 1, 1, 1, 2, 1, 2, 1, 1, 1}, {1, 3, 1, 1, 1, 1, 1, 1, 2, 1, 2, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 1, 3, 1, 1, 3, 1, 1}, {1, 1, 1, 1, 1, 1, 1, 1, 3, 2, 1, 2, 1, 1},
    {1, 1, 1, 1, 1, 1, 1, 2, 3, 1, 1, 2, 1, 1}, {1, 1, 1, 2, 1, 1, 1, 1, 3, 1, 1, 2, 1, 1},
    {1, 2, 1, 1, 1, 1, 1, 1, 3, 1, 1, 2, 1, 1}, {1, 1, 1, 1, 1, 1, 2, 1, 1, 1, 2, 3, 1, 1},
    {1, 1, 1, 1, 1, 1, 2, 1, 1, 2, 2, 2, 1, 1}, {1, 1, 1, 1, 1, 1, 2, 1, 1, 3, 2, 1, 1, 1},
    {1, 1, 1, 1, 1, 1, 2, 2, 1, 1, 2, 2, 1, 1}, {1, 1, 1, 2, 1, 1, 2, 1, 1, 1, 2, 2, 1, 1},
    {1, 1, 1, 2, 1, 1, 2, 1, 1, 2, 2, 1, 1, 1}, {1, 1, 1, 2, 1, 1, 2, 2, 1, 1, 2, 1, 1, 1},
    {1, 1, 1, 2, 1, 2, 2, 1, 1, 1, 2, 1, 1, 1}, {1, 1, 1, 3, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1},
    {1, 2, 1, 1, 1, 1, 2, 1, 1, 1, 2, 2, 1, 1}, {1, 2, 1, 1, 1, 1, 2, 1, 1, 2, 2, 1, 1, 1},
    {1, 2, 1, 2, 1, 1, 2, 1, 1, 1, 2, 1, 1, 1}, {1, 1, 1, 1, 2, 1, 1, 1, 1, 1, 2, 3, 1, 1},
    {1, 1, 1, 1, 2, 1, 1, 1, 1, 2, 2, 2, 1, 1}, {1, 1, 1, 1, 2, 1, 1, 1, 1, 3, 2, 1, 1, 1},
    {1, 1, 1, 1, 2, 1, 1, 2, 1, 1, 2, 2, 1, 1}, {1, 1, 1, 1, 2, 1, 1, 2, 1, 2, 2, 1, 1, 1},
    {1, 1, 1, 1, 2, 2, 1, 1, 1, 1, 2, 2, 1, 1}, {1, 2, 1, 1, 2, 1, 1, 1, 1, 1, 2, 2, 1, 1},
    {1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 1, 1, 1}, {1, 2, 1, 1, 2, 1, 1, 2, 1, 1, 2, 1, 1, 1},
    {1, 2, 1, 1, 2, 2, 1, 1, 1, 1, 2, 1, 1, 1}, {1, 2, 1, 2, 2, 1, 1, 1, 1, 1, 2, 1, 1, 1},
    {1, 3, 1, 1, 2, 1, 1, 1, 1, 1, 2, 1, 1, 1}, {1, 1, 2, 1, 1, 1, 1, 1, 1, 1, 2, 3, 1, 1},
    {1, 1, 2, 1, 1, 1, 1, 1, 1, 2, 2, 2, 1, 1}, {1, 1, 2, 1, 1, 1, 1, 1, 1, 3, 2, 1, 1, 1},
    {1, 1, 2, 1, 1, 1, 1, 2, 1, 1, 2, 2, 1, 1}, {1, 1, 2, 1, 1, 1, 1, 2, 1, 2, 2, 1, 1, 1},
    {1, 1, 2, 1, 1, 1, 1, 3, 1, 1, 2, 1, 1, 1}, {1, 1, 2, 1, 1, 2, 1, 1, 1, 1, 2, 2, 1, 1},
    {1, 1, 2, 1, 1, 2, 1, 1, 1, 2, 2, 1, 1, 1}, {1, 1, 2, 2, 1, 1, 1, 1, 1, 1, 2, 2, 1, 1},
    {2, 1, 1, 1, 1, 1, 1, 1, 1, 2, 2, 2, 1, 1}, {2, 1, 1, 1, 1, 1, 1, 1, 1, 3, 2, 1, 1, 1},
    {2, 1, 1, 1, 1, 1, 1, 2, 1, 1, 2, 2, 1, 1}, {2, 1, 1, 1, 1, 1, 1, 2, 1, 2, 2, 1, 1, 1},
    {2, 1, 1, 1, 1, 1, 1, 3, 1, 1, 2, 1, 1, 1}, {2, 1, 1, 1, 1, 2, 1, 1, 1, 2, 2, 1, 1, 1},
    {2, 1, 1, 1, 1, 2, 1, 2, 1, 1, 2, 1, 1, 1}, {2, 1, 1, 2, 1, 1, 1, 1, 1, 2, 2, 1, 1, 1},
    {2, 1, 1, 1, 1, 1, 1, 1, 2, 2, 1, 2, 1, 1},
}};

constexpr int ChecksumModulus = 89;
constexpr int ChecksumBase = 3;
// The right character's values; the left takes the quotient.
constexpr long long CharacterValues = 2013571;
constexpr int CharacterElements = 14;
constexpr int RowHeight = 10;
// A light module, a dark one and five light: ISO/IEC 24724:2011 6.2 e) makes the five light
// modules part of the symbol (79 modules), where the first edition ended at the dark one.
constexpr std::array<int, 3> RightGuard{1, 1, 5};

} // namespace

TBarRows EncodeDataBarLimited(std::string_view Value) {
    const std::string gtin = DataBarGtin(Value);
    if (gtin[0] != '0' && gtin[0] != '1')
        throw Exception("GS1 DataBar Limited carries a GTIN whose first digit is 0 or 1, not " +
                        std::string(1, gtin[0]) + ": choose GS1 DataBar or another of its forms.");
    const long long value = std::stoll(gtin.substr(0, gtin.size() - 1));
    const std::vector<int> left =
        CharacterWidths(static_cast<int>(value / CharacterValues), LimitedCharacters);
    const std::vector<int> right =
        CharacterWidths(static_cast<int>(value % CharacterValues), LimitedCharacters);
    const int checksum = (WeightedSum(left, 0, ChecksumBase, ChecksumModulus) +
                          WeightedSum(right, CharacterElements, ChecksumBase, ChecksumModulus)) %
                         ChecksumModulus;
    const auto& check = CheckCharacters[checksum];

    std::vector<int> elements{1, 1};
    elements.insert(elements.end(), left.begin(), left.end());
    elements.insert(elements.end(), check.begin(), check.end());
    elements.insert(elements.end(), right.begin(), right.end());
    elements.insert(elements.end(), RightGuard.begin(), RightGuard.end());
    return {{ModulesOf(elements)}, {RowHeight}};
}

} // namespace quillmark
