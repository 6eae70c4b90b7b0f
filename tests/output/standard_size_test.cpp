// Every symbology as it comes is drawn at the size its standard permits, and a size outside
// it is a finding: the X-dimension, the bar height and the quiet zones.
#include <quillmark/module_grid.h>
#include <quillmark/output_job.h>
#include <quillmark/print_fit.h>
#include <quillmark/standards_check.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quillmark {
namespace {

TBarcodeDescription Base(TBarType Type) {
    TBarcodeDescription d;
    d.Barcode.BarType = Type;
    d.Barcode.TextShow = DefaultTextShow(Type);
    return d;
}

bool Mentions(const std::vector<std::string>& Findings, const std::string& Part) {
    for (const std::string& finding : Findings)
        if (finding.find(Part) != std::string::npos)
            return true;
    return false;
}

std::string Joined(const std::vector<std::string>& Lines) {
    std::string all;
    for (const std::string& line : Lines)
        all += line + "\n";
    return all;
}

TEST(StandardSize, EverySymbologyAsItComesMeetsItsStandardsSize) {
    const struct {
        TBarType Type;
        const char* Value;
    } symbols[] = {
        {bcCode_2_5_interleaved, "12345678"},
        {bcCode_2_5_industrial, "123"},
        {bcCode_2_5_matrix, "123"},
        {bcCode39, "ABC"},
        {bcCode39Extended, "abc"},
        {bcCode128A, "ABC"},
        {bcCode128B, "Abc"},
        {bcCode128C, "1234"},
        {bcCode93, "ABC"},
        {bcCode93Extended, "abc"},
        {bcCodeMSI, "1234"},
        {bcCodePostNet, "12345"},
        {bcCodeCodabar, "1234"},
        {bcCodeEAN8, "9638507"},
        {bcCodeEAN13, "400638133393"},
        {bcCodeUPC_A, "03600029145"},
        {bcCodeUPC_E0, "425261"},
        {bcCodeUPC_E1, "425261"},
        {bcCodeUPC_Supp2, "12"},
        {bcCodeUPC_Supp5, "52495"},
        {bcCodeEAN128A, "1234"},
        {bcCodeEAN128B, "1234"},
        {bcCodeEAN128C, "1234"},
        {bcCode128, "Abc"},
        {bcCodeGS1_128, "(01)09501101530003"},
        {bcCodeQR, "https://example.com/QM-0001"},
        {bcCodeMicroQR, "QM-0001"},
        {bcCodeDataMatrix, "QM-0001"},
        {bcCodeGS1DataMatrix, "(01)09501101530003(10)AB-123"},
        {bcCodeGS1DigitalLinkQR, "(01)09501101530003(10)AB-123"},
        {bcCodeITF14, "0950110153000"},
        {bcCodeDataBar, "0950110153000"},
        {bcCodeDataBarTruncated, "0950110153000"},
        {bcCodeDataBarStacked, "0950110153000"},
        {bcCodeDataBarStackedOmni, "0950110153000"},
        {bcCodeDataBarLimited, "0950110153000"},
        {bcCodeDataBarExpanded, "(01)09501101530003(3103)000123"},
        {bcCodeDataBarExpandedStacked, "(01)09501101530003(3103)000123(10)AB-123"},
        {bcCodeISBN, "978-0-306-40615-7"},
        {bcCodeISMN, "979-0-2600-0043-8"},
        {bcCodeISSN, "0317-8471"},
    };
    static_assert(std::size(symbols) == BarTypeCount);
    for (const auto& s : symbols) {
        for (const int dpi : {203, 300, 600}) {
            TBarcodeDescription base = Base(s.Type);
            base.Dpi = dpi;
            TPreparedSymbol symbol(base, s.Value, TCheckDigits::Auto);
            for (const TFileFormat format : {TFileFormat::Png, TFileFormat::Svg}) {
                const TOutputLayout& layout = symbol.LayoutFor(format);
                const TPrintFit fit = PrintFit(symbol.Description(), layout);
                const std::string report = Joined(ReportLines(fit));
                EXPECT_TRUE(fit.InRange && fit.HeightInRange && fit.ZonesInRange)
                    << BarTypeName(s.Type) << " at " << dpi << " dpi:\n"
                    << report;
                // A grid's zones are measured on all four sides, the standard's on each.
                EXPECT_EQ(fit.Grid, IsDrawnFromGrid(s.Type)) << BarTypeName(s.Type);
                if (fit.Grid) {
                    EXPECT_EQ(fit.AcrossZoneX, BarTypeData(s.Type).QuietZone.Leading)
                        << BarTypeName(s.Type);
                }
                EXPECT_EQ(CheckStandard(symbol.Description(), layout), std::vector<std::string>{})
                    << BarTypeName(s.Type) << " at " << dpi << " dpi";
            }
        }
    }
}

TEST(StandardSize, GS1AndPostNetDefaultsFollowTheirStandards) {
    // GS1-128: the smallest whole-pixel X from 0.495 mm: 6 pixels at 300 dpi (0.508 mm), 4 at
    // 203 dpi (0.500 mm); 31.75 mm bars, 375 rows at 300 dpi.
    TBarcodeDescription gs1 = Base(bcCodeGS1_128);
    gs1.Barcode.BarCode = "(01)09501101530003";
    EXPECT_EQ(RasterModul(gs1), 6);
    EXPECT_EQ(RasterLayout(gs1).BarRows, 375);
    gs1.Dpi = 203;
    EXPECT_EQ(RasterModul(gs1), 4);

    // PostNet (USPS Publication 25): bars 0.020 in, a bar and space pitch of 0.045 to
    // 0.050 in, full bars 0.125 in and half bars 0.050 in.
    TBarcodeDescription postnet = Base(bcCodePostNet);
    postnet.Barcode.BarCode = "123455";
    for (const int dpi : {203, 300, 600}) {
        postnet.Dpi = dpi;
        const TOutputLayout layout = RasterLayout(postnet);
        const double inch = 1.0 / dpi;
        const double pitch = (layout.Symbol.Widths.Narrow + layout.Symbol.Widths.Wide) * inch;
        EXPECT_NEAR(layout.Symbol.Widths.Narrow * inch, 0.020, 0.0025) << dpi;
        EXPECT_GE(pitch, 0.045) << dpi;
        EXPECT_LE(pitch, 0.050) << dpi;
        EXPECT_NEAR(layout.BarRows * inch, 0.125, inch) << dpi;
    }
}

TEST(StandardSize, GridsDefaultToGS1sTargetOnWholePixels) {
    // GS1's 0.495 mm for its grids at retail point of sale, and for the plain ones too: the
    // nearest whole pixels, inside 0.396-0.990 mm.
    const struct {
        int Dpi;
        int Pixels;
    } resolutions[] = {{203, 4}, {300, 6}, {600, 12}};
    for (const TBarType type :
         {bcCodeQR, bcCodeMicroQR, bcCodeDataMatrix, bcCodeGS1DataMatrix, bcCodeGS1DigitalLinkQR})
        for (const auto& r : resolutions) {
            TBarcodeDescription d = Base(type);
            d.Dpi = r.Dpi;
            EXPECT_EQ(RasterModul(d), r.Pixels) << BarTypeName(type) << " at " << r.Dpi;
            EXPECT_EQ(d.Barcode.TextShow, tsNone) << BarTypeName(type);
        }
}

TEST(StandardSize, SizesOutsideTheStandardAreFindings) {
    const struct {
        TBarType Type;
        const char* Value;
        double XMM;
        double HeightMM;
        std::optional<int> QuietZone;
        const char* Finding;
    } cases[] = {
        // 0.2 mm at 300 dpi is 2 pixels: 0.169 mm.
        {bcCodeEAN13, "4006381333931", 0.2, 0, std::nullopt,
         "The X-dimension 0.169 mm is outside the 0.264-0.660 mm that GS1 symbol table for "
         "retail point of sale permits for EAN13."},
        // EAN-13's first digit stands in its leading zone, which the picture keeps.
        {bcCodeEAN13, "4006381333931", 0, 0, 0,
         "and 0X; EAN13 needs at least 11X before the bars and 7X after them."},
        {bcCode128B, "Abc", 0, 0, 5, "Code128B needs at least 10X before the bars"},
        // 15 mm at 300 dpi: 177 rows, 14.99 mm.
        {bcCodeGS1_128, "(01)09501101530003", 0, 15, std::nullopt,
         "The bar height 14.99 mm is outside the 31.75 mm or more that GS1 symbol table for "
         "general distribution asks for GS1-128."},
        {bcCodeEAN128B, "1234", 0.339, 0, std::nullopt, "The X-dimension 0.339 mm is outside"},
        {bcCodePostNet, "123455", 0, 10, std::nullopt, "outside the 2.92-3.43 mm"},
        {bcCodeEAN8, "96385074", 0, 12, std::nullopt, "outside the 14.58 mm or more"},
    };
    for (const auto& c : cases) {
        TBarcodeDescription d = Base(c.Type);
        d.XDimensionMM = c.XMM;
        d.BarHeightMM = c.HeightMM;
        d.QuietZone = c.QuietZone;
        TPreparedSymbol symbol(d, c.Value, TCheckDigits::Auto);
        const std::vector<std::string> findings = symbol.Findings(TFileFormat::Png);
        EXPECT_TRUE(Mentions(findings, c.Finding)) << c.Finding << "\n" << Joined(findings);
    }
}

TEST(StandardSize, TheReportGivesTheBarHeightAgainstTheStandard) {
    TBarcodeDescription d = Base(bcCodeGS1_128);
    d.BarHeightMM = 15;
    d.Barcode.BarCode = "(01)09501101530003";
    EXPECT_EQ(ReportLines(PrintFit(d, VectorLayout(d))).back(),
              "bar height: 15.00 mm (standard at least 31.75 mm, outside it)");
    d.Barcode.BarType = bcCode39;
    d.Barcode.BarCode = "ABC";
    EXPECT_EQ(ReportLines(PrintFit(d, VectorLayout(d))).back(), "bar height: 15.00 mm");
}

TEST(StandardSize, LenientDrawsAWrongCheckDigitAndAnEmptyValueIsRefused) {
    const TBarcodeDescription ean = Base(bcCodeEAN13);
    EXPECT_THROW(TPreparedSymbol(ean, "4006381333932", TCheckDigits::Auto), Exception);
    TPreparedSymbol lenient(ean, "4006381333932", TCheckDigits::Auto, true);
    EXPECT_EQ(lenient.Description().Barcode.BarCode, "4006381333932");
    EXPECT_TRUE(Mentions(lenient.Findings(TFileFormat::Png), "should be 1, not 2"));

    for (const TBarType type : {bcCode128B, bcCode39, bcCodeGS1_128}) {
        try {
            TPreparedSymbol empty(Base(type), "", TCheckDigits::Auto);
            ADD_FAILURE() << BarTypeName(type) << ": an empty value was taken";
        } catch (const Exception& error) {
            EXPECT_NE(std::string(error.what()).find("The value is empty"), std::string::npos)
                << error.what();
        }
    }
}

} // namespace
} // namespace quillmark
