// What each symbology's bars hold for a value, read off the encoders' own tables.
#include "carry.h"

#include "code128_sets.h"
#include "ean_upc.h"
#include "encoders.h"

namespace quillmark {

namespace {

TCarried AsTyped(const std::string& Value) {
    TCarried carried;
    carried.Data = Value;
    return carried;
}

// Every character of Value that Reserved picks, in order.
template <typename Pick> std::string Picked(const std::string& Value, Pick Reserved) {
    std::string picked;
    for (const char ch : Value)
        if (Reserved(ch))
            picked += ch;
    return picked;
}

// Data keeps the characters Keep takes; Dropped holds the others.
template <typename Keep> TCarried Keeping(const std::string& Value, Keep Kept) {
    TCarried carried;
    carried.Data.emplace();
    for (const char ch : Value)
        (Kept(ch) ? *carried.Data : carried.Dropped) += ch;
    return carried;
}

// Code 128 set C: the value, with its check digit for EAN-128, in pairs after a leading
// "0" for an odd count. A pair outside the set is drawn as "00"; the three code pairs are
// function characters.
TCarried Code128SetC(std::string Value) {
    TCarried carried;
    if (Value.size() % 2 != 0)
        Value.insert(Value.begin(), '0');
    std::string data;
    bool functions = false;
    for (std::size_t i = 0; i < Value.size(); i += 2) {
        const std::string pair = Value.substr(i, 2);
        const int v = FindCode128Pair(pair);
        functions = functions || v >= 100; // CODE B, CODE A, FNC1
        if (v < 0)
            carried.ZeroPairs.push_back(pair);
        data += v < 0 ? "00" : pair;
    }
    if (!functions)
        carried.Data = std::move(data);
    return carried;
}

} // namespace

TCarried CarryAsTyped(TBarType, const std::string& Value, TCheckSum) {
    return AsTyped(Value);
}

TCarried CarryInterleaved(TBarType, const std::string& Value, TCheckSum) {
    // An odd last digit has no partner and is left out.
    return AsTyped(Value.substr(0, Value.size() - Value.size() % 2));
}

TCarried CarryCode39(TBarType, const std::string& Value, TCheckSum) {
    TCarried carried = Keeping(Value, [](char Ch) { return FindCode39Char(Ch) >= 0; });
    carried.Reserved = Picked(Value, [](char Ch) { return Ch == '*'; });
    return carried;
}

TCarried CarryFullAscii(TBarType, const std::string& Value, TCheckSum) {
    return Keeping(Value, [](char Ch) { return static_cast<unsigned char>(Ch) < 128; });
}

TCarried CarryCode93(TBarType, const std::string& Value, TCheckSum) {
    TCarried carried = AsTyped(Value);
    carried.Reserved =
        Picked(Value, [](char Ch) { return Ch == '[' || Ch == ']' || Ch == '{' || Ch == '}'; });
    return carried;
}

TCarried CarryCodabar(TBarType, const std::string& Value, TCheckSum) {
    TCarried carried = AsTyped(Value);
    carried.Reserved = Picked(Value, [](char Ch) { return Ch >= 'A' && Ch <= 'D'; });
    return carried;
}

TCarried CarryCode128(TBarType Type, const std::string& Value, TCheckSum CheckSum) {
    const std::string value = IsEAN128(Type) ? ApplyCheckSum(CheckSum, Value) : Value;
    if (UsesSetC(Type))
        return Code128SetC(value);
    TCarried carried;
    std::string data;
    bool functions = false;
    for (const char ch : value) {
        // Escape bytes 196 to 202 name function characters and code set changes; 195 is
        // DEL in set B and US in set A.
        const int v = FindCode128Char(ch, Type);
        functions = functions || v > 95;
        if (v < 0)
            carried.Replaced += ch;
        if (v == 95)
            data += UsesSetA(Type) ? '\x1F' : '\x7F';
        else
            data += v < 0 ? ' ' : ch;
    }
    if (!functions)
        carried.Data = std::move(data);
    return carried;
}

TCarried CarryEANUPC(TBarType Type, const std::string& Value, TCheckSum CheckSum) {
    std::string drawn = EANUPCDigits(Type, Value, CheckSum).Drawn;
    // A reader gives UPC-E with its number system first.
    if (Type == bcCodeUPC_E0 || Type == bcCodeUPC_E1)
        drawn.insert(drawn.begin(), UPCENumberSystem(Type));
    return AsTyped(drawn);
}

} // namespace quillmark
