#include <quillmark/ink_text.h>

#include <quillmark/decimal_text.h>
#include <quillmark/engine.h>

#include <algorithm>
#include <array>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

namespace quillmark {

namespace {

constexpr double MaxPercent = 100;
constexpr std::string_view CmykOpening = "cmyk(";
constexpr std::array<char, 4> CmykNames{'C', 'M', 'Y', 'K'};

std::string_view Trimmed(std::string_view Text) {
    while (!Text.empty() && std::isspace(static_cast<unsigned char>(Text.front())))
        Text.remove_prefix(1);
    while (!Text.empty() && std::isspace(static_cast<unsigned char>(Text.back())))
        Text.remove_suffix(1);
    return Text;
}

bool StartsWithCaseless(std::string_view Text, std::string_view Start) {
    return Text.size() >= Start.size() &&
           std::equal(Start.begin(), Start.end(), Text.begin(), [](char a, char b) {
               return std::tolower(static_cast<unsigned char>(a)) ==
                      std::tolower(static_cast<unsigned char>(b));
           });
}

// Six hexadecimal digits, after a '#' or without one.
std::optional<TInk> ReadRgb(std::string_view Text) {
    if (!Text.empty() && Text.front() == '#')
        Text.remove_prefix(1);
    unsigned rgb = 0;
    const auto [at, error] = std::from_chars(Text.data(), Text.data() + Text.size(), rgb, 16);
    if (Text.size() != 6 || error != std::errc() || at != Text.data() + Text.size())
        return std::nullopt;
    // TColor keeps red in the lowest byte.
    return TInk{static_cast<TColor>(((rgb >> 16) & 0xFF) | (rgb & 0xFF00) | ((rgb & 0xFF) << 16)),
                std::nullopt};
}

// One percentage of a cmyk(...) colour: a number from 0 to 100, a '%' after it allowed.
double ReadPercent(std::string_view Text, char Name) {
    std::string_view number = Trimmed(Text);
    if (!number.empty() && number.back() == '%')
        number = Trimmed(number.substr(0, number.size() - 1));
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [at, error] = std::from_chars(number.data(), end, value);
    const std::string name(1, Name);
    if (number.empty() || error != std::errc() || at != end || !std::isfinite(value))
        throw Exception(name + " is '" + std::string(Text) +
                        "', not a number; write each of C, M, Y and K as a percentage from 0 "
                        "to 100");
    if (value < 0 || value > MaxPercent)
        throw Exception(name + " is " + ShortestText(value) +
                        "; each of C, M, Y and K is a percentage from 0 to 100");
    return value;
}

// "cmyk(C,M,Y,K)"; a text that opens so and says anything else is refused for what it says.
std::optional<TInk> ReadCmyk(std::string_view Text) {
    if (!StartsWithCaseless(Text, CmykOpening))
        return std::nullopt;
    if (Text.back() != ')')
        throw Exception("no closing parenthesis; write cmyk(C,M,Y,K)");
    std::string_view inside = Text.substr(CmykOpening.size(), Text.size() - CmykOpening.size() - 1);
    std::array<double, 4> values{};
    for (std::size_t i = 0; i < values.size(); ++i) {
        const std::size_t comma = inside.find(',');
        const bool last = i + 1 == values.size();
        if (last != (comma == std::string_view::npos))
            throw Exception("a CMYK colour has four percentages between commas; write "
                            "cmyk(C,M,Y,K), such as cmyk(0,0,0,100) for black");
        values[i] = ReadPercent(inside.substr(0, comma), CmykNames[i]);
        inside = last ? std::string_view() : inside.substr(comma + 1);
    }
    const TCmyk cmyk{values[0], values[1], values[2], values[3]};
    return TInk{RgbOf(cmyk), cmyk};
}

// Each form a colour is written in, tried in turn: its reader gives none for a text not in
// its form and refuses one in its form that is wrong.
struct TInkForm {
    std::string_view Shape; // as a refusal names it
    std::optional<TInk> (*Read)(std::string_view);
};

constexpr std::array<TInkForm, 2> InkForms{{
    {"#RRGGBB", ReadRgb},
    {"cmyk(C,M,Y,K) in percent", ReadCmyk},
}};

} // namespace

TInk ReadInk(std::string_view Text) {
    const std::string_view trimmed = Trimmed(Text);
    for (const TInkForm& form : InkForms)
        if (std::optional<TInk> ink = form.Read(trimmed))
            return *ink;
    std::string forms;
    for (std::size_t i = 0; i < InkForms.size(); ++i)
        forms += std::string(i == 0 ? "" : " or ") + std::string(InkForms[i].Shape);
    throw Exception("not a colour; write " + forms);
}

std::string RgbText(TColor Rgb) {
    constexpr char hex[] = "0123456789ABCDEF";
    std::string text = "#";
    for (const int shift : {0, 8, 16}) {
        const int channel = (Rgb >> shift) & 0xFF;
        text += hex[channel >> 4];
        text += hex[channel & 0xF];
    }
    return text;
}

std::string CmykText(const TCmyk& Cmyk) {
    return "cmyk(" + ShortestText(Cmyk.C) + ',' + ShortestText(Cmyk.M) + ',' +
           ShortestText(Cmyk.Y) + ',' + ShortestText(Cmyk.K) + ')';
}

std::string InkText(const TInk& Ink) {
    return Ink.Cmyk ? CmykText(*Ink.Cmyk) : RgbText(Ink.Rgb);
}

} // namespace quillmark
