#include "standards_check.h"

#include "decimal_text.h"
#include "encoders.h"
#include "layout.h"

#include <cstdio>
#include <numeric>

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
    const bool modulo10 = CheckSum == csModulo10;
    const std::size_t n = Value.size();
    const std::string drawn = DrawnEANUPCDigits(Type, Value, CheckSum);
    switch (Type) {
    case bcCodeEAN8:
        if (modulo10)
            Dropped(Out, Type, n > 7 ? Value.substr(0, n - 7) : "", "at the start");
        else
            Dropped(Out, Type, n > 8 ? Value.substr(8) : "", "at the end");
        return CheckDigit(Out, Type, drawn, Mod10CheckDigit(drawn.substr(0, 7)));
    case bcCodeEAN13:
        Dropped(Out, Type, n > 13 ? Value.substr(13) : "", "at the end");
        return CheckDigit(Out, Type, drawn, Mod10CheckDigit(drawn.substr(0, 12)));
    case bcCodeUPC_A:
    case bcCodeUPC_E0:
    case bcCodeUPC_E1: {
        const bool upcA = Type == bcCodeUPC_A;
        const std::size_t data = upcA ? 11 : 6;
        if (modulo10 && n > 0 && n <= data)
            Out.push_back(Name(Type) + " puts its check digit in place of the value's last digit " +
                          Value.back() + ", which is left out.");
        Dropped(Out, Type, n > data + 1 ? Value.substr(data + 1) : "", "at the end");
        if (upcA)
            return CheckDigit(Out, Type, drawn, Mod10CheckDigit(drawn.substr(0, 11)));
        const char system = Type == bcCodeUPC_E0 ? '0' : '1';
        return CheckDigit(Out, Type, drawn, Mod10CheckDigit(ExpandUPCE(drawn.substr(0, 6), system)),
                          " by the standard");
    }
    case bcCodeUPC_Supp2:
        return Dropped(Out, Type, n > 2 ? Value.substr(2) : "", "at the end");
    case bcCodeUPC_Supp5:
        return Dropped(Out, Type, n > 5 ? Value.substr(5) : "", "at the end");
    default:
        return;
    }
}

void CheckPostNet(Findings& Out, const std::string& Value) {
    const std::size_t n = Value.size();
    if (n != 6 && n != 10 && n != 12) {
        Out.push_back("PostNet carries 5, 9 or 11 digits and a correction digit, 6, 10 or 12 in "
                      "all, not " +
                      std::to_string(n) + ".");
        return;
    }
    const int sum = std::accumulate(Value.begin(), Value.end() - 1, 0,
                                    [](int s, char ch) { return s + (ch - '0'); });
    const char expected = static_cast<char>('0' + (10 - sum % 10) % 10);
    if (Value.back() != expected)
        Out.push_back("The correction digit of the PostNet symbol " + Value + " should be " +
                      expected + ", not " + Value.back() + ".");
}

// Characters that an encoder replaces, drops or reads as something else.
void CheckCharacters(Findings& Out, TBarType Type, const std::string& Value) {
    std::string replaced, dropped, reserved;
    for (const char ch : Value) {
        const auto code = static_cast<unsigned char>(ch);
        switch (Type) {
        case bcCode128A:
        case bcCode128B:
        case bcCodeEAN128A:
        case bcCodeEAN128B:
            if (FindCode128Char(ch, Type) < 0)
                replaced += ch;
            break;
        case bcCode39:
            if (FindCode39Char(ch) < 0)
                dropped += ch;
            else if (ch == '*')
                reserved += ch;
            break;
        case bcCode39Extended:
        case bcCode93Extended:
            if (code > 127)
                dropped += ch;
            break;
        case bcCode93:
            if (ch == '[' || ch == ']' || ch == '{' || ch == '}')
                reserved += ch;
            break;
        case bcCodeCodabar:
            if (ch >= 'A' && ch <= 'D')
                reserved += ch;
            break;
        default:
            break;
        }
    }
    const std::string name = Name(Type);
    if (!replaced.empty())
        Out.push_back(name + " can't carry " + QuoteAll(replaced) + " and draws a space instead.");
    if (!dropped.empty())
        Out.push_back(name + " can't carry " + QuoteAll(dropped) + " and leaves it out.");
    if (!reserved.empty())
        Out.push_back(name + " reads " + QuoteAll(reserved) +
                      " as start, stop or shift characters, which can't stand in the data.");
    if (Type == bcCode128C || Type == bcCodeEAN128C) {
        std::string digits = Value;
        if (digits.size() % 2 != 0)
            digits.insert(digits.begin(), '0');
        std::string bad;
        for (std::size_t i = 0; i < digits.size(); i += 2)
            if (FindCode128Pair(digits.substr(i, 2)) < 0)
                bad += digits.substr(i, 2) + (i + 2 < digits.size() ? " " : "");
        if (!bad.empty())
            Out.push_back(name + " carries digit pairs only and draws 00 for " + bad + ".");
    }
    if (Type == bcCode_2_5_interleaved && Value.size() % 2 != 0)
        Out.push_back(name + " encodes digits in pairs, so the last digit " + Value.back() +
                      " is left out.");
}

