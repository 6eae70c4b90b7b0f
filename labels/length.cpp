#include "length.h"

#include <array>
#include <charconv>
#include <stdexcept>
#include <string>
#include <utility>

namespace quillmark::labels {
namespace {

constexpr double mmPerPoint = 25.4 / 72;

// The units of the files' Length type; a bare number is points.
constexpr std::array<std::pair<std::string_view, double>, 6> units{{
    {"pt", mmPerPoint},
    {"in", 25.4},
    {"mm", 1.0},
    {"cm", 10.0},
    {"pc", 12 * mmPerPoint},
    {"", mmPerPoint},
}};

std::string_view trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

double lengthInMm(std::string_view text) {
    const std::string_view length = trimmed(text);
    double number = 0;
    const auto [end, error] = std::from_chars(length.data(), length.data() + length.size(), number);
    const bool noNumber = error == std::errc::invalid_argument;
    if (!noNumber && error != std::errc()) {
        throw std::invalid_argument("The length \"" + std::string(text) +
                                    "\" is out of range; write a number of pt, in, mm, cm or pc.");
    }
    const std::string_view unit = trimmed(noNumber ? length : std::string_view(end, length.end()));
    for (const auto& [name, mm] : units) {
        if (unit == name) {
            return noNumber ? 0.0 : number * mm;
        }
    }
    throw std::invalid_argument("The length \"" + std::string(text) +
                                "\" has no known unit; write a number followed by pt, in, mm, "
                                "cm or pc (a bare number is points).");
}

} // namespace quillmark::labels
