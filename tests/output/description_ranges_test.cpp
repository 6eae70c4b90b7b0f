// The sizes a description accepts: each bound is taken, and a size past it is refused with
// the range it left.
#include <quillmark/layout.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace quillmark {
namespace {

// The range refusal a vector layout of D raises, or "" where it raises none.
std::string RangeRefusal(const TBarcodeDescription& D) {
    try {
        VectorLayout(D);
    } catch (const Exception& e) {
        const std::string said = e.what();
        if (said.find("out of range") != std::string::npos)
            return said;
    }
    return {};
}

TEST(DescriptionRanges, EachBoundIsTakenAndPastItRefused) {
    using TSet = std::function<void(TBarcodeDescription&, double)>;
    const TSet x = [](TBarcodeDescription& D, double V) { D.XDimensionMM = V; };
    const TSet height = [](TBarcodeDescription& D, double V) { D.BarHeightMM = V; };
    const TSet dpi = [](TBarcodeDescription& D, double V) { D.Dpi = static_cast<int>(V); };
    const TSet font = [](TBarcodeDescription& D, double V) { D.FontSizePt = V; };
    const TSet zone = [](TBarcodeDescription& D, double V) { D.QuietZone = static_cast<int>(V); };
    const struct {
        TSet Set;
        double Low;
        double High;
        double Step; // past a bound by this much
        const char* Refusal;
    } cases[] = {
        {x, MinXDimensionMM, MaxXDimensionMM, 0.001, "X-dimension out of range (0.01 to 100 mm)."},
        {height, 0, MaxBarHeightMM, 0.5, "Bar height out of range (0 to 5000 mm)."},
        {dpi, MinDpi, MaxDpi, 1, "Resolution out of range (1 to 10000 dpi)."},
        {font, MinFontSizePt, MaxFontSizePt, 0.01, "Font size out of range (0.1 to 1000 pt)."},
        {zone, 0, MaxQuietZoneX, 1, "Quiet zone out of range (0 to 1000 X)."},
    };
    for (const auto& c : cases) {
        for (const double taken : {c.Low, c.High}) {
            TBarcodeDescription d;
            c.Set(d, taken);
            EXPECT_EQ(RangeRefusal(d), "") << c.Refusal << " at " << taken;
        }
        for (const double past : {c.Low - c.Step, c.High + c.Step}) {
            TBarcodeDescription d;
            c.Set(d, past);
            EXPECT_NE(RangeRefusal(d).find(c.Refusal), std::string::npos)
                << RangeRefusal(d) << " at " << past;
        }
    }
}

} // namespace
} // namespace quillmark
