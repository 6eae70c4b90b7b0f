#include "databar.h"

#include "databar_characters.h"
#include "databar_rows.h"

#include <algorithm>
#include <array>
#include <string>

namespace quillmark {
namespace {

// The finder patterns, indexed by the check value's part: five elements, light first.
constexpr std::array<std::array<int, 5>, 9> Finders{{
    {3, 8, 2, 1, 1},
    {3, 5, 5, 1, 1},
    {3, 3, 7, 1, 1},
    {3, 1, 9, 1, 1},
    {2, 7, 4, 1, 1},
    {2, 5, 6, 1, 1},
    {2, 3, 8, 1, 1},
    {1, 5, 7, 1, 1},
    {1, 3, 9, 1, 1},
}};

// The checksum's modulus and base, and the sums no pair of finders stands for.
constexpr int ChecksumModulus = 79;
constexpr int ChecksumBase = 3;
constexpr std::array<int, 2> SkippedSums{8, 72};

// A pair of characters holds this many values, the inner character 1597.
constexpr long long PairValues = 4537077;
constexpr int InsideValues = 1597;

constexpr int RowHeight = 33;
constexpr int TruncatedHeight = 13;
constexpr std::array<int, 3> StackedHeights{5, 1, 7};
// Stacked rows' modules in which their finder patterns stand.
constexpr TModuleSpan TopFinder{18, 33};
constexpr TModuleSpan BottomFinder{17, 32};

// The 46 elements of the symbol in one row, light first.
std::vector<int> Elements(const std::string& Gtin) {
    const long long value = std::stoll(Gtin.substr(0, Gtin.size() - 1));
    const long long left = value / PairValues;
    const long long right = value % PairValues;
    // Characters 0 and 2 stand outside the finders; 1 and 3 inside, 1 and 2 read backwards.
    const std::array<std::vector<int>, 4> characters{
        CharacterWidths(static_cast<int>(left / InsideValues), OutsideCharacters),
        CharacterWidths(static_cast<int>(left % InsideValues), InsideCharacters),
        CharacterWidths(static_cast<int>(right / InsideValues), OutsideCharacters),
        CharacterWidths(static_cast<int>(right % InsideValues), InsideCharacters)};
    int sum = 0;
    for (int i = 0; i < 4; ++i)
        sum += WeightedSum(characters[i], 8 * i, ChecksumBase, ChecksumModulus);
    sum %= ChecksumModulus;
    for (const int skipped : SkippedSums)
        if (sum >= skipped)
            ++sum;
    const auto& leftFinder = Finders[sum / 9];
    const auto& rightFinder = Finders[sum % 9];

    std::vector<int> elements{1, 1};
    const auto append = [&elements](const auto& Widths) {
        elements.insert(elements.end(), Widths.begin(), Widths.end());
    };
    append(characters[0]);
    append(leftFinder);
    append(Reversed(characters[1]));
    append(characters[3]);
    append(Reversed({rightFinder.begin(), rightFinder.end()}));
    append(Reversed(characters[2]));
    append(std::array{1, 1});
    return elements;
}

} // namespace

TBarRows EncodeDataBar(std::string_view Value, TDataBarForm Form) {
    const std::vector<int> elements = Elements(DataBarGtin(Value));
    if (Form == TDataBarForm::Omnidirectional || Form == TDataBarForm::Truncated)
        return {{ModulesOf(elements)},
                {Form == TDataBarForm::Truncated ? TruncatedHeight : RowHeight}};

    // Stacked: the left half above, the right half below, each with a guard of its own.
    const auto half = elements.begin() + static_cast<std::ptrdiff_t>(elements.size() / 2);
    std::vector<int> upper(elements.begin(), half);
    upper.insert(upper.end(), {1, 1});
    std::vector<int> lower{1, 1};
    lower.insert(lower.end(), half, elements.end());
    const std::string top = ModulesOf(upper);
    const std::string bottom = ModulesOf(lower, true);
    if (Form == TDataBarForm::Stacked)
        return {{top, SeparatorBetween(top, bottom), bottom},
                {StackedHeights.begin(), StackedHeights.end()}};
    return {{top, SeparatorBeside(top, {TopFinder}),
             AlternatingSeparator(static_cast<int>(top.size())),
             SeparatorBeside(bottom, {BottomFinder}), bottom},
            {RowHeight, 1, 1, 1, RowHeight}};
}

} // namespace quillmark
