// Random values of every two-dimensional type read back exactly with zxing-cpp from PNG, and
// from SVG and PDF rasterised in batches: the bytes the symbol carries and its symbology.
#include "files_fixture.h"
#include "matrix_reading.h"
#include "random_gs1.h"
#include <quillmark/file_formats.h>
#include <quillmark/files.h>
#include <quillmark/layout.h>

#include <QDir>
#include <QImage>

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>
#include <vector>

namespace quillmark {
namespace {

constexpr int ReadBackSamples = 2000;

// Latin-1 bytes of any value, with runs of digits and capitals so that the encoders switch
// modes.
std::string RandomLatin1(std::mt19937& Random, std::size_t Longest) {
    std::string value(1 + Random() % Longest, '\0');
    for (char& c : value) {
        const unsigned kind = Random() % 3;
        c = static_cast<char>(kind == 0   ? '0' + Random() % 10
                              : kind == 1 ? 'A' + Random() % 26
                                          : Random() % 256);
    }
    return value;
}

struct ReadBack {
    TBarType Type;
    const char* Identifier; // the symbology identifier zxing gives
    std::function<std::string(std::mt19937&)> Value;
};

void PrintTo(const ReadBack& R, std::ostream* Out) {
    *Out << BarTypeName(R.Type);
}

const ReadBack ReadBackTypes[] = {
    {bcCodeQR, "]Q1", [](std::mt19937& R) { return RandomLatin1(R, 80); }},
    // M4 at level M holds 13 bytes.
    {bcCodeMicroQR, "]Q1", [](std::mt19937& R) { return RandomLatin1(R, 12); }},
    {bcCodeDataMatrix, "]d1", [](std::mt19937& R) { return RandomLatin1(R, 80); }},
    {bcCodeGS1DataMatrix, "]d2", testing::RandomGS1ElementString},
    {bcCodeGS1DigitalLinkQR, "]Q1", testing::RandomGS1ElementString},
};

class GridReadBack : public Files, public ::testing::WithParamInterface<ReadBack> {
protected:
    // The samples' descriptions and the bytes each carries.
    void SetUp() override {
        std::mt19937 random(20261210 + static_cast<unsigned>(GetParam().Type));
        for (int i = 0; i < ReadBackSamples; ++i) {
            TBarcodeDescription d;
            d.Barcode.BarType = GetParam().Type;
            d.Barcode.BarCode = GetParam().Value(random);
            d.Barcode.TextShow = DefaultTextShow(GetParam().Type);
            d.XDimensionMM = testing::SharpXMM;
            descriptions.push_back(d);
        }
    }
    void Expect(const QImage& Image, int Sample, const std::string& Carried) {
        const auto reading = testing::ReadMatrix(Image);
        ASSERT_TRUE(reading) << "sample " << Sample;
        EXPECT_EQ(reading->Bytes, Carried) << "sample " << Sample;
        EXPECT_EQ(reading->SymbologyId, GetParam().Identifier) << "sample " << Sample;
    }
    // Every sample's SVG or PDF file bound into one PDF, a page each, rasterised at once:
    // a few processes for all the samples.
    void ExpectFiles(TFileFormat Format) {
        std::vector<TOutputLayout> layouts;
        for (const TBarcodeDescription& d : descriptions)
            layouts.push_back(VectorLayout(d));
        const std::vector<QImage> pages = RasterisedPages(layouts, Format == TFileFormat::Svg, 150);
        for (int i = 0; i < ReadBackSamples; ++i) {
            const auto at = static_cast<std::size_t>(i);
            Expect(pages[at], i, *layouts[at].Value->Carried().Data);
        }
    }
    std::vector<TBarcodeDescription> descriptions;
};

TEST_P(GridReadBack, FromPng) {
    for (int i = 0; i < ReadBackSamples; ++i) {
        const TOutputLayout layout = RasterLayout(descriptions[static_cast<std::size_t>(i)]);
        Expect(QImage::fromData(RenderPng(layout), "PNG"), i, *layout.Value->Carried().Data);
    }
}

TEST_P(GridReadBack, FromSvg) {
    ExpectFiles(TFileFormat::Svg);
}

TEST_P(GridReadBack, FromPdf) {
    ExpectFiles(TFileFormat::Pdf);
}

INSTANTIATE_TEST_SUITE_P(ReadBackTypes, GridReadBack, ::testing::ValuesIn(ReadBackTypes),
                         [](const auto& Info) {
                             return std::string(BarTypeData(Info.param.Type).Identifier);
                         });

} // namespace
} // namespace quillmark
