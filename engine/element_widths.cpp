#include "element_widths.h"

#include <array>
#include <cmath>
#include <sstream>

namespace quillmark {

namespace {

// Per thread, so that encodings on different threads cannot disturb each other's walk.
thread_local ElementWidths Widths;

enum WidthClass : std::uint8_t { Narrow, Wide, Wide15, Wide2 };

struct ModuleInfo {
    char Ch;
    WidthClass Class;
    TLineKind Kind;
};

constexpr std::array<ModuleInfo, 12> Alphabet{{
    {'0', Narrow, lkSpace},
    {'1', Wide, lkSpace},
    {'2', Wide15, lkSpace},
    {'3', Wide2, lkSpace},
    {'5', Narrow, lkBar},
    {'6', Wide, lkBar},
    {'7', Wide15, lkBar},
    {'8', Wide2, lkBar},
    {'A', Narrow, lkShortBar},
    {'B', Wide, lkShortBar},
    {'C', Wide15, lkShortBar},
    {'D', Wide2, lkShortBar},
}};

std::string DescribeWidth(int Modul, double Ratio) {
    std::ostringstream out;
    out << "Modul " << Modul << " x Ratio " << Ratio;
    return out.str();
}

} // namespace

void SetElementWidths(int Modul, double Ratio) {
    // Extended precision keeps the product exact, so halves round to even as intended.
    const long double product = static_cast<long double>(Modul) * static_cast<long double>(Ratio);
    const long double wide = std::nearbyint(product);
    if (Modul < 1 || Modul > MaxModul || !std::isfinite(product) || wide < 1 ||
        wide > MaxElementWidth)
        throw Exception(DescribeWidth(Modul, Ratio) + " : Element width out of range.");
    Widths.Narrow = Modul;
    Widths.Wide = static_cast<int>(wide);
    Widths.Wide15 = (3 * Widths.Wide) / 2;
    Widths.Wide2 = 2 * Widths.Wide;
}

ElementWidths CurrentElementWidths() {
    return Widths;
}

void DecodeModule(char Ch, int& Width, TLineKind& Kind) {
    for (const ModuleInfo& info : Alphabet) {
        if (info.Ch != Ch)
            continue;
        switch (info.Class) {
        case Narrow:
            Width = Widths.Narrow;
            break;
        case Wide:
            Width = Widths.Wide;
            break;
        case Wide15:
            Width = Widths.Wide15;
            break;
        case Wide2:
            Width = Widths.Wide2;
            break;
        }
        Kind = info.Kind;
        return;
    }
    throw Exception("Internal Error.");
}

} // namespace quillmark
