#include "verify.h"

#include <quillmark/ean_upc.h>

#include <algorithm>
#include <array>
#include <string_view>

namespace quillmark {

namespace {

std::string Quoted(const std::string& Text) {
    constexpr std::size_t Longest = 60;
    return "'" + (Text.size() > Longest ? Text.substr(0, Longest) + "..." : Text) + "'";
}

// The symbology identifiers that tell a reader how to take the data: only an FNC1 right
// after the start makes GS1-128 element strings, and only an FNC1 first (]d2) makes Data
// Matrix GS1 DataMatrix. A Digital Link is a plain QR Code URI (]Q1); Micro QR Code reads as
// QR Code does. ITF-14 reads as Interleaved 2 of 5 with its check digit verified (]I1), GS1
// DataBar as ]e0 whatever its form, and a book number as the EAN-13 it is drawn as (]E0, or
// ]E3 with its add-on).
struct TIdentifier {
    TBarType Type;
    std::string_view Id;
    std::string_view WithAddOn{}; // where an add-on changes it
};
constexpr std::array<TIdentifier, 17> Identifiers{{
    {bcCodeGS1_128, "]C1"},
    {bcCodeDataMatrix, "]d1"},
    {bcCodeGS1DataMatrix, "]d2"},
    {bcCodeQR, "]Q1"},
    {bcCodeMicroQR, "]Q1"},
    {bcCodeGS1DigitalLinkQR, "]Q1"},
    {bcCodeITF14, "]I1"},
    {bcCodeDataBar, "]e0"},
    {bcCodeDataBarTruncated, "]e0"},
    {bcCodeDataBarStacked, "]e0"},
    {bcCodeDataBarStackedOmni, "]e0"},
    {bcCodeDataBarLimited, "]e0"},
    {bcCodeDataBarExpanded, "]e0"},
    {bcCodeDataBarExpandedStacked, "]e0"},
    {bcCodeISBN, "]E0", "]E3"},
    {bcCodeISMN, "]E0", "]E3"},
    {bcCodeISSN, "]E0", "]E3"},
}};

} // namespace

TVerified VerifySymbol(const TGreyImage& Image, const TSymbolValue& Symbol, bool Upright) {
    const TBarType type = Symbol.Type();
    const std::string& value = Symbol.Value();
    // A grid never made can't be compared with anything.
    if (IsDrawnFromGrid(type) && !Symbol.Grid())
        Symbol.RaiseRefusal();
    // A book number is read as the EAN-13 it is drawn as, its add-on too.
    const TBCdata& drawn = BarTypeData(type);
    TReadHints hints;
    hints.Only = type;
    hints.TryRotate = !Upright;
    hints.Code39Extended = type == bcCode39Extended;
    // The engine's check character of Code 39 is read, checked and dropped.
    hints.Code39CheckDigit = Symbol.CheckSum() != csNone;
    // Without the requirement zxing-cpp reads the main symbol alone.
    hints.EanAddOn =
        SplitAddOn(drawn.DrawnAs.value_or(type), drawn.Convert ? drawn.Convert(value) : value)
            .has_value();
    const std::optional<TReading> reading = ReadSymbol(Image, hints);
    if (!reading)
        throw Exception(value + " : Verification failed: zxing-cpp finds no " + FormatName(type) +
                        " symbol in the image.");
    const std::optional<std::string>& expected = Symbol.Carried().Data;
    if (!expected)
        return TVerified::ScansUncompared;
    const auto identifier = std::find_if(Identifiers.begin(), Identifiers.end(),
                                         [type](const TIdentifier& I) { return I.Type == type; });
    const std::string_view id = identifier == Identifiers.end() ? std::string_view()
                                : hints.EanAddOn && !identifier->WithAddOn.empty()
                                    ? identifier->WithAddOn
                                    : identifier->Id;
    if (!id.empty() && reading->SymbologyId != id)
        throw Exception(value + " : Verification failed: the symbol reads as " +
                        reading->SymbologyId + ", not as " + BarTypeName(type) + " (" +
                        std::string(id) + ").");
    if (reading->Bytes != *expected)
        throw Exception(value + " : Verification failed: the symbol reads " +
                        Quoted(reading->Bytes) + ", not " + Quoted(*expected) + ".");
    return TVerified::Matches;
}

TVerified VerifySymbol(const TGreyImage& Image, TBarType Type, const std::string& Value,
                       TCheckSum CheckSum, bool Upright) {
    return VerifySymbol(Image, TSymbolValue(Type, Value, CheckSum), Upright);
}

} // namespace quillmark
