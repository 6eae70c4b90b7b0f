// Code 128 and EAN-128, each written in the one code set its bar type names.
#include "code128_sets.h"
#include "code128_symbols.h"
#include "element_notation.h"
#include "encoders.h"
#include "pattern_writer.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>
#include <utility>

namespace quillmark {

namespace {

struct Code128Row {
    char SetA;               // codes 32..95; rows 64 and up hold a filler space
    char SetB;               // codes 32..126; rows 95 and up hold a filler space
    std::string_view SetC;   // digit pair, or "CB", "CA", "F1" for CODE B, CODE A, FNC1
    std::string_view Widths; // bar, space, bar, space, bar, space: 11 modules
};

// ISO/IEC 15417:2007 Table 1, indexed by symbol value: the widths in modules of each
// character's bars and spaces, bar first, as the table prints them.
constexpr std::array<Code128Row, 103> Code128Table{{
    {' ', ' ', "00", "212222"},   // 0
    {'!', '!', "01", "222122"},   // 1
    {'"', '"', "02", "222221"},   // 2
    {'#', '#', "03", "121223"},   // 3
    {'$', '$', "04", "121322"},   // 4
    {'%', '%', "05", "131222"},   // 5
    {'&', '&', "06", "122213"},   // 6
    {'\'', '\'', "07", "122312"}, // 7
    {'(', '(', "08", "132212"},   // 8
    {')', ')', "09", "221213"},   // 9
    {'*', '*', "10", "221312"},   // 10
    {'+', '+', "11", "231212"},   // 11
    {',', ',', "12", "112232"},   // 12
    {'-', '-', "13", "122132"},   // 13
    {'.', '.', "14", "122231"},   // 14
    {'/', '/', "15", "113222"},   // 15
    {'0', '0', "16", "123122"},   // 16
    {'1', '1', "17", "123221"},   // 17
    {'2', '2', "18", "223211"},   // 18
    {'3', '3', "19", "221132"},   // 19
    {'4', '4', "20", "221231"},   // 20
    {'5', '5', "21", "213212"},   // 21
    {'6', '6', "22", "223112"},   // 22
    {'7', '7', "23", "312131"},   // 23
    {'8', '8', "24", "311222"},   // 24
    {'9', '9', "25", "321122"},   // 25
    {':', ':', "26", "321221"},   // 26
    {';', ';', "27", "312212"},   // 27
    {'<', '<', "28", "322112"},   // 28
    {'=', '=', "29", "322211"},   // 29
    {'>', '>', "30", "212123"},   // 30
    {'?', '?', "31", "212321"},   // 31
    {'@', '@', "32", "232121"},   // 32
    {'A', 'A', "33", "111323"},   // 33
    {'B', 'B', "34", "131123"},   // 34
    {'C', 'C', "35", "131321"},   // 35
    {'D', 'D', "36", "112313"},   // 36
    {'E', 'E', "37", "132113"},   // 37
    {'F', 'F', "38", "132311"},   // 38
    {'G', 'G', "39", "211313"},   // 39
    {'H', 'H', "40", "231113"},   // 40
    {'I', 'I', "41", "231311"},   // 41
    {'J', 'J', "42", "112133"},   // 42
    {'K', 'K', "43", "112331"},   // 43
    {'L', 'L', "44", "132131"},   // 44
    {'M', 'M', "45", "113123"},   // 45
    {'N', 'N', "46", "113321"},   // 46
    {'O', 'O', "47", "133121"},   // 47
    {'P', 'P', "48", "313121"},   // 48
    {'Q', 'Q', "49", "211331"},   // 49
    {'R', 'R', "50", "231131"},   // 50
    {'S', 'S', "51", "213113"},   // 51
    {'T', 'T', "52", "213311"},   // 52
    {'U', 'U', "53", "213131"},   // 53
    {'V', 'V', "54", "311123"},   // 54
    {'W', 'W', "55", "311321"},   // 55
    {'X', 'X', "56", "331121"},   // 56
    {'Y', 'Y', "57", "312113"},   // 57
    {'Z', 'Z', "58", "312311"},   // 58
    {'[', '[', "59", "332111"},   // 59
    {'\\', '\\', "60", "314111"}, // 60
    {']', ']', "61", "221411"},   // 61
    {'^', '^', "62", "431111"},   // 62
    {'_', '_', "63", "111224"},   // 63
    {' ', '`', "64", "111422"},   // 64
    {' ', 'a', "65", "121124"},   // 65
    {' ', 'b', "66", "121421"},   // 66
    {' ', 'c', "67", "141122"},   // 67
    {' ', 'd', "68", "141221"},   // 68
    {' ', 'e', "69", "112214"},   // 69
    {' ', 'f', "70", "112412"},   // 70
    {' ', 'g', "71", "122114"},   // 71
    {' ', 'h', "72", "122411"},   // 72
    {' ', 'i', "73", "142112"},   // 73
    {' ', 'j', "74", "142211"},   // 74
    {' ', 'k', "75", "241211"},   // 75
    {' ', 'l', "76", "221114"},   // 76
    {' ', 'm', "77", "413111"},   // 77
    {' ', 'n', "78", "241112"},   // 78
    {' ', 'o', "79", "134111"},   // 79
    {' ', 'p', "80", "111242"},   // 80
    {' ', 'q', "81", "121142"},   // 81
    {' ', 'r', "82", "121241"},   // 82
    {' ', 's', "83", "114212"},   // 83
    {' ', 't', "84", "124112"},   // 84
    {' ', 'u', "85", "124211"},   // 85
    {' ', 'v', "86", "411212"},   // 86
    {' ', 'w', "87", "421112"},   // 87
    {' ', 'x', "88", "421211"},   // 88
    {' ', 'y', "89", "212141"},   // 89
    {' ', 'z', "90", "214121"},   // 90
    {' ', '{', "91", "412121"},   // 91
    {' ', '|', "92", "111143"},   // 92
    {' ', '}', "93", "111341"},   // 93
    {' ', '~', "94", "131141"},   // 94
    {' ', ' ', "95", "114113"},   // 95
    {' ', ' ', "96", "114311"},   // 96
    {' ', ' ', "97", "411113"},   // 97
    {' ', ' ', "98", "411311"},   // 98
    {' ', ' ', "99", "113141"},   // 99
    {' ', ' ', "CB", "114131"},   // 100
    {' ', ' ', "CA", "311141"},   // 101
    {' ', ' ', "F1", "411131"},   // 102
}};

// Values 103 to 106 of the same table.
constexpr std::string_view StartA = "211412";
constexpr std::string_view StartB = "211214";
constexpr std::string_view StartC = "211232";
constexpr std::string_view Stop = "2331112"; // stop character and termination bar

// Every character is three bars and three spaces of 1 to 4 modules, 11 modules in all, with
// an even number of them in the bars: the parity a reader checks each character by.
constexpr bool IsCode128Character(std::string_view Widths) {
    return IsWritten(Widths, 6, "1234") && ModuleCount(Widths) == 11 &&
           ModulesFrom(Widths, 0) % 2 == 0;
}
static_assert(std::ranges::all_of(Code128Table, [](const Code128Row& Row) {
    return IsCode128Character(Row.Widths);
}));
static_assert(IsCode128Character(StartA) && IsCode128Character(StartB) &&
              IsCode128Character(StartC));
static_assert(IsWritten(Stop, 7, "1234") && ModuleCount(Stop) == 13);
static_assert(AllDistinct(Code128Table, [](const Code128Row& Row) { return Row.Widths; }));

constexpr int StartAValue = code128::StartA;
constexpr int StartBValue = code128::StartB;
constexpr int StartCValue = code128::StartC;
constexpr int FNC1Value = code128::FNC1;
constexpr int Modulus = 103;

// The escape bytes 195..202 name the symbols 95..102 (FNC1 to FNC4, SHIFT, CODE A/B/C,
// US or DEL) in sets A and B without a table lookup.
constexpr unsigned EscapeFirst = 195;
constexpr unsigned EscapeLast = 202;
constexpr unsigned EscapeOffset = 100;

// A character's symbol value in set A or B by the table's own rule: the filler space is
// value 0, the escape bytes name their values, and otherwise the first row that holds the
// character wins.
constexpr int SearchCode128Char(unsigned char Code, bool SetA) {
    const auto entry = [SetA](const Code128Row& row) { return SetA ? row.SetA : row.SetB; };
    if (static_cast<char>(Code) == entry(Code128Table[0]))
        return 0;
    if (Code >= EscapeFirst)
        return Code <= EscapeLast ? static_cast<int>(Code - EscapeOffset) : -1;
    for (std::size_t v = 0; v < Code128Table.size(); ++v)
        if (entry(Code128Table[v]) == static_cast<char>(Code))
            return static_cast<int>(v);
    return -1;
}

// That search done once for every byte, so encoding looks each character up directly.
template <bool SetA>
constexpr std::array<std::int8_t, 256> Code128CharValues = [] {
    std::array<std::int8_t, 256> values{};
    for (std::size_t code = 0; code < values.size(); ++code)
        values[code] =
            static_cast<std::int8_t>(SearchCode128Char(static_cast<unsigned char>(code), SetA));
    return values;
}();

// Every row's six widths already as pattern characters: each symbol starts with a bar and
// has an even number of elements, so its characters do not depend on where it stands.
constexpr auto Code128Modules = [] {
    std::array<std::array<char, 6>, Code128Table.size()> modules{};
    for (std::size_t v = 0; v < modules.size(); ++v)
        modules[v] = ModulesOf<6>(Code128Table[v].Widths);
    return modules;
}();
constexpr auto StopModules = ModulesOf<7>(Stop);

// A pair of digits, or one of the three set C codes; -1 for anything else.
int PairValue(char First, char Second) {
    const bool digits = First >= '0' && First <= '9' && Second >= '0' && Second <= '9';
    if (digits)
        return (First - '0') * 10 + (Second - '0');
    for (int v = 100; v < static_cast<int>(Code128Table.size()); ++v)
        if (Code128Table[static_cast<std::size_t>(v)].SetC[0] == First &&
            Code128Table[static_cast<std::size_t>(v)].SetC[1] == Second)
            return v;
    return -1;
}

struct StartCode {
    std::array<char, 6> Modules;
    int Value;
};

StartCode StartOf(TBarType BarType) {
    static constexpr StartCode StartCodeA{ModulesOf<6>(StartA), StartAValue};
    static constexpr StartCode StartCodeB{ModulesOf<6>(StartB), StartBValue};
    static constexpr StartCode StartCodeC{ModulesOf<6>(StartC), StartCValue};
    switch (BarType) {
    case bcCode128A:
    case bcCodeEAN128A:
        return StartCodeA;
    case bcCode128B:
    case bcCodeEAN128B:
        return StartCodeB;
    case bcCode128C:
    case bcCodeEAN128C:
        return StartCodeC;
    default:
        throw Exception("Code_128 :  : Wrong barcode type.");
    }
}

constexpr std::array<std::array<char, 6>, 3> StartModules{
    ModulesOf<6>(StartA), ModulesOf<6>(StartB), ModulesOf<6>(StartC)};

} // namespace

void WriteCode128(std::span<const int> Values, std::string& Pattern) {
    if (Values.empty() || Values[0] < StartAValue || Values[0] > StartCValue)
        throw Exception(InternalErrorMessage);
    TPatternWriter out(Pattern, 6 * (Values.size() + 1) + StopModules.size());
    std::uint64_t sum = static_cast<std::uint64_t>(Values[0]);
    out.Put(StartModules[static_cast<std::size_t>(Values[0] - StartAValue)]);
    for (std::size_t i = 1; i < Values.size(); ++i) {
        const auto v = static_cast<std::size_t>(Values[i]);
        out.Put(Code128Modules.at(v));
        // Weights reduced mod 103 keep every term below 103 x 103.
        sum += v * (i % Modulus);
    }
    out.Put(Code128Modules[sum % Modulus]);
    out.Put(StopModules);
    out.Finish();
}

int FindCode128Char(char Ch, TBarType BarType) {
    const auto code = static_cast<unsigned char>(Ch);
    return UsesSetA(BarType) ? Code128CharValues<true>[code] : Code128CharValues<false>[code];
}

bool IsCode128(TBarType Type) {
    return UsesSetA(Type) || UsesSetC(Type) || Type == bcCode128B || Type == bcCodeEAN128B ||
           Type == bcCode128 || Type == bcCodeGS1_128;
}

int FindCode128Pair(const std::string& Pair) {
    return Pair.size() == 2 ? PairValue(Pair[0], Pair[1]) : -1;
}

void EncodeCode128(TBarType BarType, const std::string& Value, TCheckSum CheckSum,
                   std::string& Text, std::string& Pattern) {
    const StartCode start = StartOf(BarType);
    std::string value = Value;
    if (IsEAN128(BarType))
        value = ApplyCheckSum(CheckSum, value);
    const bool setC = UsesSetC(BarType);
    if (setC && value.size() % 2 != 0)
        value.insert(value.begin(), '0');

    const std::size_t symbols =
        (IsEAN128(BarType) ? 1 : 0) + (setC ? value.size() / 2 : value.size());
    TPatternWriter out(Pattern, 6 * (symbols + 2) + StopModules.size());
    // Only the sum mod 103 matters. The weight is kept reduced; each term is then below
    // 103 x 103, so the sum cannot overflow 64 bits for any value that fits in memory and
    // is reduced once at the end.
    std::uint64_t sum = static_cast<std::uint64_t>(start.Value);
    int weight = 1;
    const auto append = [&](int v) {
        out.Put(Code128Modules[static_cast<std::size_t>(v)]);
        sum += static_cast<std::uint64_t>(v * weight);
        weight = weight == Modulus - 1 ? 0 : weight + 1;
    };
    out.Put(start.Modules);
    if (IsEAN128(BarType))
        append(FNC1Value);
    if (setC) {
        for (std::size_t i = 0; i < value.size(); i += 2) {
            const int v = PairValue(value[i], value[i + 1]);
            append(v < 0 ? 0 : v); // an unknown pair is drawn as "00"
        }
    } else {
        const auto& values = UsesSetA(BarType) ? Code128CharValues<true> : Code128CharValues<false>;
        for (const char ch : value) {
            const int v = values[static_cast<unsigned char>(ch)];
            append(v < 0 ? 0 : v); // an unknown character is drawn as the space, value 0
        }
    }
    out.Put(Code128Modules[sum % Modulus]);
    out.Put(StopModules);
    out.Finish();
    Text = std::move(value);
}

} // namespace quillmark
