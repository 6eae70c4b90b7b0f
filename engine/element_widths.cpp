#include "element_widths.h"

#include <array>
#include <cmath>
#include <sstream>

namespace quillmark {

namespace {

// Per thread, so that encodings on different threads cannot disturb each other's walk.
thread_local ElementWidths Widths;

enum WidthClass : std::int8_t { NoClass = -1, Narrow, Wide, Wide15, Wide2 };

struct ModuleInfo {
    WidthClass Class = NoClass;
    TLineKind Kind = lkSpace;
};

// The alphabet, indexed by character: a space of class c is the digit c, a full bar the
// digit c + 5, a short bar the letter 'A' + c; everything else has no class.
constexpr std::array<ModuleInfo, 256> Alphabet = [] {
    std::array<ModuleInfo, 256> table{};
    for (std::size_t i = 0; i < table.size(); ++i)
        table[i].Class = NoClass;
    for (int c = 0; c < 4; ++c) {
        const auto cls = static_cast<WidthClass>(c);
        table['0' + c].Class = table['5' + c].Class = table['A' + c].Class = cls;
        table['5' + c].Kind = lkBar;
        table['A' + c].Kind = lkShortBar;
    }
    return table;
}();

std::string DescribeWidth(int Modul, double Ratio) {
    std::ostringstream out;
    out << "Modul " << Modul << " x Ratio " << Ratio;
    return out.str();
}

int WidthOf(WidthClass Class, const ElementWidths& Widths) {
    switch (Class) {
    case Narrow:
        return Widths.Narrow;
    case Wide:
        return Widths.Wide;
    case Wide15:
        return Widths.Wide15;
    default:
        return Widths.Wide2;
    }
}

} // namespace

ElementWidths MakeElementWidths(int Modul, double Ratio) {
    // Extended precision keeps the product exact, so halves round to even as intended.
    const long double product = static_cast<long double>(Modul) * static_cast<long double>(Ratio);
    const long double wide = std::nearbyint(product);
    if (Modul < 1 || Modul > MaxModul || !std::isfinite(product) || wide < 1 ||
        wide > MaxElementWidth)
        throw Exception(DescribeWidth(Modul, Ratio) + " : Element width out of range.");
    ElementWidths result;
    result.Narrow = Modul;
    result.Wide = static_cast<int>(wide);
    result.Wide15 = (3 * result.Wide) / 2;
    result.Wide2 = 2 * result.Wide;
    return result;
}

void SetElementWidths(int Modul, double Ratio) {
    Widths = MakeElementWidths(Modul, Ratio);
}

ElementWidths CurrentElementWidths() {
    return Widths;
}

void DecodeModule(char Ch, const ElementWidths& Widths, int& Width, TLineKind& Kind) {
    const ModuleInfo& info = Alphabet[static_cast<unsigned char>(Ch)];
    if (info.Class == NoClass)
        throw Exception("Internal Error.");
    Width = WidthOf(info.Class, Widths);
    Kind = info.Kind;
}

void DecodeModule(char Ch, int& Width, TLineKind& Kind) {
    DecodeModule(Ch, Widths, Width, Kind);
}

} // namespace quillmark
