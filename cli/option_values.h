// Reading an option's value, or refusing the command line with a sentence that says why.
#pragma once

#include "choices.h"

#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace quillmark::cli {

// A command line that can't be run as given; exit status 2.
class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Raises UsageError: "--Option 'Text': Why".
[[noreturn]] void Refuse(std::string_view Option, const std::string& Text, const std::string& Why);

// Text as a number from Low to High; refuses anything else.
double Number(std::string_view Option, const std::string& Text, double Low, double High);

// Text as a whole number (digits, perhaps after a '-'), or none.
std::optional<int> WholeNumber(std::string_view Text);

// Text as a whole number from Low to High; refuses anything else.
int Whole(std::string_view Option, const std::string& Text, int Low, int High);

// A length in millimetres, "0.05mm" or "0.05", from Low to High; refuses anything else.
double Millimetres(std::string_view Option, const std::string& Text, double Low, double High);

// --bwr's value: millimetres as Millimetres takes them, or whole dots at --dpi as "1dot"
// or "2dots"; one of the two is set.
struct TReductionValue {
    double MM = 0;
    int Dots = 0;
};
TReductionValue ReductionValue(std::string_view Option, const std::string& Text);

// Colour as the colour options take it: #RRGGBB (TColor keeps red in the lowest byte).
std::string ColourText(TColor Colour);

// The value Text names among Choices; refuses listing them otherwise.
template <typename Range>
auto Choose(std::string_view Option, const std::string& Text, const Range& Choices) {
    for (const auto& choice : Choices)
        if (choice.Name == Text)
            return choice.Value;
    Refuse(Option, Text, "choose one of " + JoinNames(Choices, ", "));
}

} // namespace quillmark::cli
