// POSTNET: full and short bars separated by wide spaces.
#include "encoders.h"

#include <array>
#include <string_view>
#include <utility>

namespace quillmark {

namespace {

// Weights 7, 4, 2, 1, 0: a full bar "5" for 1, a short bar "A" for 0, each with a wide space.
constexpr std::array<std::string_view, 10> PostNetTable{
    "5151A1A1A1", "A1A1A15151", "A1A151A151", "A1A15151A1", "A151A1A151",
    "A151A151A1", "A15151A1A1", "51A1A1A151", "51A1A151A1", "51A151A1A1",
};

} // namespace

void EncodeCodePostNet(const std::string& Value, std::string& Pattern) {
    std::string pattern = "51";
    for (const char digit : Value)
        pattern += PostNetTable[DigitValue(digit)];
    pattern += "5";
    Pattern = std::move(pattern);
}

} // namespace quillmark
