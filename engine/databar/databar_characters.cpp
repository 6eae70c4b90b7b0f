#include "databar_characters.h"

#include "engine.h"
#include "error_messages.h"

#include <array>

namespace quillmark {
namespace {

// ISO/IEC 24724's groups, as modules, elements, the widest element and whether a narrow one
// is owed: outside characters have four elements each way, Limited's seven. The standard's
// tables of them have no public copy that was found, so zint's symbols check every group in
// the peer comparison (random values reach each one).
constexpr std::array<TCharacterGroup, 5> Outside{{
    {0, {12, 4, 8, false}, {4, 4, 1, true}, 1},
    {161, {10, 4, 6, false}, {6, 4, 3, true}, 10},
    {961, {8, 4, 4, false}, {8, 4, 5, true}, 34},
    {2015, {6, 4, 3, false}, {10, 4, 6, true}, 70},
    {2715, {4, 4, 1, false}, {12, 4, 8, true}, 126},
}};
constexpr std::array<TCharacterGroup, 4> Inside{{
    {0, {5, 4, 2, true}, {10, 4, 7, false}, 4},
    {336, {7, 4, 4, true}, {8, 4, 5, false}, 20},
    {1036, {9, 4, 6, true}, {6, 4, 3, false}, 48},
    {1516, {11, 4, 8, true}, {4, 4, 1, false}, 81},
}};
constexpr std::array<TCharacterGroup, 7> Limited{{
    {0, {17, 7, 6, false}, {9, 7, 3, true}, 28},
    {183064, {13, 7, 5, false}, {13, 7, 4, true}, 728},
    {820064, {9, 7, 3, false}, {17, 7, 6, true}, 6454},
    {1000776, {15, 7, 5, false}, {11, 7, 4, true}, 203},
    {1491021, {11, 7, 4, false}, {15, 7, 5, true}, 2408},
    {1979845, {19, 7, 8, false}, {7, 7, 1, true}, 1},
    {1996939, {7, 7, 1, false}, {19, 7, 8, true}, 16632},
}};
constexpr std::array<TCharacterGroup, 5> Expanded{{
    {0, {12, 4, 7, true}, {5, 4, 2, false}, 4},
    {348, {10, 4, 5, true}, {7, 4, 4, false}, 20},
    {1388, {8, 4, 4, true}, {9, 4, 5, false}, 52},
    {2948, {6, 4, 3, true}, {11, 4, 6, false}, 104},
    {3988, {4, 4, 1, true}, {13, 4, 8, false}, 204},
}};

} // namespace

const TCharacterSet ExpandedCharacters{Expanded, TQuotient::Odd};
const TCharacterSet OutsideCharacters{Outside, TQuotient::Odd};
const TCharacterSet InsideCharacters{Inside, TQuotient::Even};
const TCharacterSet LimitedCharacters{Limited, TQuotient::Odd};

std::vector<int> CharacterWidths(int Value, const TCharacterSet& Set) {
    for (auto group = Set.Groups.rbegin(); group != Set.Groups.rend(); ++group) {
        if (Value < group->First)
            continue;
        const int quotient = (Value - group->First) / group->Divisor;
        const int remainder = (Value - group->First) % group->Divisor;
        const bool oddQuotient = Set.Quotient == TQuotient::Odd;
        return Interleave(PatternWidths(oddQuotient ? quotient : remainder, group->Odd),
                          PatternWidths(oddQuotient ? remainder : quotient, group->Even));
    }
    throw Exception(InternalErrorMessage);
}

int WeightedSum(const std::vector<int>& Widths, int FirstPower, int Base, int Modulus) {
    int weight = 1;
    for (int i = 0; i < FirstPower; ++i)
        weight = weight * Base % Modulus;
    const int count = static_cast<int>(Widths.size());
    int sum = 0;
    for (int i = 0; i < count; ++i) {
        sum = (sum + weight * Widths[i]) % Modulus;
        weight = weight * Base % Modulus;
    }
    return sum;
}

} // namespace quillmark
