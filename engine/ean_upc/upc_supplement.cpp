// The two- and five-digit UPC/EAN add-ons, drawn as symbols by themselves, and their
// check digit.
#include "ean_upc.h"
#include "ean_upc_tables.h"
#include "encoders.h"

#include <cstdint>
#include <limits>

namespace quillmark {

namespace {

// Reads a whole digit string as a signed 32-bit integer, leading zeros not counting
// toward its size. Fails like the runtime's conversion, quoting the whole string.
std::int32_t ToInt32(const std::string& Digits) {
    const auto fail = [&Digits]() -> EConvertError {
        return EConvertError("'" + Digits + "' is not a valid integer value");
    };
    if (Digits.empty())
        throw fail();
    std::int64_t number = 0;
    for (const char ch : Digits) {
        if (ch < '0' || ch > '9')
            throw fail();
        // Stops before the accumulator can overflow, however many digits follow.
        number = number * 10 + (ch - '0');
        if (number > std::numeric_limits<std::int32_t>::max())
            throw fail();
    }
    return static_cast<std::int32_t>(number);
}

// The add-on start, then each digit in set B where its parity letter is 'E' and in set A
// otherwise, with a delineator between digits. There is no end guard.
std::string SupplementPattern(const std::string& Digits, std::string_view Parity) {
    std::string pattern(UPCSuppStart);
    for (std::size_t k = 0; k < Parity.size(); ++k) {
        if (k > 0)
            pattern += UPCSuppDelineator;
        AppendEANDigit(pattern, Parity[k] == 'E' ? EANRowsB : EANRowsA, Digits[k]);
    }
    return pattern;
}

} // namespace

std::string SetSupplementCheck(const std::string& Digits) {
    const std::string body = Digits.empty() ? std::string() : Digits.substr(0, Digits.size() - 1);
    int sum = 0; // kept reduced: a string of any length cannot overflow it
    for (std::size_t i = 0; i < body.size(); ++i)
        sum = (sum + DigitValue(body[body.size() - 1 - i]) * (i % 2 == 0 ? 3 : 9)) % 10;
    // The units digit of the sum itself, not its complement.
    return body + static_cast<char>('0' + sum % 10);
}

void EncodeCodeUPC_Supp5(const std::string& Value, TCheckSum CheckSum, std::string& Text,
                         std::string& Pattern) {
    const std::string drawn = EANUPCDigits(bcCodeUPC_Supp5, Value, CheckSum).Drawn;
    const std::string checked = SetSupplementCheck(drawn + "0");
    const bool showDigits = CheckSum == csModulo10;
    const std::string& digits = showDigits ? checked : drawn;
    // The parity follows the check digit of the first five digits under both modes.
    const std::string_view parity = ParityRow(UPCEParity, DigitValue(checked[5])).substr(1);
    Pattern = SupplementPattern(digits, parity);
    if (showDigits)
        Text = checked;
}

void EncodeCodeUPC_Supp2(const std::string& Value, TCheckSum CheckSum, std::string& Text,
                         std::string& Pattern) {
    const std::string padded = PadZeros(2, Value);
    // The parity comes from the whole value, not just the two digits drawn.
    const std::string_view parity = UPCSupp2Parity[static_cast<std::size_t>(ToInt32(padded) % 4)];
    const std::string checked = SetSupplementCheck(padded.substr(0, 5) + "0");
    const bool showDigits = CheckSum == csModulo10;
    Pattern = SupplementPattern(
        showDigits ? checked : EANUPCDigits(bcCodeUPC_Supp2, Value, CheckSum).Drawn, parity);
    if (showDigits)
        Text = checked;
}

} // namespace quillmark
