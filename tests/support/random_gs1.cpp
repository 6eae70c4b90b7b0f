// The AIs below, their formats and which go together follow GS1's general standard, section 3
// (the AI definitions and their pairing rules), written out here on their own so that the
// engine's table is checked against a second reading rather than against itself.
#include "random_gs1.h"

#include <algorithm>
#include <array>
#include <map>
#include <vector>

namespace quillmark::testing {
namespace {

// GS1-128's limit on the data characters, AIs included, which ParseGS1 holds values to.
constexpr int MostDataCharacters = 48;

constexpr std::string_view Digits = "0123456789";
constexpr std::string_view Set82 =
    "!\"%&'()*+,-./0123456789:;<=>?ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";
constexpr std::string_view Set39 = "#-/0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
constexpr std::string_view ImporterSet =
    "-0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ_abcdefghijklmnopqrstuvwxyz";

// What fills a component of an AI's data.
enum class TFill {
    Digits,
    CheckedDigits, // the last digit the GS1 modulo 10 check digit of the others
    NoZeroPrefix,  // digits, the first not 0
    Zero,
    Date,         // YYMMDD, DD 00 where no day is given
    DayDate,      // YYMMDD, a real day
    Time,         // HHMM
    PieceOfTotal, // two digits of piece, then two of the total it is one of
    Set82,
    Set39,
    Importer, // an importer index character
};

struct TComponent {
    TFill Fill;
    int Min; // 0: the component may be left out
    int Max;
};

const std::map<std::string_view, std::vector<TComponent>, std::less<>> Formats{
    {"00", {{TFill::CheckedDigits, 18, 18}}},                          // SSCC
    {"01", {{TFill::CheckedDigits, 14, 14}}},                          // GTIN
    {"10", {{TFill::Set82, 1, 20}}},                                   // batch or lot
    {"11", {{TFill::Date, 6, 6}}},                                     // production date
    {"13", {{TFill::Date, 6, 6}}},                                     // packaging date
    {"15", {{TFill::Date, 6, 6}}},                                     // best before
    {"16", {{TFill::Date, 6, 6}}},                                     // sell by
    {"17", {{TFill::Date, 6, 6}}},                                     // expiry
    {"20", {{TFill::Digits, 2, 2}}},                                   // variant
    {"21", {{TFill::Set82, 1, 20}}},                                   // serial
    {"22", {{TFill::Set82, 1, 20}}},                                   // consumer product variant
    {"235", {{TFill::Set82, 1, 28}}},                                  // third-party serial
    {"240", {{TFill::Set82, 1, 30}}},                                  // additional product id
    {"241", {{TFill::Set82, 1, 30}}},                                  // customer part number
    {"242", {{TFill::Digits, 1, 6}}},                                  // made-to-order variant
    {"251", {{TFill::Set82, 1, 30}}},                                  // reference to source entity
    {"253", {{TFill::CheckedDigits, 13, 13}, {TFill::Set82, 0, 17}}},  // GDTI
    {"254", {{TFill::Set82, 1, 20}}},                                  // GLN extension
    {"255", {{TFill::CheckedDigits, 13, 13}, {TFill::Digits, 0, 12}}}, // GCN
    {"30", {{TFill::Digits, 1, 8}}},                                   // variable count
    {"3103", {{TFill::Digits, 6, 6}}},                       // net weight, kg, three decimals
    {"400", {{TFill::Set82, 1, 30}}},                        // order number
    {"401", {{TFill::Set82, 1, 30}}},                        // GINC
    {"402", {{TFill::CheckedDigits, 17, 17}}},               // GSIN
    {"410", {{TFill::CheckedDigits, 13, 13}}},               // ship to
    {"412", {{TFill::CheckedDigits, 13, 13}}},               // purchased from
    {"414", {{TFill::CheckedDigits, 13, 13}}},               // GLN of a location
    {"416", {{TFill::CheckedDigits, 13, 13}}},               // production or service location
    {"417", {{TFill::CheckedDigits, 13, 13}}},               // party GLN
    {"420", {{TFill::Set82, 1, 20}}},                        // ship-to postal code
    {"7003", {{TFill::DayDate, 6, 6}, {TFill::Time, 4, 4}}}, // expiry date and time
    {"7040",
     {{TFill::Digits, 1, 1},
      {TFill::Set82, 1, 1},
      {TFill::Set82, 1, 1},
      {TFill::Importer, 1, 1}}}, // UIC with extension
    {"8003", {{TFill::Zero, 1, 1}, {TFill::CheckedDigits, 13, 13}, {TFill::Set82, 0, 16}}}, // GRAI
    {"8004", {{TFill::Set82, 1, 30}}},                                                      // GIAI
    {"8006", {{TFill::CheckedDigits, 14, 14}, {TFill::PieceOfTotal, 4, 4}}},                // ITIP
    {"8010", {{TFill::Set39, 1, 30}}},                                                      // CPID
    {"8011", {{TFill::NoZeroPrefix, 1, 12}}},   // CPID serial
    {"8017", {{TFill::CheckedDigits, 18, 18}}}, // GSRN of a provider
    {"8018", {{TFill::CheckedDigits, 18, 18}}}, // GSRN of a recipient
    {"8019", {{TFill::Digits, 1, 10}}},         // service relation instance
    {"90", {{TFill::Set82, 1, 30}}},            // internal
};

// A primary key and the orders its qualifiers follow it in, any of them left out.
struct TKey {
    std::string_view AI;
    std::vector<std::vector<std::string_view>> QualifierPaths;
};

const std::vector<TKey> Keys{
    {"00", {}},
    {"01", {{"22", "10", "21"}, {"235"}}},
    {"253", {}},
    {"255", {}},
    {"401", {}},
    {"402", {}},
    {"414", {{"254"}, {"7040"}}},
    {"417", {{"7040"}}},
    {"8003", {}},
    {"8004", {{"7040"}}},
    // (22) would need (01) with it.
    {"8006", {{"10", "21"}}},
    {"8010", {{"8011"}}},
    {"8017", {{"8019"}}},
    {"8018", {{"8019"}}},
};

const std::vector<std::string_view> KeyNames = [] {
    std::vector<std::string_view> names;
    for (const TKey& key : Keys)
        names.push_back(key.AI);
    return names;
}();

// An AI a URI's query carries, and the keys it needs one of (none: it goes with any).
struct TAttribute {
    std::string_view AI;
    std::vector<std::string_view> Keys;
};

const std::vector<TAttribute> Attributes{
    {"11", {"01", "8006"}},
    {"13", {"01", "8006"}},
    {"15", {"01", "8006"}},
    {"16", {"01", "8006"}},
    {"17", {"01", "8006", "255"}},
    {"20", {"01", "8006"}},
    {"240", {"01", "8006"}},
    {"241", {"01", "8006"}},
    {"242", {"01", "8006"}},
    {"251", {"01", "8006"}},
    {"30", {"01"}},
    {"3103", {"01"}},
    {"7003", {"01"}},
    {"400", {}},
    {"410", {}},
    {"412", {}},
    {"416", {}},
    {"420", {}},
    {"90", {}},
};

int Between(std::mt19937& Random, int Low, int High) {
    return std::uniform_int_distribution<int>(Low, High)(Random);
}

char From(std::mt19937& Random, std::string_view Set) {
    return Set[Between(Random, 0, static_cast<int>(Set.size()) - 1)];
}

std::string Drawn(std::mt19937& Random, std::string_view Set, int Length) {
    std::string text;
    for (int i = 0; i < Length; ++i)
        text += From(Random, Set);
    return text;
}

std::string TwoDigits(int Value) {
    return {static_cast<char>('0' + Value / 10), static_cast<char>('0' + Value % 10)};
}

// Weights 3 and 1 alternate from the digit next to the check digit leftwards.
char CheckDigit(std::string_view Body) {
    int sum = 0;
    for (std::size_t i = 0; i < Body.size(); ++i)
        sum += (Body[Body.size() - 1 - i] - '0') * (i % 2 == 0 ? 3 : 1);
    return static_cast<char>('0' + (10 - sum % 10) % 10);
}

std::string Date(std::mt19937& Random, bool DayZero) {
    constexpr std::array<int, 12> days{31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const int year = Between(Random, 0, 99);
    const int month = Between(Random, 1, 12);
    // 29 February only in years that are leap whichever century the year falls in.
    const int last = days[month - 1] + (month == 2 && year % 4 == 0 && year != 0);
    return TwoDigits(year) + TwoDigits(month) + TwoDigits(Between(Random, DayZero ? 0 : 1, last));
}

std::string Filled(std::mt19937& Random, TFill Fill, int Length) {
    switch (Fill) {
    case TFill::Digits:
        return Drawn(Random, Digits, Length);
    case TFill::CheckedDigits: {
        const std::string body = Drawn(Random, Digits, Length - 1);
        return body + CheckDigit(body);
    }
    case TFill::NoZeroPrefix:
        return From(Random, Digits.substr(1)) + Drawn(Random, Digits, Length - 1);
    case TFill::Zero:
        return "0";
    case TFill::Date:
    case TFill::DayDate:
        return Date(Random, Fill == TFill::Date);
    case TFill::Time:
        return TwoDigits(Between(Random, 0, 23)) + TwoDigits(Between(Random, 0, 59));
    case TFill::PieceOfTotal: {
        const int total = Between(Random, 1, 99);
        return TwoDigits(Between(Random, 1, total)) + TwoDigits(total);
    }
    case TFill::Set82:
        return Drawn(Random, Set82, Length);
    case TFill::Set39:
        return Drawn(Random, Set39, Length);
    case TFill::Importer:
        return Drawn(Random, ImporterSet, Length);
    }
    return {};
}

// AI's element string in at most Room data characters, each component of a random length
// that fits; none when even its shortest data does not fit.
std::string Element(std::mt19937& Random, std::string_view AI, int Room) {
    const std::vector<TComponent>& components = Formats.find(AI)->second;
    int shortest = static_cast<int>(AI.size());
    for (const TComponent& component : components)
        shortest += component.Min;
    if (shortest > Room)
        return {};
    std::string element = "(" + std::string(AI) + ")";
    int spare = Room - shortest;
    for (const TComponent& component : components) {
        const int length = Between(Random, component.Min,
                                   component.Min + std::min(spare, component.Max - component.Min));
        spare -= length - component.Min;
        if (length == 0)
            continue;
        for (const char ch : Filled(Random, component.Fill, length)) {
            if (ch == '(' || ch == ')')
                element += '\\';
            element += ch;
        }
    }
    return element;
}

// Data characters, as GS1-128 counts them: without brackets and escapes.
int Characters(std::string_view Element) {
    return static_cast<int>(
               std::count_if(Element.begin(), Element.end(), [](char Ch) { return Ch != '\\'; })) -
           2;
}

} // namespace

std::span<const std::string_view> RandomGS1PrimaryKeys() {
    return KeyNames;
}

std::string RandomGS1ElementString(std::mt19937& Random) {
    const TKey& key = Keys[Between(Random, 0, static_cast<int>(Keys.size()) - 1)];
    std::vector<std::string> elements{Element(Random, key.AI, MostDataCharacters)};
    int room = MostDataCharacters - Characters(elements.front());
    const auto add = [&](std::string_view AI) {
        if (std::string element = Element(Random, AI, room); !element.empty()) {
            room -= Characters(element);
            elements.push_back(std::move(element));
        }
    };
    if (!key.QualifierPaths.empty()) {
        const auto& path =
            key.QualifierPaths[Between(Random, 0, static_cast<int>(key.QualifierPaths.size()) - 1)];
        for (const std::string_view qualifier : path)
            if (Between(Random, 0, 1) == 1)
                add(qualifier);
    }
    std::vector<std::string_view> attributes;
    for (const TAttribute& attribute : Attributes)
        if (attribute.Keys.empty() ||
            std::find(attribute.Keys.begin(), attribute.Keys.end(), key.AI) != attribute.Keys.end())
            attributes.push_back(attribute.AI);
    std::shuffle(attributes.begin(), attributes.end(), Random);
    attributes.resize(std::min<std::size_t>(attributes.size(), Between(Random, 0, 3)));
    for (const std::string_view attribute : attributes)
        add(attribute);

    std::shuffle(elements.begin(), elements.end(), Random);
    std::string text;
    for (const std::string& element : elements)
        text += element;
    return text;
}

} // namespace quillmark::testing

namespace quillmark::testing {
namespace {

// Currencies (ISO 4217 numeric codes) the dictionary's check accepts.
constexpr std::array<std::string_view, 6> Currencies{"978", "840", "826", "392", "124", "036"};
constexpr std::array<std::string_view, 4> DateAIs{"11", "13", "15", "17"};

// A weight of six digits, small often, so that each compressed method's ceiling is crossed.
std::string Weight(std::mt19937& Random) {
    constexpr std::array<int, 4> ceilings{9999, 32767, 99999, 999999};
    const int weight =
        Between(Random, 0, ceilings[static_cast<std::size_t>(Between(Random, 0, 3))]);
    std::string digits = std::to_string(weight);
    return std::string(6 - digits.size(), '0') + digits;
}

} // namespace

std::string RandomMeasureElementString(std::mt19937& Random) {
    // Mostly a variable measure item's indicator digit, the compressed methods' condition.
    const char indicator = Between(Random, 0, 4) == 0 ? From(Random, Digits) : '9';
    std::string text = "(01)" + Filled(Random, TFill::CheckedDigits, 14);
    text[4] = indicator;
    text.back() = CheckDigit(std::string_view(text).substr(4, 13));
    // Weights take 0 to 5 decimals, prices 0 to 9.
    const std::string decimals(1, From(Random, "012345"));
    switch (Between(Random, 0, 3)) {
    case 0: // a weight alone: (3103), (3202), (3203) among the rest
        text += std::string(Between(Random, 0, 1) ? "(310" : "(320") +
                (Between(Random, 0, 1) ? std::string(1, "323"[Between(Random, 0, 2)]) : decimals) +
                ")" + Weight(Random);
        break;
    case 1: { // a weight and a date
        const std::string weight = "(" + std::string(Between(Random, 0, 1) ? "310" : "320") +
                                   decimals + ")" + Weight(Random);
        const std::string date = "(" + std::string(DateAIs[Between(Random, 0, 3)]) + ")" +
                                 Filled(Random, TFill::Date, 6);
        text += Between(Random, 0, 4) == 0 ? date + weight : weight + date;
        break;
    }
    case 2: // a price, maybe with its currency
    case 3: {
        const bool currency = Between(Random, 0, 1) == 1;
        text += std::string(currency ? "(393" : "(392") + From(Random, Digits) + ")";
        if (currency)
            text += Currencies[static_cast<std::size_t>(Between(Random, 0, 5))];
        text += Filled(Random, TFill::Digits, Between(Random, 1, 15));
        break;
    }
    }
    // Now and then more element strings after them, which only some methods carry.
    if (Between(Random, 0, 3) == 0)
        text += Element(Random, "10", 20);
    if (Between(Random, 0, 5) == 0)
        text += Element(Random, "21", 20);
    return text;
}

} // namespace quillmark::testing
