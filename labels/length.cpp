#include "length.h"

#include <quillmark/engine.h>

#include <array>
#include <charconv>
#include <string>
#include <utility>

namespace quillmark {
namespace {

constexpr double MMPerPoint = 25.4 / 72;

// The units of the files' Length type; a bare number is points.
constexpr std::array<std::pair<std::string_view, double>, 6> Units{{
    {"pt", MMPerPoint},
    {"in", 25.4},
    {"mm", 1.0},
    {"cm", 10.0},
    {"pc", 12 * MMPerPoint},
    {"", MMPerPoint},
}};

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t\r\n");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t\r\n") - first + 1);
}

} // namespace

double LengthInMM(std::string_view text) {
    const std::string_view length = Trimmed(text);
    double number = 0;
    const auto [end, error] = std::from_chars(length.data(), length.data() + length.size(), number);
    const bool noNumber = error == std::errc::invalid_argument;
    if (!noNumber && error != std::errc()) {
        throw Exception("The length \"" + std::string(text) +
                        "\" is out of range; write a number of pt, in, mm, cm or pc.");
    }
    const std::string_view unit = Trimmed(noNumber ? length : std::string_view(end, length.end()));
    for (const auto& [name, mm] : Units) {
        if (unit == name) {
            return noNumber ? 0.0 : number * mm;
        }
    }
    throw Exception("The length \"" + std::string(text) +
                    "\" has no known unit; write a number followed by pt, in, mm, "
                    "cm or pc (a bare number is points).");
}

} // namespace quillmark
