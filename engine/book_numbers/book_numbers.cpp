// ISBN, ISMN and ISSN read as typed and turned into EAN-13 digits and the printed line.
#include "book_numbers.h"

#include "add_on_split.h"
#include "encoders.h"
#include "error_messages.h"
#include "hyphen_parts.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <initializer_list>
#include <optional>

namespace quillmark {

namespace {

// The parts of each form, as ISO 2108 and ISO 10957 name them.
constexpr std::string_view ThirteenShape = "prefix, group, publisher, title, check digit";
constexpr std::string_view IsbnTenShape = "group, publisher, title, check character";
constexpr std::string_view IsmnThirteenShape = "979, 0, publisher, item, check digit";
constexpr std::string_view IsmnTenShape = "M, publisher, item, check digit";
// The EAN-13 prefixes: Bookland for ISBN (978, then 979 too), 979-0 for ISMN, 977 for
// serials.
constexpr std::string_view IsbnPrefix = "978";
constexpr std::string_view IsbnNewPrefix = "979";
constexpr std::string_view IsmnBlock = "0";
constexpr std::string_view IsmnDigits = "9790";
constexpr std::string_view IssnPrefix = "977";
constexpr std::string_view IssnVariantDefault = "00";

constexpr std::array<const char*, 3> KindNames = {"ISBN", "ISMN", "ISSN"};

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

// Whether Number begins with Parts: as its own parts where hyphenated, else as digits.
bool BeginsWith(const THyphenParts& Number, std::initializer_list<std::string_view> Parts) {
    std::string digits;
    std::size_t k = 0;
    for (const std::string_view part : Parts) {
        if (Number.Hyphenated() && (k >= Number.Parts.size() || Number.Parts[k++] != part))
            return false;
        digits += part;
    }
    return Number.Joined.starts_with(digits);
}

// Thirteen digits in their parts (ISBN-13, ISMN), checked and printed as typed.
TBookNumber Thirteen(const std::string& Typed, const THyphenParts& Number,
                     const std::string& Name) {
    const std::string& digits = Number.Joined;
    if (!AllDigits(digits))
        Refuse(Typed, "A 13-digit " + Name + " holds digits only.");
    RequireCheck(Typed, Name, "check digit", digits.back(),
                 Mod10CheckDigit(std::string_view(digits).substr(0, 12)));
    return {digits, {}, 0, Name + " " + Typed};
}

TBookNumber Isbn(const std::string& Typed, const std::string& Name) {
    const THyphenParts number = SplitHyphens(Typed, Name);
    const std::string& chars = number.Joined;
    if (chars.size() == 13) {
        RequireParts(number, Typed, Name + "-13", ThirteenShape);
        if (!BeginsWith(number, {IsbnPrefix}) && !BeginsWith(number, {IsbnNewPrefix}))
            Refuse(Typed, "An ISBN-13 begins 978 or 979.");
        if (chars.starts_with(IsmnDigits))
            Refuse(Typed, "979-0 begins an ISMN, not an ISBN.");
        return Thirteen(Typed, number, Name);
    }
    if (chars.size() != 10)
        Refuse(Typed, "An ISBN has 13 digits, or 10 with X allowed last; this has " +
                          std::to_string(chars.size()) + ".");
    RequireParts(number, Typed, Name + "-10", IsbnTenShape);
    const std::string_view nine = std::string_view(chars).substr(0, 9);
    if (!AllDigits(nine) || !(AllDigits(chars.substr(9)) || IsCheckX(chars.back())))
        Refuse(Typed, "An ISBN-10 holds digits, and X only as its check character.");
    RequireCheck(Typed, Name + "-10", "check character", chars.back(), Mod11CheckCharacter(nine));
    TBookNumber book;
    book.EAN13 = AppendMod10(std::string(IsbnPrefix) + std::string(nine));
    book.Printed = Name + " " +
                   (number.Hyphenated() ? std::string(IsbnPrefix) + "-" + Joined(number.Parts, 3) +
                                              "-" + book.EAN13.back()
                                        : book.EAN13);
    return book;
}

TBookNumber Ismn(const std::string& Typed, const std::string& Name) {
    const THyphenParts number = SplitHyphens(Typed, Name);
    const std::string& chars = number.Joined;
    if (chars.size() == 13) {
        RequireParts(number, Typed, Name, IsmnThirteenShape);
        if (!BeginsWith(number, {IsbnNewPrefix, IsmnBlock}))
            Refuse(Typed, "A 13-digit ISMN begins 979-0.");
        return Thirteen(Typed, number, Name);
    }
    if (chars.size() != 10 || (chars[0] != 'M' && chars[0] != 'm'))
        Refuse(Typed, "An ISMN has 13 digits beginning 979-0, or is M and 9 digits.");
    RequireParts(number, Typed, Name, IsmnTenShape);
    if (number.Hyphenated() && number.Parts[0].size() != 1)
        Refuse(Typed, "The ISMN's M stands alone before the first hyphen.");
    const std::string_view digits = std::string_view(chars).substr(1);
    if (!AllDigits(digits))
        Refuse(Typed, "An ISMN holds digits after its M.");
    // M stands for 979-0, so the old check digit is the EAN-13 one.
    const std::string data = std::string(IsmnDigits) + std::string(digits.substr(0, 8));
    RequireCheck(Typed, Name, "check digit", chars.back(), Mod10CheckDigit(data));
    TBookNumber music;
    music.EAN13 = AppendMod10(data);
    std::vector<std::string> parts = number.Parts;
    parts.front() = std::string(IsbnNewPrefix) + "-" + std::string(IsmnBlock);
    music.Printed = Name + " " + (number.Hyphenated() ? Joined(parts, parts.size()) : music.EAN13);
    return music;
}

TBookNumber Issn(const std::string& Typed, const std::string& Name) {
    const THyphenParts number = SplitHyphens(Typed, Name);
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
    RequireCheck(Typed, Name, "check character", chars[7], check);
    return {AppendMod10(std::string(IssnPrefix) + std::string(seven) + variant),
            {},
            0,
            Name + " " + chars.substr(0, 4) + "-" + chars.substr(4, 3) + check};
}

// What a book number may hold: digits, hyphens, X as a check character, an older ISMN's M.
bool IsBookNumberCharacter(char Ch) {
    return (Ch >= '0' && Ch <= '9') || Ch == '-' || IsCheckX(Ch) || Ch == 'M' || Ch == 'm';
}

bool BookNumberCharacters(std::string_view Main) {
    return std::ranges::all_of(Main, IsBookNumberCharacter);
}

} // namespace

TBookNumber BookNumberAsEAN13(TBookNumberKind Kind, const std::string& Typed) {
    const std::optional<TAddOnSplit> split = SplitAddOnWhere(Typed, BookNumberCharacters);
    const std::string main = split ? split->Main : Typed;
    if (main.empty())
        throw Exception(EmptyValueMessage);
    const std::string name = KindNames[static_cast<std::size_t>(Kind)];
    if (const auto stray = std::ranges::find_if_not(main, IsBookNumberCharacter);
        stray != main.end())
        Refuse(Typed, "'" + std::string(1, *stray) + "' has no place in an " + name + ".");
    TBookNumber book = Kind == TBookNumberKind::ISBN   ? Isbn(main, name)
                       : Kind == TBookNumberKind::ISMN ? Ismn(main, name)
                                                       : Issn(main, name);
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
