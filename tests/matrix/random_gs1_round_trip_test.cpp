// Random GS1 AI sets in the symbols that carry them: GS1 DataMatrix of the element strings as
// a reader returns them, and QR Code of their GS1 Digital Link URI, each read back whole by
// zxing-cpp with its symbology identifier.
#include "random_gs1.h"
#include "read_grid.h"

#include "encoders.h"
#include <quillmark/digital_link.h>
#include <quillmark/matrix.h>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

namespace quillmark {
namespace {

constexpr int Samples = 300;

struct Carrier {
    const char* Name;
    std::function<std::string(const std::string&)> Bytes; // of the element string
    std::function<TModuleGrid(const std::string&)> Encode;
    const char* SymbologyId;
};

void PrintTo(const Carrier& Kind, std::ostream* Out) {
    *Out << Kind.Name;
}

class RandomGS1 : public ::testing::TestWithParam<Carrier> {};

TEST_P(RandomGS1, ReadsBackWhole) {
    const Carrier& kind = GetParam();
    std::mt19937 random(20261210);
    for (int sample = 0; sample < Samples; ++sample) {
        const std::string value = testing::RandomGS1ElementString(random);
        const std::string bytes = kind.Bytes(value);
        const auto reading = testing::ReadGrid(kind.Encode(bytes), 3);
        ASSERT_TRUE(reading) << value;
        EXPECT_EQ(reading->SymbologyId, kind.SymbologyId) << value;
        EXPECT_EQ(reading->Bytes, bytes) << value;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Carriers, RandomGS1,
    ::testing::Values(
        Carrier{"DataMatrix", GS1ElementString,
                [](const std::string& Bytes) {
                    return EncodeDataMatrix(Bytes, {TDataMatrixShape::Square, 0, 0, true});
                },
                "]d2"},
        Carrier{"DigitalLinkQR", [](const std::string& Value) { return DigitalLinkURI(Value); },
                [](const std::string& Bytes) {
                    return EncodeQR(Bytes, {TQrLevel::M, 0, false});
                },
                "]Q1"}),
    [](const auto& Info) { return std::string(Info.param.Name); });

} // namespace
} // namespace quillmark
