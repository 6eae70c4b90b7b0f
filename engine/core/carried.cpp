// What each symbology's bars hold for a value, read off the encoders' own tables, and every
// way that differs from the value as typed.
#include "carry.h"

#include "code128_sets.h"
#include "ean_upc.h"
#include "encoders.h"
#include "latin1.h"

namespace quillmark {

namespace {

// The sentences kept of a value's departures: a megabyte of refused characters gives the
// first few, not a sentence for each.
constexpr std::size_t MostDepartures = 16;

// Whether Carried holds as many departures as are kept: a long value of characters its
// symbology lacks then costs no sentence for each of them.
bool Full(const TCarried& Carried) {
    return Carried.Departures.size() >= MostDepartures;
}

void Depart(TCarried& Carried, std::string Sentence) {
    if (!Full(Carried))
        Carried.Departures.push_back(std::move(Sentence));
}

// A departure whose value Carrier carries, the sentence ending in its advice.
void Depart(TCarried& Carried, const std::string& Sentence, TBarType Carrier) {
    if (Carried.Departures.empty())
        Carried.Carrier = Carrier;
    Depart(Carried, Sentence + " " + CarrierAdvice(Carrier));
}

std::string At(std::size_t Index) {
    return "position " + std::to_string(Index + 1) + ": ";
}

// "position 2: 'b' is not in Code39; it carries upper case, ... only.", with the wider
// symbology that carries it where there is one.
void DepartNotInSet(TCarried& Carried, TBarType Type, const std::string& Value, std::size_t Index) {
    if (Full(Carried))
        return;
    const TBCdata& row = BarTypeData(Type);
    const char ch = Value[Index];
    const std::string sentence = At(Index) + CharacterName(ch) + " is not in " + row.Name +
                                 "; it carries " + row.Characters + ".";
    if (row.Wider && quillmark::Carried(*row.Wider, std::string(1, ch), csNone).Departures.empty())
        Depart(Carried, sentence, *row.Wider);
    else
        Depart(Carried, sentence);
}

std::string NotADigit(TBarType Type, const std::string& Value, std::size_t Index) {
    return At(Index) + CharacterName(Value[Index]) + " is not a digit; " + BarTypeName(Type) +
           " carries digits only.";
}

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

// Data keeps the characters Keep takes; Dropped holds the others, each a departure.
template <typename Keep> TCarried Keeping(TBarType Type, const std::string& Value, Keep Kept) {
    TCarried carried;
    carried.Data.emplace();
    for (std::size_t i = 0; i < Value.size(); ++i) {
        const char ch = Value[i];
        if (Kept(ch)) {
            *carried.Data += ch;
        } else {
            carried.Dropped += ch;
            DepartNotInSet(carried, Type, Value, i);
        }
    }
    return carried;
}

// Code 128 set C: the value, with its check digit for EAN-128, in pairs after a leading
// "0" for an odd count. A pair outside the set is drawn as "00"; the three code pairs are
// function characters.
TCarried Code128SetC(TBarType Type, const std::string& Typed, std::string Value) {
    TCarried carried;
    for (std::size_t i = 0; i < Typed.size(); ++i)
        if (Typed[i] < '0' || Typed[i] > '9')
            DepartNotInSet(carried, Type, Typed, i);
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

// The data digits of an EAN/UPC symbol, before its check digit (UPC-E without its number
// system).
std::size_t DataDigits(TBarType Type) {
    switch (Type) {
    case bcCodeEAN8:
        return 7;
    case bcCodeEAN13:
        return 12;
    case bcCodeUPC_A:
        return 11;
    default:
        return 6;
    }
}

// EAN-128 draws its value as data characters after FNC1: Application Identifiers typed in
// parentheses or brackets would reach the bars as those characters, unparsed and unchecked.
void DepartAISyntax(TCarried& Carried, TBarType Type, const std::string& Value) {
    if (Value.size() < 2 || (Value[0] != '(' && Value[0] != '[') || Value[1] < '0' ||
        Value[1] > '9')
        return;
    const std::size_t close = Value.find(Value[0] == '(' ? ')' : ']');
    const std::string ai = Value.substr(0, close == std::string::npos ? 2 : close + 1);
    Depart(Carried,
           At(0) + CharacterName(Value[0]) + " opens the Application Identifier " + ai +
               ", which " + BarTypeName(Type) +
               " would draw as data characters, brackets included, without parsing or "
               "checking it.",
           bcCodeGS1_128);
}

} // namespace

std::string CarrierAdvice(TBarType Carrier) {
    return BarTypeName(Carrier) + " carries it.";
}

TCarried CarryAsTyped(TBarType Type, const std::string& Value, TCheckSum) {
    TCarried carried = AsTyped(Value);
    // The add-ons draw exactly their digits, padding or cutting anything else.
    const std::size_t digits = Type == bcCodeUPC_Supp2 ? 2 : Type == bcCodeUPC_Supp5 ? 5 : 0;
    if (digits != 0 && Value.size() != digits)
        Depart(carried, BarTypeName(Type) + " carries " + std::to_string(digits) + " digits, not " +
                            std::to_string(Value.size()) + ".");
    return carried;
}

TCarried CarryInterleaved(TBarType Type, const std::string& Value, TCheckSum) {
    // An odd last digit has no partner and is left out.
    TCarried carried = AsTyped(Value.substr(0, Value.size() - Value.size() % 2));
    if (Value.size() % 2 != 0)
        Depart(carried, At(Value.size() - 1) + CharacterName(Value.back()) + " has no partner; " +
                            BarTypeName(Type) +
                            " carries digits in pairs, an even number of them.");
    return carried;
}

TCarried CarryCode39(TBarType Type, const std::string& Value, TCheckSum) {
    TCarried carried = Keeping(Type, Value, [](char Ch) { return FindCode39Char(Ch) >= 0; });
    carried.Reserved = Picked(Value, [](char Ch) { return Ch == '*'; });
    for (std::size_t i = 0; i < Value.size() && !Full(carried); ++i)
        if (Value[i] == '*')
            Depart(carried,
                   At(i) + "'*' is the start and stop character of " + BarTypeName(Type) +
                       ", not data.",
                   bcCode39Extended);
    return carried;
}

TCarried CarryFullAscii(TBarType Type, const std::string& Value, TCheckSum) {
    return Keeping(Type, Value, [](char Ch) { return static_cast<unsigned char>(Ch) < 128; });
}

TCarried CarryCode93(TBarType Type, const std::string& Value, TCheckSum) {
    const auto shift = [](char Ch) { return Ch == '[' || Ch == ']' || Ch == '{' || Ch == '}'; };
    TCarried carried = AsTyped(Value);
    carried.Reserved = Picked(Value, shift);
    for (std::size_t i = 0; i < Value.size() && !Full(carried); ++i)
        if (shift(Value[i]))
            Depart(carried,
                   At(i) + CharacterName(Value[i]) + " stands for one of the shift characters of " +
                       BarTypeName(Type) + ", not data.",
                   bcCode93Extended);
        else if (FindCode93Char(Value[i]) < 0)
            DepartNotInSet(carried, Type, Value, i);
    return carried;
}

TCarried CarryCodabar(TBarType Type, const std::string& Value, TCheckSum) {
    TCarried carried = AsTyped(Value);
    carried.Reserved = Picked(Value, [](char Ch) { return Ch >= 'A' && Ch <= 'D'; });
    for (std::size_t i = 0; i < Value.size() && !Full(carried); ++i)
        if (Value[i] >= 'A' && Value[i] <= 'D')
            Depart(carried, At(i) + CharacterName(Value[i]) + " is a start or stop character; " +
                                BarTypeName(Type) +
                                " draws its own A and B around the data, so give the "
                                "data without them.");
        else if (FindCodabarChar(Value[i]) < 0)
            DepartNotInSet(carried, Type, Value, i);
    return carried;
}

TCarried CarryCode128(TBarType Type, const std::string& Value, TCheckSum CheckSum) {
    const bool checked = IsEAN128(Type) && CheckSum == csModulo10;
    if (checked && !AllDigits(Value)) {
        // The check digit is computed over digits only: the encoder refuses the value.
        TCarried refused;
        for (std::size_t i = 0; i < Value.size() && !Full(refused); ++i)
            if (Value[i] < '0' || Value[i] > '9')
                Depart(refused, At(i) + CharacterName(Value[i]) + " is not a digit; " +
                                    BarTypeName(Type) +
                                    " computes its modulo-10 check digit over digits "
                                    "only.");
        return refused;
    }
    const std::string value = checked ? AppendMod10(Value) : Value;
    if (UsesSetC(Type))
        return Code128SetC(Type, Value, value);
    TCarried carried;
    std::string data;
    bool functions = false;
    // The character values of the set as typed text: set A's codes 32 to 95, set B's 32 to
    // 126. The escape bytes 195 to 202 are found too, but name function characters.
    const int last = UsesSetA(Type) ? 63 : 94;
    for (std::size_t i = 0; i < value.size(); ++i) {
        // Escape bytes 196 to 202 name function characters and code set changes; 195 is
        // DEL in set B and US in set A.
        const char ch = value[i];
        const int v = FindCode128Char(ch, Type);
        functions = functions || v > 95;
        if (v < 0)
            carried.Replaced += ch;
        if (v == 95)
            data += UsesSetA(Type) ? '\x1F' : '\x7F';
        else
            data += v < 0 ? ' ' : ch;
        if ((v < 0 || v > last) && i < Value.size())
            DepartNotInSet(carried, Type, Value, i);
    }
    if (IsEAN128(Type))
        DepartAISyntax(carried, Type, Value);
    if (!functions)
        carried.Data = std::move(data);
    return carried;
}

TCarried CarryGS1_128(TBarType, const std::string& Value, TCheckSum) {
    TCarried carried;
    try {
        carried.Data = GS1ElementString(Value);
    } catch (const Exception& refused) {
        Depart(carried, refused.Message());
    }
    return carried;
}

TCarried CarryPostNet(TBarType Type, const std::string& Value, TCheckSum) {
    TCarried carried = AsTyped(Value);
    const std::size_t n = Value.size();
    if (n != 6 && n != 10 && n != 12) {
        Depart(carried, BarTypeName(Type) +
                            " carries 5, 9 or 11 digits and a correction digit, 6, 10 or 12 in "
                            "all, not " +
                            std::to_string(n) + ".");
        return carried;
    }
    const char expected = PostNetCorrectionDigit(std::string_view(Value).substr(0, n - 1));
    if (Value.back() != expected)
        Depart(carried, At(n - 1) + CharacterName(Value.back()) + " is not the " +
                            BarTypeName(Type) + " correction digit, which is " + expected + ".");
    return carried;
}

TCarried CarryEANUPC(TBarType Type, const std::string& Value, TCheckSum CheckSum) {
    if (const std::optional<TAddOnSplit> split = SplitAddOn(Type, Value)) {
        // zxing-cpp gives the add-on's digits after the main symbol's and a space.
        TCarried composed = CarryEANUPC(Type, split->Main, CheckSum);
        *composed.Data += ' ' + split->AddOn;
        return composed;
    }
    TCarried carried;
    const std::string name = BarTypeName(Type);
    const std::size_t data = DataDigits(Type);
    // Under csModulo10 EAN-8 and EAN-13 add their check digit to the data; UPC-A and UPC-E
    // put theirs in place of the value's last digit.
    const bool added = CheckSum == csModulo10 && (Type == bcCodeEAN8 || Type == bcCodeEAN13);
    const TEANUPCDigits digits = EANUPCDigits(Type, Value, CheckSum);
    std::string drawn = digits.Drawn;
    // The standard's check digit, which the symbol must end in to be read.
    const char expected = GS1CheckDigit(Type, std::string_view(drawn).substr(0, drawn.size() - 1));
    const std::string all = std::to_string(data) + " digits and a check digit, " +
                            std::to_string(data + 1) + " in all, not " +
                            std::to_string(Value.size()) + ".";
    if (added &&
        (Value.size() < data || !digits.LeftOutBefore.empty() || !digits.LeftOutAfter.empty()))
        Depart(carried, name + " takes " + std::to_string(data) +
                            " digits and adds its check digit, not " +
                            std::to_string(Value.size()) + ".");
    else if (digits.LastOverwritten)
        Depart(carried, At(Value.size() - 1) + CharacterName(Value.back()) +
                            " would give way to the " + name + " check digit; give " + all);
    else if (!added && Value.size() != data + 1)
        Depart(carried, name + " carries " + all);
    else if (Value.size() == data + 1 && Value.back() != expected)
        Depart(carried, At(data) + CharacterName(Value.back()) + " is not the " + name +
                            " check digit, which is " + expected + ".");
    else if (drawn.back() != expected) // the engine's own modulo-10 digit of UPC-E
        Depart(carried, name + " computes its modulo-10 check digit " + drawn.back() +
                            " over the six digits alone; the standard's, from the "
                            "UPC-A form, is " +
                            expected + ".");
    // A reader gives UPC-E with its number system first.
    if (Type == bcCodeUPC_E0 || Type == bcCodeUPC_E1)
        drawn.insert(drawn.begin(), UPCENumberSystem(Type));
    carried.Data = std::move(drawn);
    return carried;
}

TCarried Carried(TBarType Type, const std::string& Value, TCheckSum CheckSum) {
    const TBCdata& row = BarTypeData(Type);
    if (row.DigitsOnly && !AllDigits(Value) && !SplitAddOn(Type, Value)) {
        // The engine refuses the value; nothing is drawn.
        TCarried refused;
        for (std::size_t i = 0; i < Value.size() && !Full(refused); ++i)
            if (Value[i] < '0' || Value[i] > '9')
                Depart(refused, NotADigit(Type, Value, i));
        return refused;
    }
    return row.Carry(Type, Value, CheckSum);
}

} // namespace quillmark
