// Helpers shared by the EAN/UPC encoders.
#include "ean_upc_tables.h"

namespace quillmark {

void AppendEANDigit(std::string& Pattern, const EANDigitSet& Set, char Digit) {
    Pattern += Set[static_cast<std::size_t>(DigitValue(Digit))];
}

std::string GuardedSetAAndC(const std::string& Digits, std::size_t Half) {
    std::string pattern(EANGuard);
    for (std::size_t k = 0; k < Half; ++k)
        AppendEANDigit(pattern, EANSetA, Digits[k]);
    pattern += EANCentreGuard;
    for (std::size_t k = Half; k < 2 * Half; ++k)
        AppendEANDigit(pattern, EANSetC, Digits[k]);
    pattern += EANGuard;
    return pattern;
}

std::string_view ParityRow(std::string_view Table, int Row) {
    return Table.substr(static_cast<std::size_t>(Row) * 6, 6);
}

} // namespace quillmark
