// UPC-A and UPC-E. Under csModulo10 the check digit is recomputed and the display text
// becomes the digits drawn; under csNone the text is left alone.
#include "ean_upc.h"
#include "ean_upc_tables.h"
#include "encoders.h"

namespace quillmark {

namespace {

// UPC-E of either number system. The value carries no number-system digit: the
// symbology fixes it, and it shows only in the parity. NumberSystem1 complements the
// number system 0 parity row.
void EncodeUPCE(const std::string& Value, TCheckSum CheckSum, bool NumberSystem1, std::string& Text,
                std::string& Pattern) {
    std::string digits = EANUPCDigits(bcCodeUPC_E0, Value, CheckSum).Drawn;
    const bool showDigits = CheckSum == csModulo10;
    const std::string_view parity = ParityRow(UPCEParity, DigitValue(digits[6]));
    std::string pattern(EANGuard);
    for (std::size_t k = 0; k < 6; ++k) {
        const bool even = (parity[k] == 'E') != NumberSystem1;
        AppendEANDigit(pattern, even ? EANRowsB : EANRowsA, digits[k]);
    }
    pattern += UPCEEndGuard;
    Pattern = std::move(pattern);
    if (showDigits)
        Text = std::move(digits);
}

} // namespace

void EncodeCodeUPC_A(const std::string& Value, TCheckSum CheckSum, std::string& Text,
                     std::string& Pattern) {
    std::string digits = EANUPCDigits(bcCodeUPC_A, Value, CheckSum).Drawn;
    const bool showDigits = CheckSum == csModulo10;
    GuardedSetAAndC(digits, 6, Pattern);
    if (showDigits)
        Text = std::move(digits);
}

void EncodeCodeUPC_E0(const std::string& Value, TCheckSum CheckSum, std::string& Text,
                      std::string& Pattern) {
    EncodeUPCE(Value, CheckSum, false, Text, Pattern);
}

void EncodeCodeUPC_E1(const std::string& Value, TCheckSum CheckSum, std::string& Text,
                      std::string& Pattern) {
    EncodeUPCE(Value, CheckSum, true, Text, Pattern);
}

} // namespace quillmark
