#include "option_values.h"

#include <quillmark/decimal_text.h>
#include <quillmark/description_ranges.h>
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

namespace {

// Text without Suffix at its end, or none where it doesn't end so.
std::optional<std::string> Without(const std::string& Text, std::string_view Suffix) {
    if (Text.size() <= Suffix.size() || !Text.ends_with(Suffix))
        return std::nullopt;
    return Text.substr(0, Text.size() - Suffix.size());
}

} // namespace

double Millimetres(std::string_view Option, const std::string& Text, double Low, double High) {
    const std::string number = Without(Text, "mm").value_or(Text);
    double value = 0;
    const char* end = number.data() + number.size();
    const auto [at, error] = std::from_chars(number.data(), end, value);
    if (number.empty() || error != std::errc() || at != end || !std::isfinite(value))
        Refuse(Option, Text, "not a length; write millimetres, as 0.05mm or 0.05");
    if (value < Low || value > High)
        Refuse(Option, Text,
               "out of range (" + ShortestText(Low) + " to " + ShortestText(High) + " mm)");
    return value;
}

TReductionValue ReductionValue(std::string_view Option, const std::string& Text) {
    // A bar is at most a picture's side; more dots than the finest resolution's inch are
    // no bar width.
    for (const std::string_view unit : {"dots", "dot"})
        if (const std::optional<std::string> count = Without(Text, unit)) {
            const std::optional<int> dots = WholeNumber(*count);
            if (!dots || *dots < 0 || *dots > MaxDpi)
                Refuse(Option, Text,
                       "not a count of dots; write a whole number from 0 to " +
                           std::to_string(MaxDpi) + ", as 1dot or 2dots");
            return {.MM = 0, .Dots = *dots};
        }
    return {.MM = Millimetres(Option, Text, 0, MaxXDimensionMM), .Dots = 0};
}

std::string ColourText(TColor Colour) {
    return RgbText(Colour);
}

} // namespace quillmark::cli
