#include "element_widths.h"
#include "error_messages.h"
#include "module_alphabet.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cmath>
#include <cstdint>
#include <optional>
#include <sstream>

namespace quillmark {

namespace {

// Per thread, so that encodings on different threads cannot disturb each other's walk.
thread_local ElementWidths Widths;

// Every character's width class as a count in one of five 12-bit lanes of a word: the four
// classes, then "outside the alphabet". Adding the words of up to LaneLimit characters
// counts all five at once, one table load and one addition per character.
constexpr int LaneBits = 12;
constexpr std::size_t LaneLimit = (1u << LaneBits) - 1;
constexpr std::array<std::uint64_t, 256> ClassLanes = [] {
    std::array<std::uint64_t, 256> lanes{};
    for (std::size_t i = 0; i < lanes.size(); ++i) {
        const WidthClass cls = Alphabet[i].Class;
        lanes[i] = std::uint64_t{1} << (LaneBits * (cls == NoClass ? 4 : static_cast<int>(cls)));
    }
    return lanes;
}();

std::uint64_t Lane(std::uint64_t Counts, int Index) {
    return (Counts >> (LaneBits * Index)) & LaneLimit;
}

// Modul x Ratio rounded half to even, worked out in integers when Ratio is a whole number of
// quarters (2, 2.25, 2.5, 3 and the like): exact, and far cheaper than rounding an
// extended-precision product. None for any other ratio or an out-of-range Modul.
std::optional<long long> WideInQuarters(int Modul, double Ratio) {
    const double quarters = Ratio * 4; // exact: a power of two
    if (Modul < 1 || Modul > MaxModul || !(quarters >= 0 && quarters <= (1 << 30)))
        return std::nullopt;
    const auto whole = static_cast<long long>(quarters);
    if (static_cast<double>(whole) != quarters)
        return std::nullopt;
    const long long product = Modul * whole;
    const long long wide = product / 4;
    const long long rest = product % 4;
    return rest > 2 || (rest == 2 && wide % 2 != 0) ? wide + 1 : wide;
}

ElementWidths WidthsOf(int Modul, int Wide) {
    ElementWidths result;
    result.Narrow = Modul;
    result.Wide = Wide;
    result.Wide15 = (3 * Wide) / 2;
    result.Wide2 = 2 * Wide;
    return result;
}

std::string DescribeWidth(int Modul, double Ratio) {
    std::ostringstream out;
    out << "Modul " << Modul << " x Ratio " << Ratio;
    return out.str();
}

// Any ratio: extended precision keeps the product exact, so halves round to even as
// intended. Kept apart from the quick path, which then needs no frame for this one.
[[gnu::noinline]] ElementWidths WidthsByProduct(int Modul, double Ratio) {
    const long double product = static_cast<long double>(Modul) * static_cast<long double>(Ratio);
    const long double wide = std::nearbyint(product);
    if (Modul < 1 || Modul > MaxModul || !std::isfinite(product) || wide < 1 ||
        wide > MaxElementWidth)
        throw Exception(DescribeWidth(Modul, Ratio) + " : Element width out of range.");
    return WidthsOf(Modul, static_cast<int>(wide));
}

} // namespace

ElementWidths MakeElementWidths(int Modul, double Ratio) {
    const std::optional<long long> quick = WideInQuarters(Modul, Ratio);
    if (quick && *quick >= 1 && *quick <= MaxElementWidth)
        return WidthsOf(Modul, static_cast<int>(*quick));
    return WidthsByProduct(Modul, Ratio);
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
        throw Exception(InternalErrorMessage);
    Width = WidthOf(info.Class, Widths);
    Kind = info.Kind;
}

namespace {

// The walk itself, for the rare pattern that has a bad character or is too long: it finds
// which of the two comes first.
int MeasureByWalking(const std::string& Pattern, const ElementWidths& Widths,
                     const std::string& Value) {
    long long total = 0;
    for (const char ch : Pattern) {
        int width = 0;
        TLineKind kind = lkSpace;
        DecodeModule(ch, Widths, width, kind);
        total += width;
        if (total > INT_MAX)
            throw Exception(Quoting(Value, TooLongMessage));
    }
    return static_cast<int>(total);
}

} // namespace

int MeasurePattern(const std::string& Pattern, const ElementWidths& Widths,
                   const std::string& Value) {
    std::array<long long, 5> counts{};
    for (std::size_t first = 0; first < Pattern.size(); first += LaneLimit) {
        const std::size_t last = std::min(Pattern.size(), first + LaneLimit);
        // Four sums side by side, so that the additions do not wait on each other.
        std::array<std::uint64_t, 4> sums{};
        const auto lanesOf = [&Pattern](std::size_t I) {
            return ClassLanes[static_cast<unsigned char>(Pattern[I])];
        };
        std::size_t i = first;
        for (; i + 4 <= last; i += 4) {
            sums[0] += lanesOf(i);
            sums[1] += lanesOf(i + 1);
            sums[2] += lanesOf(i + 2);
            sums[3] += lanesOf(i + 3);
        }
        for (; i < last; ++i)
            sums[0] += lanesOf(i);
        const std::uint64_t lanes = sums[0] + sums[1] + sums[2] + sums[3];
        for (int lane = 0; lane < 5; ++lane)
            counts[static_cast<std::size_t>(lane)] += static_cast<long long>(Lane(lanes, lane));
    }
    // Widths are at most MaxElementWidth, so no product or sum here overflows 64 bits.
    const long long total = counts[0] * Widths.Narrow + counts[1] * Widths.Wide +
                            counts[2] * Widths.Wide15 + counts[3] * Widths.Wide2;
    if (counts[4] != 0 || total > INT_MAX)
        return MeasureByWalking(Pattern, Widths, Value);
    return static_cast<int>(total);
}

void DecodeModule(char Ch, int& Width, TLineKind& Kind) {
    DecodeModule(Ch, Widths, Width, Kind);
}

} // namespace quillmark
