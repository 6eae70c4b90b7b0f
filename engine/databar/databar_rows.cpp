#include "databar_rows.h"

#include <algorithm>
#include <cstddef>

namespace quillmark {
namespace {

// The modules at each end of a separator that stay light.
constexpr int LightEnds = 4;

char Complement(char Module) {
    return Module == '1' ? '0' : '1';
}

} // namespace

std::vector<int> Reversed(std::vector<int> Widths) {
    std::reverse(Widths.begin(), Widths.end());
    return Widths;
}

std::string ModulesOf(const std::vector<int>& Widths, bool DarkFirst) {
    std::string modules;
    bool dark = DarkFirst;
    for (const int w : Widths) {
        modules.append(static_cast<std::size_t>(w), dark ? '1' : '0');
        dark = !dark;
    }
    return modules;
}

std::string SeparatorBeside(const std::string& Row, const std::vector<TModuleSpan>& Finders,
                            bool FromRight) {
    const int width = static_cast<int>(Row.size());
    std::string separator(Row.size(), '0');
    for (int i = LightEnds; i < width - LightEnds; ++i)
        separator[i] = Complement(Row[i]);
    // Each light run begins dark where the finder is read from.
    for (const TModuleSpan& finder : Finders)
        for (int k = 1; k < finder.End - finder.Begin; ++k) {
            const int i = FromRight ? finder.End - 1 - k : finder.Begin + k;
            const int before = FromRight ? i + 1 : i - 1;
            if (Row[i] == '0' && Row[before] == '0')
                separator[i] = Complement(separator[before]);
        }
    return separator;
}

std::string SeparatorBetween(const std::string& Top, const std::string& Bottom) {
    // The alternation runs from the rows' first module, after a dark one, though the ends
    // are then cleared: it fixes where the light ends meet the rest.
    const int width = static_cast<int>(Top.size());
    std::string separator(Top.size(), '0');
    char previous = '1';
    for (int i = 0; i < width - LightEnds; ++i) {
        previous = Top[i] == Bottom[i] ? Complement(Top[i]) : Complement(previous);
        if (i >= LightEnds)
            separator[i] = previous;
    }
    return separator;
}

std::string AlternatingSeparator(int Width) {
    std::string separator(static_cast<std::size_t>(Width), '0');
    for (int i = LightEnds + 1; i < Width - LightEnds; i += 2)
        separator[i] = '1';
    return separator;
}

} // namespace quillmark
