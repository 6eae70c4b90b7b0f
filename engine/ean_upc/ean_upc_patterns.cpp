// Pattern helpers shared by the EAN/UPC encoders.
#include "ean_upc_tables.h"
#include "pattern_writer.h"

namespace quillmark {

void AppendEANDigit(std::string& Pattern, const EANDigitRows& Set, char Digit) {
    const auto& row = Set[static_cast<std::size_t>(DigitValue(Digit))];
    Pattern.append(row.data(), row.size());
}

void GuardedSetAAndC(const std::string& Digits, std::size_t Half, std::string& Pattern) {
    RequireDigits(Digits, 2 * Half);
    const auto row = [&Digits](const EANDigitRows& Set, std::size_t K) {
        return Set[static_cast<std::size_t>(Digits[K] - '0')];
    };
    TPatternWriter out(Pattern, 2 * EANGuard.size() + EANCentreGuard.size() + 8 * Half);
    out.Put(EANGuard);
    for (std::size_t k = 0; k < Half; ++k)
        out.Put(row(EANRowsA, k));
    out.Put(EANCentreGuard);
    for (std::size_t k = Half; k < 2 * Half; ++k)
        out.Put(row(EANRowsC, k));
    out.Put(EANGuard);
    out.Finish();
}

std::string_view ParityRow(std::string_view Table, int Row) {
    return Table.substr(static_cast<std::size_t>(Row) * 6, 6);
}

} // namespace quillmark
