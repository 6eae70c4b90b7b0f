// Helpers shared by the EAN/UPC encoders.
#include "ean_upc_tables.h"

namespace quillmark {

void AppendEANDigit(std::string& Pattern, const EANDigitSet& Set, char Digit) {
    Pattern += Set[static_cast<std::size_t>(DigitValue(Digit))];
}

std::string_view ParityRow(std::string_view Table, int Row) {
    return Table.substr(static_cast<std::size_t>(Row) * 6, 6);
}

} // namespace quillmark
