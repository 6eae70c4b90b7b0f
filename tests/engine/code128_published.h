// ISO/IEC 15417's symbol characters as the standard prints them, and a symbol's widths
// built from them: the independent side of the Code 128 tests.
#pragma once

#include <quillmark/engine.h>

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

// ISO/IEC 15417 symbol character widths (bar, space, ...), indexed by symbol value.
constexpr std::string_view Code128Published[103] = {
    "212222", "222122", "222221", "121223", "121322", "131222", "122213", "122312", "132212",
    "221213", "221312", "231212", "112232", "122132", "122231", "113222", "123122", "123221",
    "223211", "221132", "221231", "213212", "223112", "312131", "311222", "321122", "321221",
    "312212", "322112", "322211", "212123", "212321", "232121", "111323", "131123", "131321",
    "112313", "132113", "132311", "211313", "231113", "231311", "112133", "112331", "132131",
    "113123", "113321", "133121", "313121", "211331", "231131", "213113", "213311", "213131",
    "311123", "311321", "331121", "312113", "312311", "332111", "314111", "221411", "431111",
    "111224", "111422", "121124", "121421", "141122", "141221", "112214", "112412", "122114",
    "122411", "142112", "142211", "241211", "221114", "413111", "241112", "134111", "111242",
    "121142", "121241", "114212", "124112", "124211", "411212", "421112", "421211", "212141",
    "214121", "412121", "111143", "111341", "131141", "114113", "114311", "411113", "411311",
    "113141", "114131", "311141", "411131"};
constexpr std::string_view StartA = "211412";
constexpr std::string_view StartB = "211214";
constexpr std::string_view StartC = "211232";
constexpr std::string_view Stop = "2331112";

struct Encoded {
    std::string Text;
    std::string Widths;
};

inline Encoded Encode(TBarType Type, const std::string& Value, TCheckSum CheckSum = csNone) {
    double ratio = 2.0;
    Encoded out{Value, {}};
    std::string pattern;
    MakeModules(Type, Value, 1, ratio, CheckSum, out.Text, pattern);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        // Bars and spaces alternate from a bar, each of width class 0 to 3.
        const char ch = pattern[i];
        EXPECT_NE(std::string_view(i % 2 == 0 ? "5678" : "0123").find(ch), std::string_view::npos)
            << "position " << i << " of " << pattern;
        out.Widths += static_cast<char>(ch >= '5' ? ch - 4 : ch + 1);
    }
    return out;
}

// Width string of a symbol: Start (103, 104 or 105), the data values, check and stop.
inline std::string Symbol(int Start, const std::vector<int>& Values, int Check) {
    std::string widths(Start == 103 ? StartA : Start == 104 ? StartB : StartC);
    for (const int v : Values)
        widths += Code128Published[v];
    widths += Code128Published[Check];
    return widths + std::string(Stop);
}

// The published check: start value plus each symbol value times its position, mod 103.
inline int Check(int Start, const std::vector<int>& Values) {
    long long sum = Start;
    for (std::size_t i = 0; i < Values.size(); ++i)
        sum += static_cast<long long>(Values[i]) * static_cast<long long>(i + 1);
    return static_cast<int>(sum % 103);
}

inline std::string Symbol(int Start, const std::vector<int>& Values) {
    return Symbol(Start, Values, Check(Start, Values));
}

} // namespace quillmark
