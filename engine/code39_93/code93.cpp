// Code 93 and its full-ASCII form.
#include "element_notation.h"
#include "encoders.h"
#include "full_ascii_tables.h"
#include "pattern_writer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace quillmark {

namespace {

struct Code93Row {
    char Ch;
    std::string_view Widths; // bar, space, bar, space, bar, space: 9 modules
};

// The character table of AIM USS-93 (ANSI/AIM BC5-1995), indexed by symbol value: the
// widths in modules of each character's bars and spaces, bar first. "[", "]", "{" and "}"
// are the shifts ($), (%), (/) and (+).
constexpr std::array<Code93Row, 47> Code93Table{{
    {'0', "131112"}, {'1', "111213"}, {'2', "111312"}, {'3', "111411"}, {'4', "121113"},
    {'5', "121212"}, {'6', "121311"}, {'7', "111114"}, {'8', "131211"}, {'9', "141111"},
    {'A', "211113"}, {'B', "211212"}, {'C', "211311"}, {'D', "221112"}, {'E', "221211"},
    {'F', "231111"}, {'G', "112113"}, {'H', "112212"}, {'I', "112311"}, {'J', "122112"},
    {'K', "132111"}, {'L', "111123"}, {'M', "111222"}, {'N', "111321"}, {'O', "121122"},
    {'P', "131121"}, {'Q', "212112"}, {'R', "212211"}, {'S', "211122"}, {'T', "211221"},
    {'U', "221121"}, {'V', "222111"}, {'W', "112122"}, {'X', "112221"}, {'Y', "122121"},
    {'Z', "123111"}, {'-', "121131"}, {'.', "311112"}, {' ', "311211"}, {'$', "321111"},
    {'/', "112131"}, {'+', "113121"}, {'%', "211131"}, {'[', "121221"}, {']', "312111"},
    {'{', "311121"}, {'}', "122211"},
}};

constexpr std::string_view Code93Start = "111141";
constexpr std::string_view Code93Stop = "1111411"; // stop character and termination bar

// Every character is three bars and three spaces of 1 to 4 modules, 9 modules in all.
constexpr bool IsCode93Character(std::string_view Widths) {
    return IsWritten(Widths, 6, "1234") && ModuleCount(Widths) == 9;
}
static_assert(std::ranges::all_of(Code93Table, [](const Code93Row& Row) {
    return IsCode93Character(Row.Widths);
}));
static_assert(IsCode93Character(Code93Start));
static_assert(IsWritten(Code93Stop, 7, "1234") && ModuleCount(Code93Stop) == 10);
static_assert(AllDistinct(Code93Table, [](const Code93Row& Row) { return Row.Widths; }));

constexpr int Modulus = 47;
constexpr std::uint64_t CWeightLimit = 20;
constexpr std::uint64_t KWeightLimit = 15;

constexpr int SearchCode93Char(char Ch) {
    for (std::size_t i = 0; i < Code93Table.size(); ++i)
        if (Code93Table[i].Ch == Ch)
            return static_cast<int>(i);
    return -1;
}

// The symbol value of every byte, -1 for those outside the symbology.
constexpr std::array<std::int8_t, 256> Code93Values = [] {
    std::array<std::int8_t, 256> values{};
    for (std::size_t code = 0; code < values.size(); ++code)
        values[code] = static_cast<std::int8_t>(SearchCode93Char(static_cast<char>(code)));
    return values;
}();

// Every row's six widths already as pattern characters: each symbol starts with a bar and
// has an even number of elements, so its characters do not depend on where it stands.
constexpr auto Code93Modules = [] {
    std::array<std::array<char, 6>, Code93Table.size()> modules{};
    for (std::size_t v = 0; v < modules.size(); ++v)
        modules[v] = ModulesOf<6>(Code93Table[v].Widths);
    return modules;
}();
constexpr auto StartModules = ModulesOf<6>(Code93Start);
constexpr auto StopModules = ModulesOf<7>(Code93Stop);

std::size_t ValueOf(char Ch) {
    return static_cast<std::size_t>(Code93Values[static_cast<unsigned char>(Ch)]);
}

} // namespace

int FindCode93Char(char Ch) {
    return Code93Values[static_cast<unsigned char>(Ch)];
}

void EncodeCode93(const std::string& Value, std::string& Pattern) {
    for (const char ch : Value)
        if (FindCode93Char(ch) < 0)
            throw Exception(Value + " : Code_93 bad data.");

    // Weights run from the last character; the K sum also counts C with weight 1. Each
    // term is below 47 x 20, so the sums cannot overflow 64 bits for any value that fits in
    // memory, and only their remainders matter.
    std::uint64_t cSum = 0;
    std::uint64_t kSum = 0;
    std::uint64_t cWeight = 1;
    std::uint64_t kWeight = 2;
    for (auto it = Value.rbegin(); it != Value.rend(); ++it) {
        const std::uint64_t v = ValueOf(*it);
        cSum += v * cWeight;
        kSum += v * kWeight;
        cWeight = cWeight == CWeightLimit ? 1 : cWeight + 1;
        kWeight = kWeight == KWeightLimit ? 1 : kWeight + 1;
    }
    const std::uint64_t c = cSum % Modulus;
    const std::uint64_t k = (kSum + c) % Modulus;

    TPatternWriter out(Pattern, 6 * (Value.size() + 3) + StopModules.size());
    out.Put(StartModules);
    for (const char ch : Value)
        out.Put(Code93Modules[ValueOf(ch)]);
    out.Put(Code93Modules[c]);
    out.Put(Code93Modules[k]);
    out.Put(StopModules);
    out.Finish();
}

void EncodeCode93Extended(const std::string& Value, std::string& Pattern) {
    std::string expanded;
    expanded.reserve(Value.size() * 2);
    for (const char ch : Value) {
        const auto code = static_cast<unsigned char>(ch);
        if (code < Code93ExtendedTable.size())
            expanded += Code93ExtendedTable[code];
    }
    EncodeCode93(expanded, Pattern);
}

} // namespace quillmark
