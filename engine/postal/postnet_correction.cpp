#include "encoders.h"

#include <string_view>

namespace quillmark {

char PostNetCorrectionDigit(std::string_view Digits) {
    int sum = 0; // kept reduced: digits of any number cannot overflow it
    for (const char ch : Digits)
        sum = (sum + DigitValue(ch)) % 10;
    return static_cast<char>('0' + (10 - sum) % 10);
}

} // namespace quillmark
