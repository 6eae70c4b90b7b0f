// The rules that recompute a check character: GS1's modulo 10, GS1's check character pair
// and the IBAN's modulo 97.
#include "encoders.h"
#include "gs1_character_sets.h"
#include "gs1_linters.h"
#include "latin1.h"

#include <array>

namespace quillmark {
namespace {

std::optional<TGS1LintFault> CheckDigit(std::string_view Digits) {
    const std::size_t last = Digits.size() - 1;
    const char expected = Mod10CheckDigit(Digits.substr(0, last));
    if (Digits[last] == expected)
        return std::nullopt;
    return TGS1LintFault{last, std::string("check digit should be ") + expected + ", not " +
                                   Digits[last]};
}

// GS1's general standard 7.9.5: the characters' CSET 82 values weighted by the primes from
// the right, modulo 1021, written as two characters of CSET 32.
std::optional<TGS1LintFault> CheckCharacterPair(std::string_view Text) {
    constexpr std::array<int, 24> Weights = {2,  3,  5,  7,  11, 13, 17, 19, 23, 29, 31, 37,
                                             41, 43, 47, 53, 59, 61, 67, 71, 73, 79, 83, 89};
    if (Text.size() < 3 || Text.size() > Weights.size() + 2)
        return TGS1LintFault{std::nullopt, std::to_string(Text.size()) +
                                               " characters cannot carry a check character pair"};
    const std::size_t data = Text.size() - 2;
    int sum = 0;
    for (std::size_t i = 0; i < data; ++i)
        sum += static_cast<int>(GS1CharacterSet82.find(Text[i])) * Weights[data - 1 - i];
    sum %= 1021;
    const std::string expected = {GS1CharacterSet32[sum / 32], GS1CharacterSet32[sum % 32]};
    if (Text.substr(data) == expected)
        return std::nullopt;
    return TGS1LintFault{data, "check characters should be " + expected + ", not " +
                                   std::string(Text.substr(data))};
}

bool IsUpper(char Ch) {
    return Ch >= 'A' && Ch <= 'Z';
}
bool IsDigit(char Ch) {
    return Ch >= '0' && Ch <= '9';
}

// ISO 13616: the country code and check digits moved behind the rest, letters as 10 to 35,
// leave 1 modulo 97.
int IbanRemainder(std::string_view Iban) {
    int remainder = 0;
    for (std::size_t i = 0; i < Iban.size(); ++i) {
        const char ch = Iban[(i + 4) % Iban.size()];
        remainder = IsDigit(ch) ? (remainder * 10 + (ch - '0')) % 97
                                : (remainder * 100 + (ch - 'A' + 10)) % 97;
    }
    return remainder;
}

std::optional<TGS1LintFault> CheckIban(std::string_view Iban) {
    if (Iban.size() < 5)
        return TGS1LintFault{std::nullopt,
                             std::to_string(Iban.size()) + " characters are too few for an IBAN"};
    for (std::size_t i = 0; i < Iban.size(); ++i) {
        const char ch = Iban[i];
        if (i < 2 && !IsUpper(ch))
            return TGS1LintFault{i, CharacterName(ch) + " is not an upper case letter of the "
                                                        "country code an IBAN starts with"};
        if (i >= 2 && i < 4 && !IsDigit(ch))
            return TGS1LintFault{i, CharacterName(ch) + " is not a digit of the IBAN's check "
                                                        "digits"};
        if (!IsDigit(ch) && !IsUpper(ch))
            return TGS1LintFault{i, CharacterName(ch) +
                                        " is neither a digit nor an upper case letter"};
    }
    if (IbanRemainder(Iban) == 1)
        return std::nullopt;
    std::string zeroed(Iban);
    zeroed[2] = zeroed[3] = '0';
    const int expected = 98 - IbanRemainder(zeroed);
    const std::string digits = {static_cast<char>('0' + expected / 10),
                                static_cast<char>('0' + expected % 10)};
    return TGS1LintFault{2, "IBAN check digits should be " + digits + ", not " +
                                std::string(Iban.substr(2, 2))};
}

} // namespace

std::optional<TGS1LintFault> LintGS1CheckCharacters(TGS1Linter Linter, std::string_view Component) {
    switch (Linter) {
    case TGS1Linter::CSum:
        return CheckDigit(Component);
    case TGS1Linter::CSumAlpha:
        return CheckCharacterPair(Component);
    case TGS1Linter::Iban:
        return CheckIban(Component);
    default:
        return std::nullopt;
    }
}

} // namespace quillmark
