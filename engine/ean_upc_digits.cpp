// Helpers shared by the EAN/UPC encoders.
#include "ean_upc_tables.h"

namespace quillmark {

int EANDigit(char Ch) {
    if (Ch < '0' || Ch > '9')
        throw EConvertError("'" + std::string(1, Ch) + "' is not a valid integer value");
    return Ch - '0';
}

void AppendEANDigit(std::string& Pattern, const EANDigitSet& Set, char Digit) {
    Pattern += Set[static_cast<std::size_t>(EANDigit(Digit))];
}

std::string_view ParityRow(std::string_view Table, int Row) {
    return Table.substr(static_cast<std::size_t>(Row) * 6, 6);
}

} // namespace quillmark
