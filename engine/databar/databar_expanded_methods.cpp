#include "databar_expanded_methods.h"

#include <algorithm>
#include <array>
#include <string_view>

namespace quillmark {
namespace {

// No composite component follows: the linkage flag that leads every method.
constexpr std::string_view Linkage = "0";

// A GTIN whose indicator digit is 9 (a variable measure item) goes as its 12 digits after
// that, check digit left out, in four groups of three; method "1" writes the indicator too.
constexpr char VariableMeasureIndicator = '9';
constexpr int GroupBits = 10;

// Method "0100": (01) with a net weight in kg (3103) up to this, in 15 bits.
constexpr int Weight3103Most = 32767;
// Method "0101": (3202) as it is, (3203) with this added, a pound weight in 15 bits.
constexpr int Weight3203Offset = 10000;
constexpr int WeightBits = 15;
// Methods "0111...": (310x)/(320x) as x * 100000 + weight, then a date or none.
constexpr int DecimalWeight = 100000;
constexpr int DecimalWeightBits = 20;
constexpr int DateBits = 16;
constexpr int NoDate = 38400;
constexpr std::array<std::string_view, 4> DateAIs{"11", "13", "15", "17"};
// Methods "01100" and "01101": the price's decimals in 2 bits, the currency in 10.
constexpr int DecimalsBits = 2;
constexpr int DecimalsMost = 3;
constexpr int CurrencyBits = 10;

int Number(std::string_view Digits) {
    int value = 0;
    for (const char digit : Digits)
        value = value * 10 + (digit - '0');
    return value;
}

void AppendGroups(std::string& Bits, std::string_view Digits) {
    for (std::size_t i = 0; i < Digits.size(); i += 3)
        AppendBits(Bits, Number(Digits.substr(i, 3)), GroupBits);
}

// The GTIN's twelve digits after its indicator, without the check digit.
std::string_view GtinBody(const TGS1Element& Gtin) {
    return std::string_view(Gtin.Data).substr(1, 12);
}

// The AI's last digit where it is Family followed by one digit, else -1.
int FamilyDigit(const std::string& AI, std::string_view Family) {
    if (AI.size() != Family.size() + 1 || AI.compare(0, Family.size(), Family) != 0)
        return -1;
    return AI.back() - '0';
}

// What general-purpose compaction carries from Elements[From] on, FNC1 after each element
// string of variable length but the last.
std::string ElementData(const std::vector<TGS1Element>& Elements, std::size_t From) {
    std::string data;
    for (std::size_t i = From; i < Elements.size(); ++i) {
        data += Elements[i].AI + Elements[i].Data;
        if (!Elements[i].Predefined && i + 1 < Elements.size())
            data += ExpandedFnc1;
    }
    return data;
}

// A method with the symbol's length field after Header and general-purpose data to follow.
TExpandedMethod Variable(std::string_view Header) {
    TExpandedMethod method{std::string(Linkage) + std::string(Header), std::nullopt, ""};
    method.LengthField = method.Bits.size();
    method.Bits += "00";
    return method;
}

TExpandedMethod Fixed(std::string_view Header, const TGS1Element& Gtin) {
    TExpandedMethod method{std::string(Linkage) + std::string(Header), std::nullopt, std::nullopt};
    AppendGroups(method.Bits, GtinBody(Gtin));
    return method;
}

// "0100" and "0101": (01) and a weight alone, in 15 bits.
std::optional<TExpandedMethod> ShortWeight(const std::vector<TGS1Element>& Elements) {
    if (Elements.size() != 2)
        return std::nullopt;
    const std::string& ai = Elements[1].AI;
    const int weight = Number(Elements[1].Data);
    int value = -1;
    std::string_view header;
    if (ai == "3103" && weight <= Weight3103Most) {
        value = weight;
        header = "0100";
    } else if (ai == "3202" && weight < Weight3203Offset) {
        value = weight;
        header = "0101";
    } else if (ai == "3203" && weight + Weight3203Offset <= Weight3103Most) {
        value = weight + Weight3203Offset;
        header = "0101";
    }
    if (value < 0)
        return std::nullopt;
    TExpandedMethod method = Fixed(header, Elements[0]);
    AppendBits(method.Bits, value, WeightBits);
    return method;
}

// "0111" and three bits: (01), a weight (310x) or (320x) up to 99999, and a date or none.
std::optional<TExpandedMethod> WeightAndDate(const std::vector<TGS1Element>& Elements) {
    if (Elements.size() != 2 && Elements.size() != 3)
        return std::nullopt;
    const std::string& ai = Elements[1].AI;
    const int metric = FamilyDigit(ai, "310");
    const int pounds = FamilyDigit(ai, "320");
    const int weight = Number(Elements[1].Data);
    if ((metric < 0 && pounds < 0) || weight >= DecimalWeight)
        return std::nullopt;
    int dateKind = 0; // none takes the first date's method with the value for no date
    int date = NoDate;
    if (Elements.size() == 3) {
        const auto found = std::find(DateAIs.begin(), DateAIs.end(), Elements[2].AI);
        if (found == DateAIs.end())
            return std::nullopt;
        dateKind = static_cast<int>(found - DateAIs.begin());
        const std::string_view yymmdd = Elements[2].Data;
        date = Number(yymmdd.substr(0, 2)) * 384 + (Number(yymmdd.substr(2, 2)) - 1) * 32 +
               Number(yymmdd.substr(4, 2));
    }
    std::string header = "0111";
    AppendBits(header, dateKind * 2 + (pounds >= 0 ? 1 : 0), 3);
    TExpandedMethod method = Fixed(header, Elements[0]);
    AppendBits(method.Bits, (metric >= 0 ? metric : pounds) * DecimalWeight + weight,
               DecimalWeightBits);
    AppendBits(method.Bits, date, DateBits);
    return method;
}

// "01100" and "01101": (01) and a price (392x) or a price with its currency (393x), x up to
// 3, then general-purpose data from the price's digits on.
std::optional<TExpandedMethod> Price(const std::vector<TGS1Element>& Elements) {
    if (Elements.size() < 2)
        return std::nullopt;
    const std::string& ai = Elements[1].AI;
    const int plain = FamilyDigit(ai, "392");
    const int withCurrency = FamilyDigit(ai, "393");
    const int decimals = plain >= 0 ? plain : withCurrency;
    if (decimals < 0 || decimals > DecimalsMost)
        return std::nullopt;
    TExpandedMethod method = Variable(plain >= 0 ? "01100" : "01101");
    AppendGroups(method.Bits, GtinBody(Elements[0]));
    AppendBits(method.Bits, decimals, DecimalsBits);
    std::string_view price = Elements[1].Data;
    if (withCurrency >= 0) {
        AppendBits(method.Bits, Number(price.substr(0, 3)), CurrencyBits);
        price.remove_prefix(3);
    }
    method.Rest = std::string(price);
    if (Elements.size() > 2)
        *method.Rest += ExpandedFnc1 + ElementData(Elements, 2);
    return method;
}

} // namespace

void AppendBits(std::string& Bits, long long Value, int Count) {
    for (int i = Count - 1; i >= 0; --i)
        Bits += (Value >> i) & 1 ? '1' : '0';
}

std::vector<TExpandedMethod> ExpandedMethods(const std::vector<TGS1Element>& Elements) {
    std::vector<TExpandedMethod> methods;
    const bool gtin = !Elements.empty() && Elements[0].AI == "01";
    if (gtin && Elements[0].Data[0] == VariableMeasureIndicator) {
        for (const auto& method : {ShortWeight(Elements), WeightAndDate(Elements), Price(Elements)})
            if (method)
                methods.push_back(*method);
    }
    if (gtin) {
        TExpandedMethod method = Variable("1");
        AppendBits(method.Bits, Elements[0].Data[0] - '0', 4);
        AppendGroups(method.Bits, GtinBody(Elements[0]));
        method.Rest = ElementData(Elements, 1);
        methods.push_back(std::move(method));
    }
    methods.push_back(Variable("00"));
    methods.back().Rest = ElementData(Elements, 0);
    return methods;
}

} // namespace quillmark
