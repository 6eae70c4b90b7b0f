// Random values of ITF-14 and the GS1 DataBar forms zxing-cpp reads come back from PNG, and
// from SVG and PDF rasterised in one batch: what the symbol carries, as zxing gives it, and
// the symbology identifier.
#include "files_fixture.h"
#include "matrix_reading.h"
#include "random_gs1.h"
#include <quillmark/files.h>
#include <quillmark/layout.h>
#include <quillmark/matrix.h>

#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace quillmark {
namespace {

constexpr int Samples = 40;

std::string RandomDigits(std::mt19937& Random, int Count) {
    std::string digits;
    for (int i = 0; i < Count; ++i)
        digits += static_cast<char>('0' + Random() % 10);
    return digits;
}

// A GTIN as people type it: 13 digits, the check digit left to the symbol.
std::string RandomGtin(std::mt19937& Random) {
    return RandomDigits(Random, 13);
}

// Element strings GS1 DataBar Expanded holds: the random ones within its capacity.
std::string RandomExpandedValue(std::mt19937& Random) {
    for (int tries = 0; tries < 1000; ++tries) {
        std::string value = testing::RandomGS1ElementString(Random);
        try {
            MakeSymbolValue(bcCodeDataBarExpanded, value, csNone)->Symbol(1, 2.0);
            return value;
        } catch (const Exception&) {
        }
    }
    return "(01)09501101530003(3103)000123";
}

enum class TReads { Carried, WithoutAI01, Printed };

struct RowsReadBack {
    TBarType Type;
    const char* Identifier; // the symbology identifier zxing gives
    std::function<std::string(std::mt19937&)> Value;
    // What zxing-cpp 1.4 gives of what the symbol carries: the GTIN forms' 14 digits without
    // the AI (01); Expanded's element strings with the AIs in parentheses, as printed.
    TReads Reads = TReads::Carried;
};

void PrintTo(const RowsReadBack& R, std::ostream* Out) {
    *Out << BarTypeName(R.Type);
}

const RowsReadBack RowsTypes[] = {
    {bcCodeITF14, "]I1", RandomGtin},
    {bcCodeDataBar, "]e0", RandomGtin, TReads::WithoutAI01},
    {bcCodeDataBarTruncated, "]e0", RandomGtin, TReads::WithoutAI01},
    {bcCodeDataBarStacked, "]e0", RandomGtin, TReads::WithoutAI01},
    {bcCodeDataBarStackedOmni, "]e0", RandomGtin, TReads::WithoutAI01},
    {bcCodeDataBarExpanded, "]e0", RandomExpandedValue, TReads::Printed},
};

// The one linear symbol in Image, as zxing reads it.
std::optional<testing::TMatrixReading> ReadRows(const QImage& Image) {
    return testing::ReadSymbolOf(Image,
                                 ZXing::BarcodeFormat::ITF | ZXing::BarcodeFormat::DataBar |
                                     ZXing::BarcodeFormat::DataBarExpanded,
                                 false);
}

class RowsFiles : public Files, public ::testing::WithParamInterface<RowsReadBack> {
protected:
    void SetUp() override {
        std::mt19937 random(20261210 + static_cast<unsigned>(GetParam().Type));
        for (int i = 0; i < Samples; ++i) {
            TBarcodeDescription d;
            d.Barcode.BarType = GetParam().Type;
            d.Barcode.BarCode = GetParam().Value(random);
            d.Barcode.TextShow = DefaultTextShow(GetParam().Type);
            descriptions.push_back(d);
        }
    }
    // What zxing should read of Layout's symbol.
    static std::string Expected(const TOutputLayout& Layout) {
        const std::string carried = *Layout.Value->Carried().Data;
        switch (GetParam().Reads) {
        case TReads::WithoutAI01:
            EXPECT_TRUE(carried.starts_with("01")) << carried;
            return carried.substr(2);
        case TReads::Printed:
            return Layout.Symbol.Text;
        default:
            return carried;
        }
    }
    void Expect(const QImage& Image, int Sample, const std::string& Carried) {
        const std::optional<testing::TMatrixReading> reading = ReadRows(Image);
        ASSERT_TRUE(reading) << "sample " << Sample << ": " << Carried;
        EXPECT_EQ(reading->Bytes, Carried) << "sample " << Sample;
        EXPECT_EQ(reading->SymbologyId, GetParam().Identifier) << "sample " << Sample;
    }
    // Every sample's file bound into one PDF, a page each, rasterised at once.
    void ExpectFiles(TFileFormat Format) {
        std::vector<TOutputLayout> layouts;
        for (const TBarcodeDescription& d : descriptions)
            layouts.push_back(VectorLayout(d));
        const std::vector<QImage> pages = RasterisedPages(layouts, Format == TFileFormat::Svg, 300);
        for (int i = 0; i < Samples; ++i) {
            const auto at = static_cast<std::size_t>(i);
            Expect(pages[at], i, Expected(layouts[at]));
        }
    }
    std::vector<TBarcodeDescription> descriptions;
};

TEST_P(RowsFiles, ReadBackFromPng) {
    for (int i = 0; i < Samples; ++i) {
        const TOutputLayout layout = RasterLayout(descriptions[static_cast<std::size_t>(i)]);
        Expect(QImage::fromData(RenderPng(layout), "PNG"), i, Expected(layout));
    }
}

TEST_P(RowsFiles, ReadBackFromSvg) {
    ExpectFiles(TFileFormat::Svg);
}

TEST_P(RowsFiles, ReadBackFromPdf) {
    ExpectFiles(TFileFormat::Pdf);
}

INSTANTIATE_TEST_SUITE_P(RowsTypes, RowsFiles, ::testing::ValuesIn(RowsTypes),
                         [](const auto& Info) {
                             return std::string(BarTypeData(Info.param.Type).Identifier);
                         });

} // namespace
} // namespace quillmark
