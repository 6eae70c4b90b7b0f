// MakeModules over every symbology with arbitrary byte strings, every Modul the control
// takes and ratios across and beyond the clamps: each call either yields a pattern whose
// every character decodes, or raises Exception. Seeded, so every run tries the same cases.
#include <quillmark/engine.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace quillmark {
namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Infinity = std::numeric_limits<double>::infinity();

const std::array<double, 20> EdgeRatios = {NaN,    -NaN, -Infinity, -1e300, -2.5,  -1.0,    0.0,
                                           1e-310, 1.0,  1.999,     2.0,    2.25,  2.5,     3.0,
                                           3.0001, 7.5,  127.0,     1e6,    1e300, Infinity};

// mt19937's output is fixed by the standard; the distributions are not, so the test maps
// raw outputs itself to stay the same on every library.
class Source {
public:
    std::uint32_t Below(std::uint32_t Bound) {
        return static_cast<std::uint32_t>(Engine() % Bound);
    }

    std::string Value() {
        const std::uint32_t length = Below(10) < 8 ? Below(41) : Below(1500);
        std::string value;
        switch (Below(3)) {
        case 0: // digits only, so digits-only symbologies reach their encoders
            for (std::uint32_t i = 0; i < length; ++i)
                value += static_cast<char>('0' + Below(10));
            break;
        case 1: // printable ASCII
            for (std::uint32_t i = 0; i < length; ++i)
                value += static_cast<char>(' ' + Below(95));
            break;
        default: // any byte
            for (std::uint32_t i = 0; i < length; ++i)
                value += static_cast<char>(Below(256));
            break;
        }
        return value;
    }

    double Ratio() {
        if (Below(2) == 0)
            return EdgeRatios[Below(EdgeRatios.size())];
        return static_cast<double>(Engine()) / 4294967296.0 * 4.0;
    }

private:
    std::mt19937 Engine{20261208u};
};

// Values every symbology is tried with, beside the random ones.
std::vector<std::string> FixedValues() {
    std::string everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte += static_cast<char>(b);
    return {"",
            everyByte,
            std::string(2000, '9'),
            "2147483648",
            "0000000000002147483647",
            std::string(1, '\0'),
            "0123456789"};
}

struct Outcome {
    int Patterns = 0;
    int Raised = 0;
};

// Encodes and walks the pattern as the renderer would; any failure other than Exception
// escapes and fails the test.
void EncodeAndWalk(TBarType Type, const std::string& Value, int Modul, double Ratio,
                   TCheckSum CheckSum, Outcome& Out) {
    std::string text = Value;
    std::string pattern;
    try {
        MakeModules(Type, Value, Modul, Ratio, CheckSum, text, pattern);
    } catch (const Exception&) {
        ++Out.Raised;
        return;
    }
    ++Out.Patterns;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        int width = 0;
        TLineKind kind = lkSpace;
        try {
            DecodeModule(pattern[i], width, kind);
        } catch (const Exception& e) {
            ADD_FAILURE() << BarTypeName(Type) << " character " << i << " of the pattern for a "
                          << Value.size() << "-byte value: " << e.what();
            return;
        }
        if (width < 1) {
            ADD_FAILURE() << BarTypeName(Type) << " width " << width << " at Modul " << Modul;
            return;
        }
    }
}

TEST(RandomValues, EveryPatternDecodesOrTheCallRaises) {
    Source source;
    const std::vector<std::string> fixed = FixedValues();
    std::array<Outcome, BarTypeCount> outcomes{};
    for (int t = 0; t < BarTypeCount; ++t) {
        const auto type = static_cast<TBarType>(t);
        Outcome& out = outcomes[static_cast<std::size_t>(t)];
        for (const std::string& value : fixed)
            for (const double ratio : EdgeRatios)
                EncodeAndWalk(type, value, 1 + static_cast<int>(source.Below(49)), ratio,
                              source.Below(2) == 0 ? csNone : csModulo10, out);
        // Every Modul from 1 to 49, six times each, with random values and ratios.
        for (int i = 0; i < 6 * 49; ++i)
            EncodeAndWalk(type, source.Value(), 1 + i % 49, source.Ratio(),
                          source.Below(2) == 0 ? csNone : csModulo10, out);
    }
    // The EAN/UPC types must have drawn something, or the test proved nothing for them.
    for (const TBarType type : {bcCodeEAN8, bcCodeEAN13, bcCodeUPC_A, bcCodeUPC_E0, bcCodeUPC_E1,
                                bcCodeUPC_Supp2, bcCodeUPC_Supp5})
        EXPECT_GT(outcomes[type].Patterns, 0) << BarTypeName(type);
    int patterns = 0;
    for (const Outcome& out : outcomes)
        patterns += out.Patterns;
    EXPECT_GT(patterns, BarTypeCount * 20);
}

TEST(RandomValues, TypeOutsideTheCatalogueRaises) {
    Source source;
    for (int t = BarTypeCount; t < 256; ++t) {
        double ratio = source.Ratio();
        std::string text;
        std::string pattern;
        EXPECT_THROW(
            MakeModules(static_cast<TBarType>(t), source.Value(), 2, ratio, csNone, text, pattern),
            Exception)
            << t;
    }
}

} // namespace
} // namespace quillmark
