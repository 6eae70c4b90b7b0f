// EAN-8 and EAN-13. Neither touches the display text, so the computed check digit is
// drawn but never shown.
#include "ean_upc.h"
#include "ean_upc_tables.h"
#include "encoders.h"
#include "pattern_writer.h"

namespace quillmark {

void EncodeCodeEAN8(const std::string& Value, TCheckSum CheckSum, std::string& Pattern) {
    GuardedSetAAndC(EANUPCDigits(bcCodeEAN8, Value, CheckSum).Drawn, 4, Pattern);
}

void EncodeCodeEAN13(const std::string& Value, TCheckSum CheckSum, std::string& Pattern) {
    const std::string digits = EANUPCDigits(bcCodeEAN13, Value, CheckSum).Drawn;
    // The leading digit is carried by the parity of the left half only.
    RequireDigits(digits, 13);
    const std::string_view parity = ParityRow(EAN13Parity, digits[0] - '0');
    const auto row = [&digits](const EANDigitRows& Set, std::size_t K) {
        return Set[static_cast<std::size_t>(digits[K] - '0')];
    };
    TPatternWriter out(Pattern, 2 * EANGuard.size() + EANCentreGuard.size() + 12 * 4);
    out.Put(EANGuard);
    for (std::size_t k = 0; k < 6; ++k)
        out.Put(row(parity[k] == 'B' ? EANRowsB : EANRowsA, k + 1));
    out.Put(EANCentreGuard);
    for (std::size_t k = 7; k < 13; ++k)
        out.Put(row(EANRowsC, k));
    out.Put(EANGuard);
    out.Finish();
}

} // namespace quillmark
