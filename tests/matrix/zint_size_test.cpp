// Symbol sizes against zint's for the same data, where zint is installed: libqrencode's and
// libdmtx's choice of modes may differ, but never by more than one symbol size.
#include "matrix_sizes.h"

#include <quillmark/matrix.h>

#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

namespace quillmark {
namespace {

using testing::DataMatrixSquareStep;

// The number of rows zint's --dump prints (a row of the symbol each), for data without quotes.
int ZintRows(const std::string& Options, const std::string& Data) {
    const std::string command =
        std::string(QUILLMARK_ZINT) + " --dump " + Options + " -d '" + Data + "'";
    const std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    int rows = 0;
    for (int c = 0; pipe && (c = std::fgetc(pipe.get())) != EOF;)
        rows += c == '\n';
    return rows;
}

const std::array<std::string, 6> Samples{
    "1234567890123456789012345",
    "HELLO WORLD 0123",
    "https://example.com/products/item?id=12345&ref=abc",
    "Mixed case text, with punctuation; and digits 2026-12-10.",
    "0109501101530003172612311012345678901234567890",
    "The quick brown fox jumps over the lazy dog, twice: the quick brown fox jumps over the "
    "lazy dog."};

class ZintSizes : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        if (!std::filesystem::exists(QUILLMARK_ZINT))
            GTEST_SKIP() << "zint is not installed";
    }
};

TEST_P(ZintSizes, QrCodeAtMostOneVersionLarger) {
    const int ours = EncodeQR(GetParam(), {TQrLevel::M, 0, false}).Rows;
    const int zint = ZintRows("-b 58 --secure=2", GetParam());
    ASSERT_GE(zint, 21);
    EXPECT_LE(ours, zint + 4) << "zint " << zint;
}

TEST_P(ZintSizes, DataMatrixAtMostOneSizeLarger) {
    const int ours = EncodeDataMatrix(GetParam(), {TDataMatrixShape::Square}).Rows;
    const int zint = ZintRows("-b 71 --square", GetParam());
    ASSERT_GE(DataMatrixSquareStep(zint), 0) << zint;
    EXPECT_LE(DataMatrixSquareStep(ours), DataMatrixSquareStep(zint) + 1)
        << "ours " << ours << ", zint " << zint;
}

INSTANTIATE_TEST_SUITE_P(Samples, ZintSizes, ::testing::ValuesIn(Samples));

} // namespace
} // namespace quillmark
