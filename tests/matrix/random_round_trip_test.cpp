#include "read_grid.h"

#include <quillmark/matrix.h>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

namespace quillmark {
namespace {

using testing::ReadGrid;

constexpr int Samples = 300;

struct RoundTrip {
    const char* Name;
    std::size_t LongestValue;
    // Encodes with options drawn from the generator.
    std::function<TModuleGrid(const std::string&, std::mt19937&)> Encode;
};

void PrintTo(const RoundTrip& Trip, std::ostream* Out) {
    *Out << Trip.Name;
}

class RandomBytes : public ::testing::TestWithParam<RoundTrip> {};

// Any byte values, runs of digits and capitals among them so that the encoders switch modes.
TEST_P(RandomBytes, ReadBackExactly) {
    const RoundTrip& trip = GetParam();
    std::mt19937 random(20261210);
    std::uniform_int_distribution<std::size_t> length(1, trip.LongestValue);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> kind(0, 2);
    for (int sample = 0; sample < Samples; ++sample) {
        std::string value(length(random), '\0');
        for (char& c : value) {
            const int k = kind(random);
            c = static_cast<char>(k == 0   ? '0' + byte(random) % 10
                                  : k == 1 ? 'A' + byte(random) % 26
                                           : byte(random));
        }
        const TModuleGrid grid = trip.Encode(value, random);
        const auto reading = ReadGrid(grid, 3);
        ASSERT_TRUE(reading) << "sample " << sample;
        EXPECT_EQ(reading->Bytes, value) << "sample " << sample;
    }
}

TQrLevel AnyLevel(std::mt19937& Random, int Levels) {
    return static_cast<TQrLevel>(std::uniform_int_distribution<int>(0, Levels - 1)(Random));
}

INSTANTIATE_TEST_SUITE_P(
    Encoders, RandomBytes,
    ::testing::Values(RoundTrip{"QR", 120,
                                [](const std::string& Value, std::mt19937& Random) {
                                    return EncodeQR(Value, {AnyLevel(Random, 4), 0, false});
                                }},
                      // M4 at level M holds 13 bytes.
                      RoundTrip{"MicroQR", 12,
                                [](const std::string& Value, std::mt19937& Random) {
                                    return EncodeQR(Value, {AnyLevel(Random, 2), 0, true});
                                }},
                      RoundTrip{"DataMatrix", 120,
                                [](const std::string& Value, std::mt19937& Random) {
                                    // The largest rectangle holds 49 codewords: longer values take
                                    // squares.
                                    const int shapes = Value.size() > 20 ? 1 : 3;
                                    const auto shape = static_cast<TDataMatrixShape>(
                                        std::uniform_int_distribution<int>(0, shapes - 1)(Random));
                                    return EncodeDataMatrix(Value, {shape});
                                }}),
    [](const auto& Info) { return std::string(Info.param.Name); });

} // namespace
} // namespace quillmark
