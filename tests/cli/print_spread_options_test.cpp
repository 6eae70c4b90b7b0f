// --bg none, --bwr and --gain read as their help says, and refused with what to write.
#include "parse_options.h"

#include <gtest/gtest.h>

namespace quillmark::cli {
namespace {

TEST(PrintSpreadOptions, EachSetsWhatItNames) {
    const struct {
        std::vector<std::string> Options;
        bool Transparent;
        double MM;
        int Dots;
        double GainMM;
    } cases[] = {
        {{"--bg", "none"}, true, 0, 0, 0},
        {{"--bg", "transparent"}, true, 0, 0, 0},
        {{"--bg", "none", "--bg", "#FF0000"}, false, 0, 0, 0}, // the last one given
        {{"--bwr", "0.05mm"}, false, 0.05, 0, 0},
        {{"--bwr", "0.05"}, false, 0.05, 0, 0},
        {{"--bwr", "1dot"}, false, 0, 1, 0},
        {{"--bwr", "2dots", "--report", "--gain", "0.08mm"}, false, 0, 2, 0.08},
        {{"--report", "--gain", "-0.02"}, false, 0, 0, -0.02},
    };
    for (const auto& c : cases) {
        const TOptions o = Parse(c.Options);
        EXPECT_EQ(o.Description.Transparent, c.Transparent) << c.Options[1];
        EXPECT_EQ(o.Description.BarWidthReductionMM, c.MM) << c.Options[1];
        EXPECT_EQ(o.Description.BarWidthReductionDots, c.Dots) << c.Options[1];
        EXPECT_EQ(o.GainMM, c.GainMM) << c.Options[1];
    }
}

TEST(PrintSpreadOptions, RefusedSayingWhatToWrite) {
    const struct {
        std::vector<std::string> Options;
        const char* Message;
    } cases[] = {
        {{"--bwr", "thin"}, "not a length; write millimetres, as 0.05mm or 0.05"},
        {{"--bwr", "-0.1mm"}, "out of range (0 to 100 mm)"},
        {{"--bwr", "1.5dots"}, "write a whole number from 0 to 10000, as 1dot or 2dots"},
        {{"--gain", "0.05mm"}, "--gain changes only the report's decodability; add --report"},
        {{"--type", "qr", "--bwr", "1dot"},
         "--bwr applies to the one-dimensional symbologies, not to QR Code"},
        {{"--bg", "clear"}, "not a colour"},
    };
    for (const auto& c : cases)
        ExpectRefused(c.Options, c.Message);
}

} // namespace
} // namespace quillmark::cli
