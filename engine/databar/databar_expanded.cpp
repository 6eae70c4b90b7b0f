#include "databar.h"

#include "databar_characters.h"
#include "databar_expanded_bits.h"
#include "databar_rows.h"
#include "engine.h"
#include "gs1_elements.h"

#include <algorithm>
#include <array>
#include <string>

namespace quillmark {
namespace {

// Finders A to F, five elements each in reading order. These and the sequences below are
// ISO/IEC 24724's; zint's symbols of 2 to 22 characters check them in the peer comparison.
constexpr std::array<std::array<int, 5>, 6> Finders{{
    {1, 8, 4, 1, 1},
    {3, 6, 4, 1, 1},
    {3, 4, 6, 1, 1},
    {3, 2, 8, 1, 1},
    {2, 6, 5, 1, 1},
    {2, 2, 9, 1, 1},
}};

// The finders of a symbol of 2 to 11 pairs, as finder * 2 + (1 when reversed): A1 is 0, A2 1.
constexpr int A1 = 0, A2 = 1, B1 = 2, B2 = 3, C1 = 4, C2 = 5, D1 = 6, D2 = 7, E1 = 8, E2 = 9,
              F1 = 10, F2 = 11;
constexpr std::array<std::array<int, 11>, 10> FinderSequences{{
    {A1, A2},
    {A1, B2, B1},
    {A1, C2, B1, D2},
    {A1, E2, B1, D2, C1},
    {A1, E2, B1, D2, D1, F2},
    {A1, E2, B1, D2, E1, F2, F1},
    {A1, A2, B1, B2, C1, C2, D1, D2},
    {A1, A2, B1, B2, C1, C2, D1, E2, E1},
    {A1, A2, B1, B2, C1, C2, D1, E2, F1, F2},
    {A1, A2, B1, B2, C1, D2, D1, E2, E1, F2, F1},
}};

constexpr int ChecksumModulus = 211;
constexpr int ChecksumBase = 3;
constexpr int CharacterElements = 8;
constexpr int CharacterBits = ExpandedCharacterBits;
constexpr int RowHeight = 34;
constexpr int GuardModules = 2;
constexpr int CharacterModules = 17;
constexpr int FinderModules = 15;
constexpr int PairModules = 2 * CharacterModules + FinderModules;

bool FitsRows(int Characters, int Segments) {
    return Segments == 0 || Characters % Segments != 1;
}

// The symbol characters' widths, check character first, and the finders between them.
struct Symbol {
    std::vector<std::vector<int>> Characters;
    std::vector<int> Finders;
};

Symbol SymbolOf(const std::string& Bits) {
    Symbol symbol;
    const int data = static_cast<int>(Bits.size()) / CharacterBits;
    const int characters = data + 1;
    const auto& sequence = FinderSequences[static_cast<std::size_t>((characters + 1) / 2 - 2)];
    symbol.Finders.assign(sequence.begin(), sequence.begin() + (characters + 1) / 2);
    symbol.Characters.emplace_back();
    int sum = 0;
    for (int i = 1; i < characters; ++i) {
        const int value =
            std::stoi(Bits.substr(static_cast<std::size_t>(i - 1) * CharacterBits, CharacterBits),
                      nullptr, 2);
        symbol.Characters.push_back(CharacterWidths(value, ExpandedCharacters));
        // Each character's weights follow its finder and its side of it.
        const int row = 2 * symbol.Finders[static_cast<std::size_t>(i / 2)] + i % 2 - 1;
        sum += WeightedSum(symbol.Characters.back(), CharacterElements * row, ChecksumBase,
                           ChecksumModulus);
    }
    const int check = ChecksumModulus * (characters - 4) + sum % ChecksumModulus;
    symbol.Characters.front() = CharacterWidths(check, ExpandedCharacters);
    return symbol;
}

// The elements of characters [First, Last) with their finders, in reading order.
std::vector<int> PairElements(const Symbol& Symbol, int First, int Last) {
    std::vector<int> elements;
    for (int i = First; i < Last; ++i) {
        const auto& widths = Symbol.Characters[static_cast<std::size_t>(i)];
        if (i % 2 == 0) {
            elements.insert(elements.end(), widths.begin(), widths.end());
            const int finder = Symbol.Finders[static_cast<std::size_t>(i / 2)];
            std::vector<int> pattern(Finders[static_cast<std::size_t>(finder / 2)].begin(),
                                     Finders[static_cast<std::size_t>(finder / 2)].end());
            if (finder % 2)
                pattern = Reversed(pattern);
            elements.insert(elements.end(), pattern.begin(), pattern.end());
        } else {
            const auto reversed = Reversed(widths);
            elements.insert(elements.end(), reversed.begin(), reversed.end());
        }
    }
    return elements;
}

} // namespace

void CheckExpandedSegments(int Segments) {
    if (Segments % 2 || Segments < ExpandedSegmentsLeast || Segments > ExpandedSegmentsMost)
        throw Exception("GS1 DataBar Expanded Stacked takes an even number of segments a row "
                        "from " +
                        std::to_string(ExpandedSegmentsLeast) + " to " +
                        std::to_string(ExpandedSegmentsMost) + ", not " + std::to_string(Segments) +
                        ".");
}

TBarRows EncodeDataBarExpanded(std::string_view Value, int Segments) {
    if (Segments != 0)
        CheckExpandedSegments(Segments);
    // Not GS1-128's 48 data characters: the symbol's own capacity is the limit.
    const std::vector<TGS1Element> elements = ReadGS1Elements(Value, bcCodeDataBarExpanded);
    const Symbol symbol = SymbolOf(ExpandedBits(elements, FitsRows, Segments));
    const int characters = static_cast<int>(symbol.Characters.size());
    const int perRow = Segments == 0 ? characters : Segments;
    const int widest = std::min(perRow, characters); // the first row's characters
    const int width = GuardModules + PairModules * (widest / 2) + GuardModules +
                      (widest % 2 ? CharacterModules + FinderModules : 0);

    TBarRows rows;
    std::string previous; // the last data row, and its finders
    std::vector<TModuleSpan> previousFinders;
    bool previousReversed = false;
    for (int first = 0; first < characters; first += perRow) {
        const int last = std::min(first + perRow, characters);
        std::vector<int> row{1, 1};
        const std::vector<int> pairs = PairElements(symbol, first, last);
        row.insert(row.end(), pairs.begin(), pairs.end());
        row.insert(row.end(), {1, 1});
        std::vector<TModuleSpan> finders;
        for (int i = first; i < last; i += 2) {
            const int begin = GuardModules + (i - first) / 2 * PairModules + CharacterModules;
            finders.push_back({begin, begin + FinderModules});
        }
        // Every second row starts dark, and reads right to left where a row holds an even
        // number of pairs, so that its finders alternate as the reader expects; a last such
        // row of an odd number of finders keeps its direction and starts light, one module in.
        const bool evenRow = (first / perRow) % 2 != 0;
        const bool shifted = evenRow && (perRow / 2) % 2 == 0 && ((last - first + 1) / 2) % 2 != 0;
        const bool reversed = evenRow && (perRow / 2) % 2 == 0 && !shifted;
        if (reversed) {
            std::reverse(row.begin(), row.end());
            int drawn = 0;
            for (const int w : row)
                drawn += w;
            for (TModuleSpan& finder : finders)
                finder = {drawn - finder.End, drawn - finder.Begin};
        }
        const std::string modules = ModulesOf(row, evenRow && !shifted);
        const std::string shift = shifted ? "0" : "";
        // A short last row stands at the left; its separator covers it alone.
        const auto padded = [width](std::string Row) {
            Row.resize(static_cast<std::size_t>(width), '0');
            return Row;
        };
        if (!previous.empty()) {
            rows.Rows.push_back(
                padded(SeparatorBeside(previous, previousFinders, previousReversed)));
            rows.Rows.push_back(AlternatingSeparator(width));
            rows.Rows.push_back(padded(shift + SeparatorBeside(modules, finders, reversed)));
            rows.Heights.insert(rows.Heights.end(), {1, 1, 1});
        }
        rows.Rows.push_back(padded(shift + modules));
        rows.Heights.push_back(RowHeight);
        previous = modules;
        previousFinders = finders;
        previousReversed = reversed;
    }
    return rows;
}

} // namespace quillmark
