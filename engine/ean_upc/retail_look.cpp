#include "retail_look.h"

#include "drawn_as.h"
#include "ean_upc.h"
#include "ean_upc_tables.h"

namespace quillmark {

namespace {

// The elements of each symbol: a guard of 3 (bar, space, bar), 4 per digit, the centre
// guard of 5; UPC-E's trailing guard has 6; an add-on starts with 3 and separates its
// digits by 2.
constexpr int Guard = 3;
constexpr int Digit = 4;
constexpr int Centre = 5;

TDigitGroup Group(const std::string& Digits, std::size_t From, std::size_t Count, int First,
                  int End, TDigitPlace Place = TDigitPlace::Under, bool Small = false) {
    return {Digits.substr(From, Count), First, End, Place, Small};
}

// The elements of each main symbol, up to its last bar.
int MainElements(TBarType Type) {
    switch (Type) {
    case bcCodeEAN8:
        return 2 * Guard + Centre + 8 * Digit;
    case bcCodeUPC_E0:
    case bcCodeUPC_E1:
        return Guard + 6 * Digit + 6;
    default:
        return 2 * Guard + Centre + 12 * Digit;
    }
}

// The main symbol's look, then the add-on's digits above the add-on, which starts after the
// main symbol's elements and the gap's.
TRetailLook ComposedLook(TBarType Type, const TAddOnSplit& Split, TCheckSum CheckSum) {
    TRetailLook look = *RetailLook(Type, Split.Main, CheckSum);
    // The trailing quiet zone's digit stands in the gap, after the main symbol.
    for (TDigitGroup& group : look.Groups)
        if (group.Place == TDigitPlace::After)
            group.FirstElement = group.EndElement = MainElements(Type);
    const TBarType addOnType = Split.AddOn.size() == 2 ? bcCodeUPC_Supp2 : bcCodeUPC_Supp5;
    TDigitGroup group = RetailLook(addOnType, Split.AddOn, csNone)->Groups.front();
    const int first = MainElements(Type) + static_cast<int>(AddOnGap.size());
    group.FirstElement += first;
    group.EndElement += first;
    look.AddOnElements = std::pair{group.FirstElement, group.EndElement};
    look.Groups.push_back(std::move(group));
    look.TrailingMark = ">";
    return look;
}

} // namespace

std::optional<TRetailLook> RetailLook(TBarType Type, const std::string& Value, TCheckSum CheckSum) {
    if (const std::optional<TDrawnValue> drawn = DrawnValue(Type, Value))
        return RetailLook(drawn->Type, drawn->Value, csNone);
    if (const std::optional<TAddOnSplit> split = SplitAddOn(Type, Value))
        return ComposedLook(Type, *split, CheckSum);
    const bool addOn = Type == bcCodeUPC_Supp2 || Type == bcCodeUPC_Supp5;
    if (!HasGS1CheckDigit(Type) && !addOn)
        return std::nullopt;
    const std::string d = EANUPCDigits(Type, Value, CheckSum).Drawn;
    TRetailLook look;
    const auto half = [](int Digits, int From) { return From + Digits * Digit; };
    switch (Type) {
    case bcCodeEAN13: {
        look.TrailingMark = ">";
        const int left = half(6, Guard);
        const int right = half(6, left + Centre);
        look.LongElements = {{0, Guard}, {left, left + Centre}, {right, right + Guard}};
        look.Groups = {Group(d, 0, 1, 0, 0, TDigitPlace::Before), Group(d, 1, 6, Guard, left),
                       Group(d, 7, 6, left + Centre, right)};
        break;
    }
    case bcCodeEAN8: {
        look.LeadingMark = "<";
        look.TrailingMark = ">";
        const int left = half(4, Guard);
        const int right = half(4, left + Centre);
        look.LongElements = {{0, Guard}, {left, left + Centre}, {right, right + Guard}};
        look.Groups = {Group(d, 0, 4, Guard, left), Group(d, 4, 4, left + Centre, right)};
        break;
    }
    case bcCodeUPC_A: {
        // The number system's and the check digit's bars descend with the guards.
        const int first = Guard + Digit;
        const int left = half(6, Guard);
        const int last = half(5, left + Centre);
        look.LongElements = {{0, first}, {left, left + Centre}, {last, last + Digit + Guard}};
        look.Groups = {Group(d, 0, 1, 0, 0, TDigitPlace::Before, true), Group(d, 1, 5, first, left),
                       Group(d, 6, 5, left + Centre, last),
                       Group(d, 11, 1, 0, 0, TDigitPlace::After, true)};
        break;
    }
    case bcCodeUPC_E0:
    case bcCodeUPC_E1: {
        const int digits = half(6, Guard);
        look.LongElements = {{0, Guard}, {digits, digits + 6}};
        look.Groups = {
            TDigitGroup{std::string(1, UPCENumberSystem(Type)), 0, 0, TDigitPlace::Before, true},
            Group(d, 0, 6, Guard, digits), Group(d, 6, 1, 0, 0, TDigitPlace::After, true)};
        break;
    }
    default: {
        // An add-on: start, then each digit followed by a separator but the last.
        const int count = static_cast<int>(d.size());
        look.Groups = {
            Group(d, 0, d.size(), 0, Guard + count * Digit + (count - 1) * 2, TDigitPlace::Above)};
        break;
    }
    }
    return look;
}

} // namespace quillmark
