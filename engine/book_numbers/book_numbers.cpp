// ISBN, ISMN and ISSN read as typed and turned into EAN-13 digits and the printed line.
#include "book_numbers.h"

#include "add_on_split.h"
#include "encoders.h"
#include "error_messages.h"
#include "hyphen_parts.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace quillmark {

namespace {

// The parts of each form, as ISO 2108 and ISO 10957 name them.
constexpr std::string_view ThirteenShape = "prefix, group, publisher, title, check digit";
constexpr std::string_view IsbnTenShape = "group, publisher, title, check character";
constexpr std::string_view IsmnThirteenShape = "979, 0, publisher, item, check digit";
constexpr std::string_view IsmnTenShape = "M, publisher, item, check digit";
// The EAN-13 prefixes: Bookland for ISBN, its 979-0 block for ISMN, 977 for serials.
constexpr std::string_view IsbnTenPrefix = "978";
constexpr std::string_view IsmnPrefix = "9790";
constexpr std::string_view IssnPrefix = "977";
constexpr std::string_view IssnVariantDefault = "00";

bool IsCheckX(char Ch) {
    return Ch == 'X' || Ch == 'x';
}

std::string Joined(const std::vector<std::string>& Parts, std::size_t Count) {
    std::string text;
    for (std::size_t k = 0; k < Count; ++k)
        text += (k ? "-" : "") + Parts[k];
    return text;
}

[[noreturn]] void Refuse(const std::string& Typed, const std::string& Why) {
    throw Exception(ShortenedMessage(Typed + " : " + Why, Typed));
}

void RequireCheck(const std::string& Typed, const std::string& Name, const char* Kind, char Given,
                  char Expected) {
    if (std::toupper(static_cast<unsigned char>(Given)) != Expected)
        throw Exception(WrongCheckMessage(Typed, Name, Kind, Given, Expected));
}

// Thirteen digits in their parts (ISBN-13, ISMN), checked and printed as typed.
TBookNumber Thirteen(const std::string& Typed, const THyphenParts& Number, const char* Name) {
    const std::string& digits = Number.Joined;
    if (!AllDigits(digits))
        Refuse(Typed, std::string("A 13-digit ") + Name + " holds digits only.");
    RequireCheck(Typed, Name, "check digit", digits.back(),
                 Mod10CheckDigit(std::string_view(digits).substr(0, 12)));
    return {digits, {}, 0, std::string(Name) + " " + Typed};
}

TBookNumber Isbn(const std::string& Typed) {
    const THyphenParts number = SplitHyphens(Typed, "ISBN");
    const std::string& chars = number.Joined;
    if (chars.size() == 13) {
        RequireParts(number, Typed, "ISBN-13", ThirteenShape);
        if (number.Hyphenated() ? number.Parts[0] != "978" && number.Parts[0] != "979"
                                : !chars.starts_with("978") && !chars.starts_with("979"))
            Refuse(Typed, "An ISBN-13 begins 978 or 979.");
        if (chars.starts_with(IsmnPrefix))
            Refuse(Typed, "979-0 begins an ISMN, not an ISBN.");
        return Thirteen(Typed, number, "ISBN");
    }
    if (chars.size() != 10)
        Refuse(Typed, "An ISBN has 13 digits, or 10 with X allowed last; this has " +
                          std::to_string(chars.size()) + ".");
    RequireParts(number, Typed, "ISBN-10", IsbnTenShape);
    const std::string_view nine = std::string_view(chars).substr(0, 9);
    if (!AllDigits(nine) || !(AllDigits(chars.substr(9)) || IsCheckX(chars.back())))
        Refuse(Typed, "An ISBN-10 holds digits, and X only as its check character.");
    RequireCheck(Typed, "ISBN-10", "check character", chars.back(), Mod11CheckCharacter(nine));
    TBookNumber book;
    book.EAN13 = AppendMod10(std::string(IsbnTenPrefix) + std::string(nine));
    book.Printed =
        "ISBN " + (number.Hyphenated() ? std::string(IsbnTenPrefix) + "-" +
                                             Joined(number.Parts, 3) + "-" + book.EAN13.back()
                                       : book.EAN13);
    return book;
}

TBookNumber Ismn(const std::string& Typed) {
    const THyphenParts number = SplitHyphens(Typed, "ISMN");
    const std::string& chars = number.Joined;
    if (chars.size() == 13) {
        RequireParts(number, Typed, "ISMN", IsmnThirteenShape);
        if (number.Hyphenated() ? number.Parts[0] != "979" || number.Parts[1] != "0"
                                : !chars.starts_with(IsmnPrefix))
            Refuse(Typed, "A 13-digit ISMN begins 979-0.");
        return Thirteen(Typed, number, "ISMN");
    }
    if (chars.size() != 10 || (chars[0] != 'M' && chars[0] != 'm'))
        Refuse(Typed, "An ISMN has 13 digits beginning 979-0, or is M and 9 digits.");
    RequireParts(number, Typed, "ISMN", IsmnTenShape);
    if (number.Hyphenated() && number.Parts[0].size() != 1)
        Refuse(Typed, "The ISMN's M stands alone before the first hyphen.");
    const std::string_view digits = std::string_view(chars).substr(1);
    if (!AllDigits(digits))
        Refuse(Typed, "An ISMN holds digits after its M.");
    // M stands for 979-0, so the old check digit is the EAN-13 one.
    const std::string data = std::string(IsmnPrefix) + std::string(digits.substr(0, 8));
    RequireCheck(Typed, "ISMN", "check digit", chars.back(), Mod10CheckDigit(data));
    return {AppendMod10(data),
            {},
            0,
            "ISMN " + (number.Hyphenated()
                           ? "979-0-" + Joined({number.Parts.begin() + 1, number.Parts.end()},
                                               number.Parts.size() - 1)
                           : AppendMod10(data))};
}

TBookNumber Issn(const std::string& Typed) {
    const THyphenParts number = SplitHyphens(Typed, "ISSN");
    const std::vector<std::string>& parts = number.Parts;
    const std::string& chars = number.Joined;
    const bool shaped = number.Hyphenated()
                            ? parts.size() <= 3 && parts[0].size() == 4 && parts[1].size() == 4 &&
                                  (parts.size() == 2 || parts[2].size() == 2)
                            : chars.size() == 8 || chars.size() == 10;
    if (!shaped)
        Refuse(Typed, "An ISSN is written NNNN-NNNC, the hyphen optional, then an optional "
                      "two-digit variant.");
    const std::string_view seven = std::string_view(chars).substr(0, 7);
    const std::string variant =
        chars.size() == 10 ? chars.substr(8) : std::string(IssnVariantDefault);
    if (!AllDigits(seven) || !AllDigits(variant) ||
        !(AllDigits(chars.substr(7, 1)) || IsCheckX(chars[7])))
        Refuse(Typed, "An ISSN holds digits, and X only as its check character.");
    const char check = Mod11CheckCharacter(seven);
    RequireCheck(Typed, "ISSN", "check character", chars[7], check);
    return {AppendMod10(std::string(IssnPrefix) + std::string(seven) + variant),
            {},
            0,
            "ISSN " + chars.substr(0, 4) + "-" + chars.substr(4, 3) + check};
}

// What a book number's main part may hold before an add-on.
bool BookNumberCharacters(std::string_view Main) {
    return std::ranges::all_of(Main, [](char Ch) {
        return (Ch >= '0' && Ch <= '9') || Ch == '-' || IsCheckX(Ch) || Ch == 'M' || Ch == 'm';
    });
}

} // namespace

TBookNumber BookNumberAsEAN13(TBookNumberKind Kind, const std::string& Typed) {
    const std::optional<TAddOnSplit> split = SplitAddOnWhere(Typed, BookNumberCharacters);
    const std::string main = split ? split->Main : Typed;
    if (main.empty())
        throw Exception(EmptyValueMessage);
    TBookNumber book = Kind == TBookNumberKind::ISBN   ? Isbn(main)
                       : Kind == TBookNumberKind::ISMN ? Ismn(main)
                                                       : Issn(main);
    if (split) {
        book.AddOn = split->AddOn;
        book.Separator = split->Separator;
    }
    return book;
}

std::string EAN13Value(const TBookNumber& Number) {
    return Number.AddOn.empty() ? Number.EAN13 : Number.EAN13 + Number.Separator + Number.AddOn;
}

} // namespace quillmark
