// Decodability against the formula worked by hand: element widths moved off their design
// by a known amount, in the (n, k) and the two-width symbologies.
#include <quillmark/decodability.h>
#include <quillmark/module_runs.h>

#include <gtest/gtest.h>

namespace quillmark {
namespace {

std::vector<double> Widths(TBarType Type, const char* Value, int Modul, double Ratio = 2.0) {
    const TSymbol symbol = MakeSymbol(Type, Value, Modul, Ratio, csNone);
    std::vector<double> widths;
    for (const TModuleRun& run : ModuleRuns(symbol.Pattern, symbol.Widths))
        widths.push_back(run.Width);
    return widths;
}

TEST(Decodability, WorkedByHand) {
    struct Case {
        const char* Name;
        TBarType Type;
        const char* Value;
        int Modul;
        double Ratio;
        std::size_t Element; // moved by Shift modules, its neighbour the other way
        double Shift;
        bool Neighbour;
        double Expected;
    };
    const Case cases[] = {
        // On their design: every distance on a whole module.
        {"Code 128 exact", bcCode128B, "Hi", 1, 2.0, 0, 0, false, 1.0},
        {"EAN-13 exact", bcCodeEAN13, "4006381333931", 3, 2.0, 0, 0, false, 1.0},
        {"Code 39 exact", bcCode39, "A", 2, 2.5, 0, 0, false, 1.0},
        // The first data character's bar 0.2 module wider, its space as much narrower: p and
        // e1 stay, e2 = s1 + b2 is 0.2 module off, of the half module to its threshold.
        {"Code 128 b1 +0.2", bcCode128B, "Hi", 1, 2.0, 6, 0.2, true, 1 - 0.2 / 0.5},
        // A right-half EAN-13 character (element 32) the same way by 0.3 module (3 pixels
        // a module): e2 off by 0.3 of 0.5.
        {"EAN-13 +0.3", bcCodeEAN13, "4006381333931", 3, 2.0, 32, 0.9, true, 1 - 0.3 / 0.5},
        // Code 39's start character's first wide element (element 1, 5 pixels) drawn at 4:
        // narrow mean 2, wide mean 44/9, threshold 31/9, margin 4 - 31/9 = 5/9 of 13/9.
        {"Code 39 one wide short", bcCode39, "A", 2, 2.5, 1, -1, false, 5.0 / 13.0},
    };
    for (const Case& c : cases) {
        std::vector<double> widths = Widths(c.Type, c.Value, c.Modul, c.Ratio);
        widths[c.Element] += c.Shift;
        if (c.Neighbour)
            widths[c.Element + 1] -= c.Shift;
        const std::optional<double> v = Decodability(c.Type, widths);
        ASSERT_TRUE(v) << c.Name;
        EXPECT_NEAR(*v, c.Expected, 1e-9) << c.Name;
    }
    EXPECT_FALSE(Decodability(bcCodePostNet, Widths(bcCodePostNet, "12345", 2)));
}

TEST(Decodability, GradesByTheStandardsBounds) {
    const std::pair<double, char> cases[] = {{1.0, 'A'},  {0.62, 'A'},  {0.619, 'B'}, {0.50, 'B'},
                                             {0.37, 'C'}, {0.369, 'D'}, {0.25, 'D'},  {0.2, 'F'}};
    for (const auto& [value, grade] : cases)
        EXPECT_EQ(DecodabilityGrade(value), grade) << value;
}

} // namespace
} // namespace quillmark
