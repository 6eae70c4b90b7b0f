#include "read_grid.h"
#include "refusal.h"

#include <quillmark/engine.h>
#include <quillmark/matrix.h>

#include <gtest/gtest.h>

#include <string>

namespace quillmark {
namespace {

using namespace std::string_literals;
using testing::ReadGrid;

struct QrCase {
    std::string Bytes;
    TQrOptions Options;
    int Side; // ISO/IEC 18004 Table 1: 17 + 4V for QR Code, 9 + 2M for Micro QR Code
};

class QrReadBack : public ::testing::TestWithParam<QrCase> {};

TEST_P(QrReadBack, ReadsBackExactlyAtItsSize) {
    const QrCase& c = GetParam();
    const TModuleGrid grid = EncodeQR(c.Bytes, c.Options);
    EXPECT_EQ(grid.Columns, c.Side);
    EXPECT_EQ(grid.Rows, c.Side);
    EXPECT_EQ(grid.QuietZone, c.Options.Micro ? 2 : 4);
    const auto reading = ReadGrid(grid);
    ASSERT_TRUE(reading);
    EXPECT_EQ(reading->Bytes, c.Bytes);
    EXPECT_EQ(reading->Format, c.Options.Micro ? "MicroQRCode" : "QRCode");
}

INSTANTIATE_TEST_SUITE_P(
    Levels, QrReadBack,
    ::testing::Values(QrCase{"HELLO WORLD", {TQrLevel::L, 0, false}, 21},
                      QrCase{"HELLO WORLD", {TQrLevel::M, 0, false}, 21},
                      QrCase{"HELLO WORLD", {TQrLevel::Q, 0, false}, 21},
                      QrCase{"HELLO WORLD", {TQrLevel::H, 0, false}, 25},
                      QrCase{"https://example.com/a?b=c", {TQrLevel::M, 0, false}, 25},
                      QrCase{"caf\xe9 \xa9 na\xefve", {TQrLevel::M, 0, false}, 21},
                      QrCase{"a\0b\0\xff"s, {TQrLevel::H, 0, false}, 21},
                      // NUL and 30 digits: version 3 in bytes, 2 with the digits numeric.
                      QrCase{"\0"s + std::string(30, '7'), {TQrLevel::M, 0, false}, 25},
                      QrCase{"0123456789012345678901234567890123", {TQrLevel::M, 0, false}, 21},
                      QrCase{"fixed", {TQrLevel::Q, 7, false}, 45},
                      QrCase{std::string(2953, 'x'), {TQrLevel::L, 40, false}, 177},
                      QrCase{"12345", {TQrLevel::L, 0, true}, 11},
                      QrCase{"ABCDEF", {TQrLevel::L, 0, true}, 13},
                      QrCase{"ab", {TQrLevel::M, 0, true}, 15},
                      QrCase{"abcdefgh", {TQrLevel::Q, 0, true}, 17},
                      QrCase{"1", {TQrLevel::L, 4, true}, 17}));

using QrRefusal = testing::Refusal<TQrOptions>;

class QrRefuses : public ::testing::TestWithParam<QrRefusal> {};

TEST_P(QrRefuses, NamingWhatToChange) {
    const QrRefusal& c = GetParam();
    EXPECT_EQ(testing::MessageOf([&] { EncodeQR(c.Bytes, c.Settings); }), c.Message);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QrRefuses,
    ::testing::Values(
        QrRefusal{std::string(100, 'x'),
                  {TQrLevel::H, 3, false},
                  "too much data for QR Code version 3 at level H: 100 bytes; choose a higher "
                  "version or a lower level"},
        QrRefusal{std::string(3000, 'x'),
                  {TQrLevel::L, 0, false},
                  "too much data for QR Code at level L: 3000 bytes; choose a lower level or "
                  "shorten the data"},
        QrRefusal{std::string(30, 'x'),
                  {TQrLevel::L, 0, true},
                  "too much data for Micro QR Code at level L: 30 bytes; choose a lower level, "
                  "QR Code or shorten the data"},
        QrRefusal{"x",
                  {TQrLevel::M, 41, false},
                  "QR Code has no version 41; choose 0 (automatic) or 1 to 40"},
        QrRefusal{"x",
                  {TQrLevel::M, -1, false},
                  "QR Code has no version -1; choose 0 (automatic) or 1 to 40"},
        QrRefusal{"x",
                  {TQrLevel::M, 5, true},
                  "Micro QR Code has no version M5; choose 0 (automatic) or M1 to M4"},
        QrRefusal{"1",
                  {TQrLevel::M, 1, true},
                  "Micro QR Code version M1 has no level M; choose a lower level or a higher "
                  "version"},
        QrRefusal{"1",
                  {TQrLevel::H, 0, true},
                  "Micro QR Code version M4 has no level H; choose a lower level"},
        QrRefusal{"x",
                  {static_cast<TQrLevel>(4), 0, false},
                  "QR Code has no error correction level 4; choose L, M, Q or H"},
        // One digit past version 40-L's 7089: refused before libqrencode sees its length.
        QrRefusal{std::string(7090, '1'),
                  {TQrLevel::L, 0, false},
                  "too much data for QR Code at level L: 7090 bytes; choose a lower level or "
                  "shorten the data"},
        QrRefusal{"", {TQrLevel::M, 0, false}, "no data to encode; give at least one byte"}));

// Digits go in numeric mode, three to ten bits, where bytes alone would need a larger symbol.
TEST(QrModes, DigitsTakeTheSmallerSymbol) {
    const std::string digits(41, '7');
    EXPECT_EQ(EncodeQR(digits, {TQrLevel::L, 0, false}).Columns, 21);
}

} // namespace
} // namespace quillmark
