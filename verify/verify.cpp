#include "verify.h"

#include <quillmark/ean_upc.h>

namespace quillmark {

namespace {

std::string Quoted(const std::string& Text) {
    constexpr std::size_t Longest = 60;
    return "'" + (Text.size() > Longest ? Text.substr(0, Longest) + "..." : Text) + "'";
}

} // namespace

TVerified VerifySymbol(const TGreyImage& Image, TBarType Type, const std::string& Value,
                       TCheckSum CheckSum, bool Upright) {
    TReadHints hints;
    hints.Only = Type;
    hints.TryRotate = !Upright;
    hints.Code39Extended = Type == bcCode39Extended;
    // The engine's check character of Code 39 is read, checked and dropped.
    hints.Code39CheckDigit = CheckSum != csNone;
    // Without the requirement zxing-cpp reads the main symbol alone.
    hints.EanAddOn = SplitAddOn(Type, Value).has_value();
    const std::optional<TReading> reading = ReadSymbol(Image, hints);
    if (!reading)
        throw Exception(Value + " : Verification failed: zxing-cpp finds no " + FormatName(Type) +
                        " symbol in the image.");
    const std::optional<std::string> expected = Carried(Type, Value, CheckSum).Data;
    if (!expected)
        return TVerified::ScansUncompared;
    // Only an FNC1 right after the start makes the bars GS1 element strings.
    if (Type == bcCodeGS1_128 && reading->SymbologyId != "]C1")
        throw Exception(Value + " : Verification failed: the symbol reads as " +
                        reading->SymbologyId + ", not as GS1-128 (]C1).");
    if (reading->Bytes != *expected)
        throw Exception(Value + " : Verification failed: the symbol reads " +
                        Quoted(reading->Bytes) + ", not " + Quoted(*expected) + ".");
    return TVerified::Matches;
}

} // namespace quillmark
