#include "decodability.h"

#include <quillmark/engine.h>
#include <quillmark/module_runs.h>

#include <algorithm>
#include <cmath>

namespace quillmark {

namespace {

// A run of characters of Elements elements and Modules modules each, from element First.
struct TCharacters {
    std::size_t First;
    std::size_t Count;
    std::size_t Elements;
    int Modules;
};

// Where the characters of an (n, k) symbol stand among its elements, by each symbology's
// structure: Code 128's 6-element, 11-module characters from the start to the stop (its
// termination bar left over); Code 93's 6-element, 9-module ones; the EAN/UPC data
// characters of 4 elements and 7 modules between their guards (ISO/IEC 15417, AIM USS-93,
// ISO/IEC 15420).
std::vector<TCharacters> CharactersOf(TBarType Type, std::size_t Elements) {
    if (IsCode128(Type))
        return {{0, Elements / 6, 6, 11}};
    if (Type == bcCode93 || Type == bcCode93Extended)
        return {{0, Elements / 6, 6, 9}};
    // Guard, left half, centre guard, right half, guard: 3 + 24 + 5 + 24 + 3 for EAN-13 and
    // UPC-A, 3 + 16 + 5 + 16 + 3 for EAN-8; UPC-E's 3 + 24 + 6.
    std::vector<TCharacters> characters;
    std::size_t main = 0;
    if (Type == bcCodeEAN13 || Type == bcCodeUPC_A) {
        characters = {{3, 6, 4, 7}, {32, 6, 4, 7}};
        main = 59;
    } else if (Type == bcCodeEAN8) {
        characters = {{3, 4, 4, 7}, {24, 4, 4, 7}};
        main = 43;
    } else if (Type == bcCodeUPC_E0 || Type == bcCodeUPC_E1) {
        characters = {{3, 6, 4, 7}};
        main = 33;
    }
    // An add-on after its gap, or alone: a 3-element start, then characters of 4 elements
    // with a 2-element delineator between them.
    const std::size_t addOn = main == 0 ? 0 : main + 1;
    for (std::size_t at = addOn + 3; Elements > addOn && at + 4 <= Elements; at += 6)
        characters.push_back({at, 1, 4, 7});
    return characters;
}

// 1 where every edge-to-similar-edge distance of the character lies on a whole module, 0
// where one lies on a threshold.
double CharacterDecodability(const double* Widths, std::size_t Elements, int Modules) {
    double p = 0;
    for (std::size_t i = 0; i < Elements; ++i)
        p += Widths[i];
    const double module = p / Modules;
    double least = 1;
    for (std::size_t i = 0; i + 1 < Elements; ++i) {
        const double e = Widths[i] + Widths[i + 1];
        const double off = std::abs(e - std::round(e / module) * module);
        least = std::min(least, 1 - off / (module / 2));
    }
    return least;
}

bool TwoWidths(TBarType Type) {
    switch (Type) {
    case bcCode_2_5_interleaved:
    case bcCode_2_5_industrial:
    case bcCode_2_5_matrix:
    case bcCode39:
    case bcCode39Extended:
    case bcCodeMSI:
    case bcCodeCodabar:
        return true;
    default:
        return false;
    }
}

double TwoWidthDecodability(const std::vector<double>& Elements) {
    const auto [shortest, longest] = std::minmax_element(Elements.begin(), Elements.end());
    const double split = (*shortest + *longest) / 2;
    double narrowSum = 0, wideSum = 0, widestNarrow = 0, narrowestWide = *longest;
    int narrow = 0, wide = 0;
    for (const double w : Elements) {
        if (w < split) {
            narrowSum += w;
            ++narrow;
            widestNarrow = std::max(widestNarrow, w);
        } else {
            wideSum += w;
            ++wide;
            narrowestWide = std::min(narrowestWide, w);
        }
    }
    if (narrow == 0 || wide == 0)
        return 0; // no two widths to tell apart
    const double meanNarrow = narrowSum / narrow;
    const double meanWide = wideSum / wide;
    const double threshold = (meanNarrow + meanWide) / 2;
    return std::min(threshold - widestNarrow, narrowestWide - threshold) / (threshold - meanNarrow);
}

} // namespace

std::optional<double> Decodability(TBarType Type, const std::vector<double>& Elements) {
    if (Elements.empty() || Type == bcCodePostNet)
        return std::nullopt;
    if (TwoWidths(Type))
        return TwoWidthDecodability(Elements);
    double least = 1;
    bool any = false;
    for (const TCharacters& run : CharactersOf(Type, Elements.size()))
        for (std::size_t c = 0; c < run.Count; ++c) {
            const std::size_t first = run.First + c * run.Elements;
            if (first + run.Elements > Elements.size())
                break;
            least =
                std::min(least, CharacterDecodability(&Elements[first], run.Elements, run.Modules));
            any = true;
        }
    return any ? std::optional(std::max(0.0, least)) : std::nullopt;
}

std::optional<double> Decodability(TBarType Type, const TSymbol& Symbol) {
    return Decodability(Type, Symbol, 0);
}

std::optional<double> Decodability(TBarType Type, const TSymbol& Symbol, double Spread) {
    std::vector<double> elements;
    for (const TModuleRun& run : ModuleRuns(Symbol.Pattern, Symbol.Widths))
        elements.push_back(std::max(0.0, run.Width + (run.Kind == lkSpace ? -Spread : Spread)));
    // A symbology another draws (ITF-14, the book numbers) has that one's characters.
    const std::optional<TBarType> drawnAs =
        static_cast<int>(Type) < BarTypeCount ? BarTypeData(Type).DrawnAs : std::nullopt;
    return Decodability(drawnAs.value_or(Type), elements);
}

char DecodabilityGrade(double Value) {
    return Value >= 0.62   ? 'A'
           : Value >= 0.50 ? 'B'
           : Value >= 0.37 ? 'C'
           : Value >= 0.25 ? 'D'
                           : 'F';
}

} // namespace quillmark
