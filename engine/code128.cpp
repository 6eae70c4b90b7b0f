// Code 128 and EAN-128, each written in the one code set its bar type names.
#include "encoders.h"

#include <array>
#include <string_view>

namespace quillmark {

namespace {

struct Code128Row {
    char SetA;               // codes 32..95; rows 64 and up hold a filler space
    char SetB;               // codes 32..126; rows 95 and up hold a filler space
    std::string_view SetC;   // digit pair, or "CB", "CA", "F1" for CODE B, CODE A, FNC1
    std::string_view Widths; // bar, space, bar, space, bar, space: 11 modules
};

// Indexed by symbol value.
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

constexpr std::string_view StartA = "211412";
constexpr std::string_view StartB = "211214";
constexpr std::string_view StartC = "211232";
constexpr std::string_view Stop = "2331112"; // stop character and termination bar

constexpr int StartAValue = 103;
constexpr int StartBValue = 104;
constexpr int StartCValue = 105;
constexpr int FNC1Value = 102;
constexpr int Modulus = 103;

// The escape bytes 195..202 name the symbols 95..102 (FNC1 to FNC4, SHIFT, CODE A/B/C,
// US or DEL) in sets A and B without a table lookup.
constexpr unsigned EscapeFirst = 195;
constexpr unsigned EscapeLast = 202;
constexpr unsigned EscapeOffset = 100;

bool UsesSetA(TBarType BarType) {
    return BarType == bcCode128A || BarType == bcCodeEAN128A;
}

bool UsesSetC(TBarType BarType) {
    return BarType == bcCode128C || BarType == bcCodeEAN128C;
}

bool IsEAN128(TBarType BarType) {
    return BarType == bcCodeEAN128A || BarType == bcCodeEAN128B || BarType == bcCodeEAN128C;
}

} // namespace

int FindCode128Char(char Ch, TBarType BarType) {
    const bool setA = UsesSetA(BarType);
    const auto entry = [setA](const Code128Row& row) { return setA ? row.SetA : row.SetB; };
    if (Ch == entry(Code128Table[0]))
        return 0;
    const auto code = static_cast<unsigned char>(Ch);
    if (code >= EscapeFirst) {
        // Bytes past the escapes would name values beyond the table: not encodable.
        return code <= EscapeLast ? static_cast<int>(code - EscapeOffset) : -1;
    }
    for (std::size_t v = 0; v < Code128Table.size(); ++v)
        if (entry(Code128Table[v]) == Ch)
            return static_cast<int>(v);
    return -1;
}

int FindCode128Pair(const std::string& Pair) {
    for (std::size_t v = 0; v < Code128Table.size(); ++v)
        if (Code128Table[v].SetC == Pair)
            return static_cast<int>(v);
    return -1;
}

void EncodeCode128(TBarType BarType, const std::string& Value, TCheckSum CheckSum,
                   std::string& Text, std::string& Pattern) {
    std::string widths;
    int sum = 0;
    switch (BarType) {
    case bcCode128A:
    case bcCodeEAN128A:
        widths = StartA;
        sum = StartAValue;
        break;
    case bcCode128B:
    case bcCodeEAN128B:
        widths = StartB;
        sum = StartBValue;
        break;
    case bcCode128C:
    case bcCodeEAN128C:
        widths = StartC;
        sum = StartCValue;
        break;
    default:
        throw Exception("Code_128 :  : Wrong barcode type.");
    }
    // The sum and the weight are kept reduced: only the sum mod 103 matters, and long
    // values would otherwise overflow them.
    sum %= Modulus;
    int weight = 1;
    const auto append = [&](int v) {
        widths += Code128Table[v].Widths;
        sum = (sum + v * weight) % Modulus;
        weight = (weight + 1) % Modulus;
    };

    std::string value = Value;
    if (IsEAN128(BarType)) {
        append(FNC1Value);
        value = ApplyCheckSum(CheckSum, value);
    }

    if (UsesSetC(BarType)) {
        if (value.size() % 2 != 0)
            value.insert(value.begin(), '0');
        for (std::size_t i = 0; i < value.size(); i += 2) {
            int v = FindCode128Pair(value.substr(i, 2));
            if (v < 0)
                v = FindCode128Pair("00");
            append(v);
        }
    } else {
        for (const char ch : value) {
            int v = FindCode128Char(ch, BarType);
            if (v < 0)
                v = FindCode128Char(' ', BarType);
            append(v);
        }
    }

    widths += Code128Table[sum].Widths;
    widths += Stop;
    Pattern = WidthsToModules(widths);
    Text = std::move(value);
}

} // namespace quillmark
