// Code 128 in the code sets that give the shortest symbol, and GS1-128: element strings
// after an opening FNC1, in the same shortest symbol.
#include "code128_symbols.h"
#include "encoders.h"
#include "gs1.h"
#include "gs1_elements.h"

#include <vector>

namespace quillmark {

namespace {

std::vector<int> Units(const std::string& Bytes, bool Separators) {
    std::vector<int> units;
    units.reserve(Bytes.size());
    for (const char ch : Bytes)
        units.push_back(Separators && ch == GroupSeparator ? Code128FNC1Unit
                                                           : static_cast<unsigned char>(ch));
    return units;
}

} // namespace

void EncodeCode128Auto(const std::string& Value, std::string& Pattern) {
    WriteCode128(ShortestCode128(Units(Value, false), false), Pattern);
}

void EncodeGS1_128(const std::string& Value, TCheckSum, std::string& Text, std::string& Pattern) {
    const std::vector<TGS1Element> elements = ParseGS1(Value);
    WriteCode128(ShortestCode128(Units(SeparatedElementString(elements), true), true), Pattern);
    Text = GS1Text(elements);
}

std::string GS1ElementString(const std::string& Value) {
    return SeparatedElementString(ParseGS1(Value));
}

} // namespace quillmark
