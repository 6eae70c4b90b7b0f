#include "standards_check.h"

#include "decimal_text.h"
#include "print_fit.h"
#include <quillmark/engine.h>

#include <cstdio>

namespace quillmark {

namespace {

using Findings = std::vector<std::string>;

std::string Quote(char Ch) {
    const auto code = static_cast<unsigned char>(Ch);
    if ((code >= 32 && code < 127) || code >= 160)
        return std::string("'") + Ch + "'";
    char text[8];
    std::snprintf(text, sizeof text, "0x%02X", code);
    return text;
}

// "'a'", "'a' and 'b'", "'a', 'b' and 'c'", each character once.
std::string QuoteAll(const std::string& Chars) {
    std::string unique;
    for (const char ch : Chars)
        if (unique.find(ch) == std::string::npos)
            unique += ch;
    std::string text;
    for (std::size_t i = 0; i < unique.size(); ++i) {
        if (i > 0)
            text += i + 1 == unique.size() ? " and " : ", ";
        text += Quote(unique[i]);
    }
    return text;
}

std::string Name(TBarType Type) {
    return BarTypeName(Type);
}

void CheckDigit(Findings& Out, TBarType Type, const std::string& Drawn, char Expected,
                const char* Qualifier = "") {
    if (Drawn.back() != Expected)
        Out.push_back("The check digit of the " + Name(Type) + " symbol " + Drawn + " should be " +
                      Expected + Qualifier + ", not " + Drawn.back() + ".");
}

void Dropped(Findings& Out, TBarType Type, const std::string& Digits, const char* Where) {
    if (!Digits.empty())
        Out.push_back(Name(Type) + " leaves out " + Digits + " " + Where + " of the value.");
}

// The drawn EAN/UPC digits checked against the standard's check digit, with the value's
// digits the encoders leave out.
void CheckEANUPC(Findings& Out, TBarType Type, const std::string& Value, TCheckSum CheckSum) {
    const TEANUPCDigits digits = EANUPCDigits(Type, Value, CheckSum);
    Dropped(Out, Type, digits.LeftOutBefore, "at the start");
    if (digits.LastOverwritten)
        Out.push_back(Name(Type) + " puts its check digit in place of the value's last digit " +
                      Value.back() + ", which is left out.");
    Dropped(Out, Type, digits.LeftOutAfter, "at the end");
    if (!HasGS1CheckDigit(Type))
        return;
    const std::string& drawn = digits.Drawn;
    const bool upcE = Type == bcCodeUPC_E0 || Type == bcCodeUPC_E1;
    CheckDigit(Out, Type, drawn,
               GS1CheckDigit(Type, std::string_view(drawn).substr(0, drawn.size() - 1)),
               upcE ? " by the standard" : "");
}

// A length or correction digit that no reader takes: what the symbol carries says which.
// (PostNet's check mode changes nothing it carries.)
void CheckPostNet(Findings& Out, const TCarried& Carried) {
    for (const std::string& departure : Carried.Departures)
        Out.push_back(departure);
}

// Characters that the symbol doesn't carry as they were typed.
void CheckCharacters(Findings& Out, TBarType Type, const std::string& Value,
                     const TCarried& Carried) {
    const std::string name = Name(Type);
    if (!Carried.Replaced.empty())
        Out.push_back(name + " can't carry " + QuoteAll(Carried.Replaced) +
                      " and draws a space instead.");
    if (!Carried.Dropped.empty())
        Out.push_back(name + " can't carry " + QuoteAll(Carried.Dropped) + " and leaves it out.");
    if (!Carried.Reserved.empty())
        Out.push_back(name + " reads " + QuoteAll(Carried.Reserved) +
                      " as start, stop or shift characters, which can't stand in the data.");
    if (!Carried.ZeroPairs.empty()) {
        std::string bad;
        for (const std::string& pair : Carried.ZeroPairs)
            bad += (bad.empty() ? "" : " ") + pair;
        Out.push_back(name + " carries digit pairs only and draws 00 for " + bad + ".");
    }
    // AI syntax given to EAN-128, drawn as data characters: the one departure that names
    // GS1-128 as the symbology to carry it.
    if (Carried.Carrier == bcCodeGS1_128)
        Out.push_back(Carried.Departures.front());
    // Interleaved 2 of 5 carries digits in pairs.
    if (Type == bcCode_2_5_interleaved && Carried.Data && Carried.Data->size() < Value.size())
        Out.push_back(name + " encodes digits in pairs, so the last digit " + Value.back() +
                      " is left out.");
}

void CheckProportions(Findings& Out, const TBarcodeDescription& D, const TOutputLayout& Layout) {
    const TBarType type = D.Barcode.BarType;
    const double ratio = Layout.Symbol.Ratio;
    const bool ratioSet =
        type == bcCode39 || type == bcCode39Extended || type == bcCode_2_5_interleaved;
    if (ratioSet && XDimensionOf(D) < 0.5 && ratio < 2.2)
        Out.push_back(Name(type) +
                      " with an X-dimension under 0.5 mm needs a wide-to-narrow ratio of at "
                      "least 2.2, not " +
                      DecimalText(ratio, 2) + ".");
    if (type == bcCodeMSI && !(ratio >= 2.0 && ratio <= 3.0))
        Out.push_back("MSI needs a wide-to-narrow ratio from 2.0 to 3.0, not " +
                      DecimalText(ratio, 2) + ".");
}

// GS1-128 sets limits that plain Code 128 leaves open.
void CheckLength(Findings& Out, const TBarcodeDescription& D, const TOutputLayout& Layout) {
    const TBarType type = D.Barcode.BarType;
    const bool raw = type == bcCodeEAN128A || type == bcCodeEAN128B || type == bcCodeEAN128C;
    if (!raw && type != bcCodeGS1_128)
        return;
    // GS1-128 from AIs is refused past 48 characters before it gets here.
    const std::size_t characters =
        D.Barcode.BarCode.size() + (D.Barcode.CheckSum == csModulo10 ? 1 : 0);
    if (raw && characters > 48)
        Out.push_back(Name(type) + " carries at most 48 data characters, not " +
                      std::to_string(characters) + ".");
    const double lengthMM = LengthMM(Layout);
    if (lengthMM > 165.0)
        Out.push_back(Name(type) + " may be at most 165 mm long with its quiet zones, not " +
                      DecimalText(lengthMM, 1) + " mm.");
}

// "The bar height 14.99 mm is outside the 31.75 mm or more that SOURCE asks for NAME."
std::string OutsideRange(const char* What, double Value, double Minimum, double Maximum,
                         int Decimals, const char* Source, const char* Verb,
                         const std::string& Name) {
    return std::string("The ") + What + " " + DecimalText(Value, Decimals) + " mm is outside the " +
           DecimalText(Minimum, Decimals) +
           (Maximum > 0 ? "-" + DecimalText(Maximum, Decimals) + " mm" : " mm or more") + " that " +
           Source + " " + Verb + " for " + Name + ".";
}

// The physical size as the file draws it: the X-dimension, the bar height and the quiet
// zones against the symbology's standard (the print-fit report's ranges).
void CheckSize(Findings& Out, const TBarcodeDescription& D, const TOutputLayout& Layout) {
    const TPrintFit fit = PrintFit(D, Layout);
    const std::string name = Name(D.Barcode.BarType);
    const TXRange& x = fit.Permitted;
    if (!fit.InRange)
        Out.push_back(OutsideRange("X-dimension", fit.XMM, x.MinimumMM, x.MaximumMM, 3, x.Source,
                                   "permits", name));
    const THeightRange& h = fit.PermittedHeight;
    if (!fit.HeightInRange)
        Out.push_back(OutsideRange("bar height", fit.BarHeightMM, h.MinimumMM, h.MaximumMM, 2,
                                   h.Source, "asks", name));
    if (!fit.ZonesInRange && fit.Grid)
        Out.push_back("The quiet zones are " + ModulesText(fit.LeadingZoneX) + ", " +
                      ModulesText(fit.TrailingZoneX) + ", " + ModulesText(fit.AcrossZoneX) +
                      " and " + ModulesText(fit.AcrossZoneX) + "; " + name + " needs at least " +
                      ModulesText(fit.StandardLeadingX) + " on every side.");
    else if (!fit.ZonesInRange)
        Out.push_back("The quiet zones are " + ModulesText(fit.LeadingZoneX) + " and " +
                      ModulesText(fit.TrailingZoneX) + "; " + name + " needs at least " +
                      ModulesText(fit.StandardLeadingX) + " before the bars and " +
                      ModulesText(fit.StandardTrailingX) + " after them.");
}

} // namespace

std::vector<std::string> CheckStandard(const TBarcodeDescription& Description,
                                       const TOutputLayout& Layout) {
    const TSymbolLook& settings = Description.Barcode;
    Findings findings;
    CheckEANUPC(findings, settings.BarType, settings.BarCode, settings.CheckSum);
    // What the bars carry: the layout's value, made of the description's.
    const TCarried carried =
        Layout.Value && Layout.Value->Holds(settings.BarType, settings.BarCode, settings.CheckSum)
            ? Layout.Value->Carried()
            : Carried(settings.BarType, settings.BarCode, settings.CheckSum);
    if (settings.BarType == bcCodePostNet)
        CheckPostNet(findings, carried);
    CheckCharacters(findings, settings.BarType, settings.BarCode, carried);
    CheckProportions(findings, Description, Layout);
    CheckLength(findings, Description, Layout);
    CheckSize(findings, Description, Layout);
    return findings;
}

std::vector<std::string> CheckStandard(const TBarcodeDescription& Description) {
    // Refused values and impossible sizes raise here, before any finding.
    return CheckStandard(Description, VectorLayout(Description));
}

} // namespace quillmark