void CheckProportions(Findings& Out, const TBarcodeDescription& D) {
    const TBarType type = D.Barcode.BarType;
    const double ratio = MakeSymbol(type, "", 1, OutputRatio(D), csNone).Ratio;
    const bool ratioSet =
        type == bcCode39 || type == bcCode39Extended || type == bcCode_2_5_interleaved;
    if (ratioSet && D.XDimensionMM < 0.5 && ratio < 2.2)
        Out.push_back(Name(type) +
                      " with an X-dimension under 0.5 mm needs a wide-to-narrow ratio of at "
                      "least 2.2, not " +
                      DecimalText(ratio, 2) + ".");
    if (type == bcCodeMSI && !(ratio >= 2.0 && ratio <= 3.0))
        Out.push_back("MSI needs a wide-to-narrow ratio from 2.0 to 3.0, not " +
                      DecimalText(ratio, 2) + ".");
}

// GS1-128 sets limits that plain Code 128 leaves open.
void CheckLength(Findings& Out, const TBarcodeDescription& D) {
    const TBarType type = D.Barcode.BarType;
    if (type != bcCodeEAN128A && type != bcCodeEAN128B && type != bcCodeEAN128C)
        return;
    const std::size_t characters =
        D.Barcode.BarCode.size() + (D.Barcode.CheckSum == csModulo10 ? 1 : 0);
    if (characters > 48)
        Out.push_back(Name(type) + " carries at most 48 data characters, not " +
                      std::to_string(characters) + ".");
    const TOutputLayout layout = VectorLayout(D);
    const double lengthMM =
        (IsHorizontal(D.Barcode.Orientation) ? layout.Size.width() : layout.Size.height()) /
        layout.UnitsPerMM;
    if (lengthMM > 165.0)
        Out.push_back(Name(type) + " may be at most 165 mm long with its quiet zones, not " +
                      DecimalText(lengthMM, 1) + " mm.");
}

} // namespace

std::string ExpandUPCE(const std::string& Six, char NumberSystem) {
    const char last = Six[5];
    std::string body;
    if (last <= '2')
        body = Six.substr(0, 2) + last + "0000" + Six.substr(2, 3);
    else if (last == '3')
        body = Six.substr(0, 3) + "00000" + Six.substr(3, 2);
    else if (last == '4')
        body = Six.substr(0, 4) + "00000" + Six[4];
    else
        body = Six.substr(0, 5) + "0000" + last;
    return NumberSystem + body;
}

std::string DrawnEANUPCDigits(TBarType Type, const std::string& Value, TCheckSum CheckSum) {
    const bool modulo10 = CheckSum == csModulo10;
    switch (Type) {
    case bcCodeEAN8: {
        if (!modulo10)
            return PadZeros(8, Value).substr(0, 8);
        const std::string padded = PadZeros(7, Value);
        return AppendMod10(padded.substr(padded.size() - 7));
    }
    case bcCodeEAN13:
        return (modulo10 ? AppendMod10(PadZeros(12, Value)) : PadZeros(13, Value)).substr(0, 13);
    case bcCodeUPC_A: {
        const std::string padded = PadZeros(12, Value);
        return modulo10 ? AppendMod10(padded.substr(0, 11)) : padded.substr(0, 12);
    }
    case bcCodeUPC_E0:
    case bcCodeUPC_E1: {
        const std::string padded = PadZeros(7, Value);
        return modulo10 ? AppendMod10(padded.substr(0, 6)) : padded.substr(0, 7);
    }
    default:
        return {};
    }
}

std::vector<std::string> CheckStandard(const TBarcodeDescription& Description) {
    const TBarcodeSettings& settings = Description.Barcode;
    // Refused values and impossible sizes raise here, before any finding.
    VectorLayout(Description);
    Findings findings;
    CheckEANUPC(findings, settings.BarType, settings.BarCode, settings.CheckSum);
    if (settings.BarType == bcCodePostNet)
        CheckPostNet(findings, settings.BarCode);
    CheckCharacters(findings, settings.BarType, settings.BarCode);
    CheckProportions(findings, Description);
    CheckLength(findings, Description);
    return findings;
}

} // namespace quillmark
