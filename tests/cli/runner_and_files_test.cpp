// Ordered results from many threads, and options read into settings.
#include "arguments.h"
#include "ordered_runner.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace quillmark::cli {
namespace {

TEST(OrderedRunner, ReportsInSubmissionOrderWhateverFinishesFirst) {
    std::vector<std::uint64_t> reported;
    std::promise<void> lastDone;
    std::shared_future<void> lastDoneSeen = lastDone.get_future().share();
    {
        TOrderedRunner runner(4, [&](std::uint64_t Line, const TSymbolOutcome& Outcome) {
            reported.push_back(Line);
            EXPECT_EQ(Outcome.Messages.front().Text, std::to_string(Line));
        });
        for (std::uint64_t line = 1; line <= 6; ++line)
            runner.Submit(line, [line, &lastDone, lastDoneSeen] {
                // The first line can only finish after the last one has.
                if (line == 1)
                    lastDoneSeen.wait();
                if (line == 6)
                    lastDone.set_value();
                return TSymbolOutcome{{{false, std::to_string(line)}}, false};
            });
        runner.Finish();
    }
    EXPECT_EQ(reported, (std::vector<std::uint64_t>{1, 2, 3, 4, 5, 6}));
}

TEST(Arguments, EveryOptionReachesItsSetting) {
    const TOptions o = ParseArguments(
        {"--type=itf",   "--checksum", "mod10",        "--ratio",     "2.25",
         "--rotate",     "90",         "--text",       "both",        "--text-position",
         "top-right",    "--font",     "DejaVu Serif", "--font-size", "10",
         "--fg",         "#102030",    "--bg",         "#FFEEDD",     "--xdim",
         "0.5",          "--dpi",      "600",          "--height",    "20",
         "--quiet-zone", "off",        "-j3",          "-q",          "--verify",
         "--strict",     "-o",         "x.pdf",        "--",          "-12"});
    const TSymbolLook& b = o.Description.Barcode;
    EXPECT_EQ(b.BarType, bcCode_2_5_interleaved);
    EXPECT_EQ(o.CheckDigits, TCheckDigits::Mod10);
    EXPECT_EQ(b.Ratio, 2.25);
    EXPECT_EQ(b.Orientation, toBottomTop); // 90 degrees counter-clockwise
    EXPECT_EQ(b.TextShow, tsBoth);
    EXPECT_EQ(b.TextPosition, tpTopRight);
    EXPECT_EQ(o.Description.Font.family(), QStringLiteral("DejaVu Serif"));
    EXPECT_EQ(o.Description.FontSizePt, 10);
    // Colours keep red in the lowest byte; the text box follows the background.
    EXPECT_EQ(b.ColorBar, 0x302010);
    EXPECT_EQ(o.Description.FontColor, 0x302010);
    EXPECT_EQ(b.ColorSpc, 0xDDEEFF);
    EXPECT_EQ(b.TextColor, 0xDDEEFF);
    EXPECT_EQ(o.Description.XDimensionMM, 0.5);
    EXPECT_EQ(o.Description.Dpi, 600);
    EXPECT_EQ(o.Description.BarHeightMM, 20);
    EXPECT_EQ(o.Description.QuietZone, 0);
    EXPECT_EQ(o.Jobs, 3);
    EXPECT_TRUE(o.Quiet && o.Verify && o.Strict);
    EXPECT_EQ(o.Value, "-12");
    EXPECT_EQ(OutputFormat(o), TFileFormat::Pdf);

    const TOptions defaults =
        ParseArguments({"--text-bg", "#000000", "--bg", "#FFFF00", "v", "-o", "v.png"});
    EXPECT_EQ(defaults.Description.Barcode.TextColor, clBlack);
    EXPECT_EQ(defaults.Description.Barcode.BarType, bcCode128B);
    EXPECT_EQ(defaults.CheckDigits, TCheckDigits::Auto);
    EXPECT_FALSE(defaults.Description.QuietZone);
}

} // namespace
} // namespace quillmark::cli
