// ITF-14 and ISBNs drawn as EAN-13, module by module against zint on the same random values:
// 1,000 GTINs as ITF-14 at zint's 3:1 ratio (bearers aside, zint draws them as a border),
// and 1,000 ISBNs, hyphenated at random, as EAN-13. Fails on the first row that differs.
#include "zint_symbol.h"

#include "encoders.h"
#include <quillmark/book_numbers.h>
#include <quillmark/engine.h>
#include <quillmark/itf14.h>
#include <quillmark/module_runs.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <string>

namespace quillmark::benchmarks {
namespace {

constexpr int Values = 1000;
constexpr double ZintITF14Ratio = 3.0;
constexpr double EANModuleRatio = 2.0; // EAN elements are 1 to 4 modules at ratio 2

// The pattern as a row of modules, '1' dark, at Ratio.
std::string OurRow(const std::string& Pattern, double Ratio) {
    std::string row;
    for (const TModuleRun& run : ModuleRuns(Pattern, MakeElementWidths(1, Ratio)))
        row.append(static_cast<std::size_t>(run.Width), run.Kind == lkSpace ? '0' : '1');
    return row;
}

// Zint's first row of modules; none when zint refuses the data.
std::optional<std::string> ZintRow(int Symbology, const std::string& Data) {
    const ZintSymbol symbol(ZBarcode_Create());
    symbol->symbology = Symbology;
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(Data.data()),
                        static_cast<int>(Data.size())) >= ZINT_ERROR)
        return std::nullopt;
    std::string row;
    for (int column = 0; column < symbol->width; ++column)
        row += (symbol->encoded_data[0][column / 8] >> (column % 8)) & 1 ? '1' : '0';
    return row;
}

std::string RandomDigits(std::mt19937& Random, std::size_t Count) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::string digits;
    for (std::size_t k = 0; k < Count; ++k)
        digits += static_cast<char>('0' + digit(Random));
    return digits;
}

// Digits with hyphens between Parts parts of random lengths, the last one character; or, one
// time in three, as they stand.
std::string Hyphenated(std::mt19937& Random, const std::string& Digits, std::size_t Parts,
                       std::size_t Fixed) {
    if (std::uniform_int_distribution<int>(0, 2)(Random) == 0)
        return Digits;
    // The Fixed digits in front stand as one part (978/979), the check character as another.
    std::string body = Digits.substr(Fixed, Digits.size() - Fixed - 1);
    for (std::size_t cut = Parts - (Fixed ? 3 : 2); cut > 0; --cut) {
        const std::size_t at =
            std::uniform_int_distribution<std::size_t>(1, body.size() - 1)(Random);
        if (body[at] == '-' || body[at - 1] == '-') {
            ++cut;
            continue;
        }
        body.insert(at, "-");
    }
    return (Fixed ? Digits.substr(0, Fixed) + "-" : "") + body + "-" + Digits.back();
}

struct Draw {
    std::string Ours;
    std::string Zints;
};

Draw RandomGTIN(std::mt19937& Random) {
    const std::string value = RandomDigits(Random, 13);
    return {value, value};
}

// An ISBN-13 or, half the time, an ISBN-10 (X where its check comes out 10).
Draw RandomISBN(std::mt19937& Random) {
    if (std::uniform_int_distribution<int>(0, 1)(Random) == 0) {
        const std::string nine = RandomDigits(Random, 9);
        int sum = 0;
        for (int k = 0; k < 9; ++k)
            sum += (nine[static_cast<std::size_t>(k)] - '0') * (10 - k);
        const int check = (11 - sum % 11) % 11;
        const std::string isbn = nine + (check == 10 ? 'X' : static_cast<char>('0' + check));
        return {Hyphenated(Random, isbn, 4, 0), isbn};
    }
    // 978 throughout: zint and ISO 2108 read 979-0 as an ISMN.
    const std::string isbn = AppendMod10("978" + RandomDigits(Random, 9));
    return {Hyphenated(Random, isbn, 5, 3), isbn};
}

struct Comparison {
    const char* Name;
    int Symbology;
    std::function<Draw(std::mt19937&)> Random;
    std::function<std::string(const std::string&)> Ours;
};

const Comparison Comparisons[] = {
    {"ITF-14", BARCODE_ITF14, RandomGTIN,
     [](const std::string& Value) {
         std::string pattern;
         EncodeITF14(Value, pattern);
         return OurRow(pattern, ZintITF14Ratio);
     }},
    {"ISBN as EAN-13", BARCODE_ISBNX, RandomISBN,
     [](const std::string& Value) {
         std::string pattern;
         EncodeCodeEAN13(BookNumberAsEAN13(TBookNumberKind::ISBN, Value).EAN13, csNone, pattern);
         return OurRow(pattern, EANModuleRatio);
     }},
};

bool Compare(const Comparison& Kind) {
    std::mt19937 random(20261210);
    for (int value = 0; value < Values; ++value) {
        const Draw draw = Kind.Random(random);
        const std::optional<std::string> zint = ZintRow(Kind.Symbology, draw.Zints);
        std::string ours;
        try {
            ours = Kind.Ours(draw.Ours);
        } catch (const Exception& refused) {
            std::printf("  %s: ours refused %s: %s\n", Kind.Name, draw.Ours.c_str(),
                        refused.Message().c_str());
            return false;
        }
        if (!zint || ours != *zint) {
            std::printf("  %s: %s differs from zint's %s\n    ours %s\n    zint %s\n", Kind.Name,
                        draw.Ours.c_str(), draw.Zints.c_str(), ours.c_str(),
                        zint ? zint->c_str() : "(refused)");
            return false;
        }
    }
    std::printf("  %s: %d values, every row as zint's\n", Kind.Name, Values);
    return true;
}

} // namespace
} // namespace quillmark::benchmarks

int main() {
    using namespace quillmark::benchmarks;
    bool met = true;
    for (const Comparison& kind : Comparisons)
        met = Compare(kind) && met;
    return met ? 0 : 1;
}
