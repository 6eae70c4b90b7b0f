// Interleaved, Industrial and Matrix 2 of 5.
#include "element_notation.h"
#include "encoders.h"
#include "pattern_writer.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quillmark {

namespace {

// ISO/IEC 16390:2007 Table 1: each digit's five elements, N narrow and W wide. Industrial
// and Matrix 2 of 5 draw their digits from the same table.
constexpr std::array<std::string_view, 10> TwoOfFiveTable{
    "NNWWN", "WNNNW", "NWNNW", "WWNNN", "NNWNW", "WNWNN", "NWWNN", "NNNWW", "WNNWN", "NWNWN",
};

// Two wide of five in every digit, and no digit typed twice.
static_assert(std::ranges::all_of(TwoOfFiveTable, [](std::string_view Digit) {
    return IsWritten(Digit, 5, "NW") && CountOf(Digit, 'W') == 2;
}));
static_assert(AllDistinct(TwoOfFiveTable, [](std::string_view Digit) { return Digit; }));

constexpr bool IsWide(std::size_t Digit, std::size_t Flag) {
    return TwoOfFiveTable[Digit][Flag] == 'W';
}

constexpr char Bar(bool Wide) {
    return Wide ? '6' : '5';
}
constexpr char Space(bool Wide) {
    return Wide ? '1' : '0';
}

// Interleaved: the first digit of a pair in the bars, the second in the spaces.
constexpr auto InterleavedPairs = [] {
    std::array<std::array<char, 10>, 100> pairs{};
    for (std::size_t pair = 0; pair < pairs.size(); ++pair)
        for (std::size_t j = 0; j < 5; ++j) {
            pairs[pair][2 * j] = Bar(IsWide(pair / 10, j));
            pairs[pair][2 * j + 1] = Space(IsWide(pair % 10, j));
        }
    return pairs;
}();

// Industrial: every element a bar, each followed by a narrow space.
template <std::size_t N> constexpr std::array<char, 2 * N> IndustrialBars(std::string_view Bars) {
    std::array<char, 2 * N> modules{};
    for (std::size_t j = 0; j < N; ++j) {
        modules[2 * j] = Bar(Bars[j] == 'W');
        modules[2 * j + 1] = '0';
    }
    return modules;
}
constexpr auto IndustrialDigits = [] {
    std::array<std::array<char, 10>, 10> digits{};
    for (std::size_t digit = 0; digit < digits.size(); ++digit)
        digits[digit] = IndustrialBars<5>(TwoOfFiveTable[digit]);
    return digits;
}();

// Matrix: bar, space, bar, space, bar, then the narrow gap.
constexpr auto MatrixDigits = [] {
    std::array<std::array<char, 6>, 10> digits{};
    for (std::size_t digit = 0; digit < digits.size(); ++digit) {
        for (std::size_t j = 0; j < 5; ++j)
            digits[digit][j] = j % 2 == 0 ? Bar(IsWide(digit, j)) : Space(IsWide(digit, j));
        digits[digit][5] = '0';
    }
    return digits;
}();

std::size_t Digit(char Ch) {
    return static_cast<std::size_t>(Ch - '0');
}

} // namespace

void EncodeCode_2_5_interleaved(const std::string& Value, std::string& Pattern) {
    // An odd last digit has no partner and is left out.
    const std::size_t pairs = Value.size() / 2;
    RequireDigits(Value, 2 * pairs);
    // Start: narrow bar, space, bar, space; stop: wide bar, narrow space, narrow bar.
    static constexpr auto Start = NarrowWideModules<4>("NNNN", 'W');
    static constexpr auto Stop = NarrowWideModules<3>("WNN", 'W');
    TPatternWriter out(Pattern, Start.size() + 10 * pairs + Stop.size());
    out.Put(Start);
    for (std::size_t k = 0; k < pairs; ++k)
        out.Put(InterleavedPairs[Digit(Value[2 * k]) * 10 + Digit(Value[2 * k + 1])]);
    out.Put(Stop);
    out.Finish();
}

void EncodeCode_2_5_industrial(const std::string& Value, std::string& Pattern) {
    RequireDigits(Value, Value.size());
    // Start bars wide, wide, narrow; stop bars wide, narrow, wide.
    static constexpr auto Start = IndustrialBars<3>("WWN");
    static constexpr auto Stop = IndustrialBars<3>("WNW");
    TPatternWriter out(Pattern, Start.size() + 10 * Value.size() + Stop.size());
    out.Put(Start);
    for (const char digit : Value)
        out.Put(IndustrialDigits[Digit(digit)]);
    out.Put(Stop);
    out.Finish();
}

void EncodeCode_2_5_matrix(const std::string& Value, std::string& Pattern) {
    RequireDigits(Value, Value.size());
    TPatternWriter out(Pattern, 6 + 6 * Value.size() + 5);
    out.Put("705050");
    for (const char digit : Value)
        out.Put(MatrixDigits[Digit(digit)]);
    out.Put("70505");
    out.Finish();
}

} // namespace quillmark
