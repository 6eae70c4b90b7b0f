// A small stand-in for the shared generator of random GS1 element strings: a GTIN with some
// of a batch, a serial number and an expiry date, each of which a Digital Link URI takes.
#pragma once

#include <random>
#include <string>

namespace quillmark::testing {

inline std::string RandomGS1ElementString(std::mt19937& Random) {
    const auto digit = [&] { return static_cast<char>('0' + Random() % 10); };
    std::string gtin;
    for (int i = 0; i < 13; ++i)
        gtin += digit();
    // GS1's check digit: weights 3 and 1 from the right.
    int sum = 0;
    for (int i = 0; i < 13; ++i)
        sum += (gtin[static_cast<std::size_t>(i)] - '0') * (i % 2 == 0 ? 3 : 1);
    gtin += static_cast<char>('0' + (10 - sum % 10) % 10);
    const std::string alphabet = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-";
    const auto text = [&] {
        std::string s(1 + Random() % 20, ' ');
        for (char& c : s)
            c = alphabet[Random() % alphabet.size()];
        return s;
    };
    std::string value = "(01)" + gtin;
    if (Random() % 2)
        value += "(17)2" + std::to_string(Random() % 10) + "0" + std::to_string(1 + Random() % 9) +
                 "1" + std::to_string(Random() % 9);
    if (Random() % 2)
        value += "(10)" + text();
    if (Random() % 2)
        value += "(21)" + text();
    return value;
}

} // namespace quillmark::testing
