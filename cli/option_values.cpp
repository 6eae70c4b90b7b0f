#include "option_values.h"

#include <quillmark/decimal_text.h>
#include <quillmark/ink_text.h>

#include <charconv>
#include <cmath>

namespace quillmark::cli {

void Refuse(std::string_view Option, const std::string& Text, const std::string& Why) {
    throw UsageError("--" + std::string(Option) + " '" + Text + "': " + Why);
}

double Number(std::string_view Option, const std::string& Text, double Low, double High) {
    double value = 0;
    const char* end = Text.data() + Text.size();
    const auto [at, error] = std::from_chars(Text.data(), end, value);
    if (error != std::errc() || at != end || !std::isfinite(value))
        Refuse(Option, Text, "not a number");
    if (value < Low || value > High) {
        Refuse(Option, Text,
               "out of range (" + ShortestText(Low) + " to " + ShortestText(High) + ")");
    }
    return value;
}

std::optional<int> WholeNumber(std::string_view Text) {
    int value = 0;
    const char* end = Text.data() + Text.size();
    const auto [at, error] = std::from_chars(Text.data(), end, value);
    if (Text.empty() || error != std::errc() || at != end)
        return std::nullopt;
    return value;
}

int Whole(std::string_view Option, const std::string& Text, int Low, int High) {
    const std::optional<int> whole = WholeNumber(Text);
    if (!whole)
        Refuse(Option, Text, "not a whole number");
    const int value = *whole;
    if (value < Low || value > High)
        Refuse(Option, Text,
               "out of range (" + std::to_string(Low) + " to " + std::to_string(High) + ")");
    return value;
}

std::string ColourText(TColor Colour) {
    return RgbText(Colour);
}

} // namespace quillmark::cli
