#include "option_values.h"

#include <quillmark/decimal_text.h>

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

int Whole(std::string_view Option, const std::string& Text, int Low, int High) {
    int value = 0;
    const char* end = Text.data() + Text.size();
    const auto [at, error] = std::from_chars(Text.data(), end, value);
    if (error != std::errc() || at != end)
        Refuse(Option, Text, "not a whole number");
    if (value < Low || value > High)
        Refuse(Option, Text,
               "out of range (" + std::to_string(Low) + " to " + std::to_string(High) + ")");
    return value;
}

} // namespace quillmark::cli
