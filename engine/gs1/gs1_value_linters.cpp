// The rules on a component's value: single-digit codes, zeros, pieces of a total,
// coordinates and percent escapes.
#include "gs1_linters.h"
#include "latin1.h"

#include <algorithm>
#include <cstdint>

namespace quillmark {
namespace {

TGS1LintFault Fault(std::string Text) {
    return TGS1LintFault{std::nullopt, std::move(Text)};
}

bool IsDigit(char Ch) {
    return Ch >= '0' && Ch <= '9';
}

bool IsHex(char Ch) {
    return IsDigit(Ch) || (Ch >= 'A' && Ch <= 'F') || (Ch >= 'a' && Ch <= 'f');
}

std::uint64_t Number(std::string_view Digits) {
    std::uint64_t value = 0;
    for (const char ch : Digits)
        value = value * 10 + static_cast<std::uint64_t>(ch - '0');
    return value;
}

// The component is one of the digits Codes; Meaning names what they code.
std::optional<TGS1LintFault> OneOf(std::string_view Component, std::string_view Codes,
                                   const char* Meaning) {
    if (Component.size() == 1 && Codes.find(Component[0]) != std::string_view::npos)
        return std::nullopt;
    return Fault(std::string(Component) + " is not " + Meaning);
}

std::optional<TGS1LintFault> AllZero(std::string_view Component) {
    const auto at = Component.find_first_not_of('0');
    if (at == std::string_view::npos)
        return std::nullopt;
    return TGS1LintFault{at, "should be 0, not " + std::string(1, Component[at])};
}

std::optional<TGS1LintFault> NotZero(std::string_view Component) {
    if (Component.find_first_not_of('0') != std::string_view::npos)
        return std::nullopt;
    return Fault(std::string(Component) + " may not be zero");
}

std::optional<TGS1LintFault> AllHyphens(std::string_view Component) {
    const auto at = Component.find_first_not_of('-');
    if (at == std::string_view::npos)
        return std::nullopt;
    return TGS1LintFault{at, "should be '-', not " + CharacterName(Component[at])};
}

std::optional<TGS1LintFault> NoLeadingZero(std::string_view Component) {
    if (Component.size() < 2 || Component[0] != '0')
        return std::nullopt;
    return TGS1LintFault{0, "a number of more than one digit may not start with 0"};
}

// Piece number, then the total, each half the digits: "0102" is piece 1 of 2.
std::optional<TGS1LintFault> PieceOfTotal(std::string_view Component) {
    const std::size_t half = Component.size() / 2;
    const std::string_view piece = Component.substr(0, half);
    const std::string_view total = Component.substr(half);
    if (Component.size() % 2 != 0 || half == 0)
        return Fault(std::string(Component) + " is not a piece number and a total of one length");
    if (Number(piece) == 0)
        return TGS1LintFault{0,
                             "piece " + std::string(piece) + " is not a piece; they count from 1"};
    if (Number(total) == 0)
        return TGS1LintFault{half, "a total of " + std::string(total) + " pieces is no total"};
    if (Number(piece) > Number(total))
        return TGS1LintFault{0, "piece " + std::string(piece) + " is past the total of " +
                                    std::string(total)};
    return std::nullopt;
}

// "1/3": the first of three.
std::optional<TGS1LintFault> PlaceSlashTotal(std::string_view Component) {
    const auto slash = Component.find('/');
    const std::string_view place = Component.substr(0, slash);
    const std::string_view total =
        slash == std::string_view::npos ? std::string_view() : Component.substr(slash + 1);
    const auto digits = [](std::string_view Text) {
        return !Text.empty() && Text.size() <= 9 && std::all_of(Text.begin(), Text.end(), IsDigit);
    };
    if (!digits(place) || !digits(total))
        return Fault(std::string(Component) + " is not a place and a total joined by '/', as 1/3");
    if (Number(place) == 0)
        return Fault(std::string(Component) + ": places count from 1");
    if (Number(place) > Number(total))
        return Fault(std::string(Component) + " counts past its total");
    return std::nullopt;
}

// Coordinates in ten-millionths of a degree, counted from 90 degrees south and 180 degrees
// west, so that they run up to 180 and 360 degrees.
std::optional<TGS1LintFault> AtMost(std::string_view Component, std::uint64_t Most,
                                    const char* Meaning) {
    if (Number(Component) <= Most)
        return std::nullopt;
    return Fault(std::string(Component) + " is not " + Meaning + ": the most is " +
                 std::to_string(Most));
}

std::optional<TGS1LintFault> HasNonDigit(std::string_view Component) {
    if (!std::all_of(Component.begin(), Component.end(), IsDigit))
        return std::nullopt;
    return Fault(std::string(Component) + " holds only digits; it needs some other character");
}

std::optional<TGS1LintFault> PercentEscapes(std::string_view Component) {
    for (std::size_t i = 0; i < Component.size(); ++i)
        if (Component[i] == '%' &&
            (i + 2 >= Component.size() || !IsHex(Component[i + 1]) || !IsHex(Component[i + 2])))
            return TGS1LintFault{i, "'%' is not followed by two hexadecimal digits"};
    return std::nullopt;
}

} // namespace

std::optional<TGS1LintFault> LintGS1Values(TGS1Linter Linter, std::string_view Component) {
    switch (Linter) {
    case TGS1Linter::YesNo:
        return OneOf(Component, "01", "0 (no) or 1 (yes)");
    case TGS1Linter::Iso5218:
        return OneOf(Component, "0129", "a sex code of ISO/IEC 5218: 0, 1, 2 or 9");
    case TGS1Linter::Winding:
        return OneOf(Component, "019", "a winding direction: 0, 1 or 9");
    case TGS1Linter::Zero:
        return AllZero(Component);
    case TGS1Linter::NonZero:
        return NotZero(Component);
    case TGS1Linter::Hyphen:
        return AllHyphens(Component);
    case TGS1Linter::NoZeroPrefix:
        return NoLeadingZero(Component);
    case TGS1Linter::PieceOfTotal:
        return PieceOfTotal(Component);
    case TGS1Linter::PosInSeqSlash:
        return PlaceSlashTotal(Component);
    case TGS1Linter::Latitude:
        return AtMost(Component, 1800000000, "a latitude");
    case TGS1Linter::Longitude:
        return AtMost(Component, 3600000000, "a longitude");
    case TGS1Linter::HasNonDigit:
        return HasNonDigit(Component);
    case TGS1Linter::PcEnc:
        return PercentEscapes(Component);
    default:
        return std::nullopt;
    }
}

} // namespace quillmark
