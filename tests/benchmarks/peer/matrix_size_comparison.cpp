// Our two-dimensional symbols' sizes against zint's on the same random values: QR Code and
// Data Matrix on Latin-1 bytes, GS1 DataMatrix on AI sets, QR Code on their Digital Link
// URIs. Prints, for each, how often ours is larger, smaller or the same; fails when ours is
// larger in more than one value in twenty, or ever by more than one size.
#include "matrix_sizes.h"
#include "random_gs1.h"
#include "zint_symbol.h"

#include "encoders.h"
#include <quillmark/digital_link.h>
#include <quillmark/engine.h>
#include <quillmark/gs1.h>
#include <quillmark/matrix.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <random>
#include <string>

namespace quillmark::benchmarks {
namespace {

constexpr int Values = 2000;
constexpr std::size_t LongestBytes = 200;
// Ours may be larger in one value in twenty, and then by one size only.
constexpr int MostLargerPercent = 5;
constexpr int MostSizesLarger = 1;
// Zint's level M.
constexpr int ZintQrLevelM = 2;

// Runs of digits, capitals, lower-case words and any byte from Lowest up, so that the
// encoders change modes within a value.
std::string RandomBytes(std::mt19937& Random, int Lowest) {
    const auto between = [&Random](int Low, int High) {
        return std::uniform_int_distribution<int>(Low, High)(Random);
    };
    const std::size_t length = between(1, LongestBytes);
    std::string bytes;
    while (bytes.size() < length) {
        const int kind = between(0, 3);
        for (int run = between(1, 12); run > 0 && bytes.size() < length; --run)
            bytes += static_cast<char>(kind == 0   ? between('0', '9')
                                       : kind == 1 ? between('A', 'Z')
                                       : kind == 2 ? (between(0, 5) == 0 ? ' ' : between('a', 'z'))
                                                   : between(Lowest, 255));
    }
    return bytes;
}

// Zint takes the AIs in square brackets, which no AI's data holds.
std::string Bracketed(const std::string& ElementString) {
    std::string text;
    for (const TGS1Element& element : ParseGS1(ElementString))
        text += "[" + element.AI + "]" + element.Data;
    return text;
}

// The side of zint's symbol; none when zint refuses the data.
std::optional<int> ZintSide(int Symbology, int InputMode, int Option1, int Option3,
                            const std::string& Data) {
    const ZintSymbol symbol(ZBarcode_Create());
    symbol->symbology = Symbology;
    symbol->input_mode = InputMode;
    symbol->option_1 = Option1;
    symbol->option_3 = Option3;
    if (ZBarcode_Encode(symbol.get(), reinterpret_cast<const unsigned char*>(Data.data()),
                        static_cast<int>(Data.size())) >= ZINT_ERROR)
        return std::nullopt;
    return symbol->rows;
}

int OurQrSide(const std::string& Bytes) {
    return EncodeQR(Bytes, {TQrLevel::M, 0, false}).Rows;
}
std::optional<int> ZintQrSide(const std::string& Bytes) {
    return ZintSide(BARCODE_QRCODE, DATA_MODE, ZintQrLevelM, 0, Bytes);
}
int OurDataMatrixSide(const std::string& Bytes) {
    return EncodeDataMatrix(Bytes, {TDataMatrixShape::Square}).Rows;
}
std::optional<int> ZintDataMatrixSide(const std::string& Bytes) {
    return ZintSide(BARCODE_DATAMATRIX, DATA_MODE, 0, DM_SQUARE, Bytes);
}

struct Comparison {
    const char* Name;
    std::function<std::string(std::mt19937&)> Draw;
    std::function<int(const std::string&)> Ours;
    std::function<std::optional<int>(const std::string&)> Zint;
    std::function<int(int)> Step; // a symbol's place in its symbology's sizes, by its side
};

const Comparison Comparisons[] = {
    {"QR Code", [](std::mt19937& Random) { return RandomBytes(Random, 0); }, OurQrSide, ZintQrSide,
     testing::QrVersionOfSide},
    {"Data Matrix", [](std::mt19937& Random) { return RandomBytes(Random, 0); }, OurDataMatrixSide,
     ZintDataMatrixSide, testing::DataMatrixSquareStep},
    {"GS1 DataMatrix", testing::RandomGS1ElementString,
     [](const std::string& Value) {
         return EncodeDataMatrix(GS1ElementString(Value), {TDataMatrixShape::Square, 0, 0, true})
             .Rows;
     },
     [](const std::string& Value) {
         return ZintSide(BARCODE_DATAMATRIX, GS1_MODE, 0, DM_SQUARE, Bracketed(Value));
     },
     testing::DataMatrixSquareStep},
    {"GS1 Digital Link QR Code",
     [](std::mt19937& Random) { return DigitalLinkURI(testing::RandomGS1ElementString(Random)); },
     OurQrSide, ZintQrSide, testing::QrVersionOfSide},
};

struct Tally {
    int Larger = 0;
    int Smaller = 0;
    int Same = 0;
    int Refused = 0; // by zint
    int MostLarger = 0;
};

Tally Compare(const Comparison& Kind) {
    std::mt19937 random(20261210);
    Tally tally;
    for (int value = 0; value < Values; ++value) {
        const std::string data = Kind.Draw(random);
        const int ours = Kind.Step(Kind.Ours(data));
        const std::optional<int> zint = Kind.Zint(data);
        if (!zint) {
            ++tally.Refused;
            continue;
        }
        const int larger = ours - Kind.Step(*zint);
        (larger > 0 ? tally.Larger : larger < 0 ? tally.Smaller : tally.Same) += 1;
        tally.MostLarger = std::max(tally.MostLarger, larger);
    }
    return tally;
}

} // namespace
} // namespace quillmark::benchmarks

int main() {
    using namespace quillmark::benchmarks;
    bool met = true;
    std::printf("%d random values each, our symbol's size against zint's:\n", Values);
    for (const Comparison& kind : Comparisons) {
        Tally tally;
        try {
            tally = Compare(kind);
        } catch (const quillmark::Exception& refused) {
            std::printf("  %s: ours refused a value: %s\n", kind.Name, refused.Message().c_str());
            met = false;
            continue;
        }
        const int compared = tally.Larger + tally.Smaller + tally.Same;
        const bool kindMet = tally.Larger * 100 <= compared * MostLargerPercent &&
                             tally.MostLarger <= MostSizesLarger && tally.Refused == 0;
        std::printf("  %-26s larger %4d (%.1f%%, by at most %d), smaller %4d, same %4d, zint "
                    "refused %d: %s\n",
                    kind.Name, tally.Larger, 100.0 * tally.Larger / std::max(compared, 1),
                    tally.MostLarger, tally.Smaller, tally.Same, tally.Refused,
                    kindMet ? "met" : "NOT met");
        met = met && kindMet;
    }
    return met ? 0 : 1;
}
