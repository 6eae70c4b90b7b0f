// ITF-14, GS1 DataBar and the book numbers from the command line: the bearer and segment
// options set what they name and are refused where they don't apply, and every type writes
// a PNG that --verify reads back.
#include "cli_run.h"
#include "parse_options.h"

#include <QFileInfo>

#include <tuple>

#include <gtest/gtest.h>

namespace quillmark::cli {
namespace {

constexpr const char* Gtin = "0950110153000";
constexpr const char* Elements = "(01)09501101530003(17)260101(10)AB-123(21)QUILLMARK";

// The refusals are rows of MatrixOptions.RefusedSayingWhatToChange.
TEST(RowsOptions, EachSetsWhatItNames) {
    using enum TITF14Bearers;
    constexpr int Modules = ITF14BearerDefaultModules;
    constexpr int Segments = ExpandedSegmentsDefault;
    const struct {
        std::vector<std::string> Options;
        std::tuple<TITF14Bearers, int, int> Read; // bearers, their modules, segments
    } cases[] = {
        // The bars that draw ITF-14 take a height.
        {{"--type", "itf14", "--bearer", "bars", "--height", "20"},
         {TopAndBottom, Modules, Segments}},
        {{"--type", "itf14", "--bearer", "none", "--bearer-width", "3"}, {None, 3, Segments}},
        // Millimetres at the X in use, rounded (1.6 / 0.5 = 3.2), whichever option comes first.
        {{"--bearer-width", "1.6mm", "--type", "itf14", "--xdim", "0.5"}, {Frame, 3, Segments}},
        {{"--type", "databar-expanded-stacked", "--segments", "22"}, {Frame, Modules, 22}},
    };
    for (const auto& c : cases) {
        const TSymbolLook look = Parse(c.Options).Description.Barcode;
        EXPECT_EQ(std::tuple(look.Bearers, look.BearerModules, look.Matrix.DataBarSegments), c.Read)
            << c.Options.back();
    }
}

using RowsRun = testing::CliTest;

// Each type written as a PNG and read back; GS1 DataBar Limited, which zxing-cpp doesn't
// read, is written with the warning that says so.
TEST_F(RowsRun, EachTypeWritesAPngThatVerifies) {
    const struct {
        QStringList Arguments;
        bool Unverified;
    } cases[] = {
        {{"--type", "itf14", Gtin}, false},
        {{"--type", "itf14", "--bearer", "bars", "--bearer-width", "3mm", "09501101530003"}, false},
        {{"--type", "databar", Gtin}, false},
        {{"--type", "databar-truncated", "(01)09501101530003"}, false},
        {{"--type", "databar-stacked", Gtin}, false},
        {{"--type", "databar-stacked-omni", "--rotate", "270", Gtin}, false},
        {{"--type", "databar-limited", Gtin}, true},
        {{"--type", "databar-expanded", Elements}, false},
        {{"--type", "databar-expanded-stacked", "--segments", "2", Elements}, false},
        // With an add-on the reader says ]E3.
        {{"--type", "isbn", "978-0-306-40615-7+51299"}, false},
        {{"--type", "ismn", "979-0-2600-0043-8"}, false},
        {{"--type", "issn", "0317-8471"}, false},
    };
    int written = 0;
    for (const auto& c : cases) {
        const QString file = Path(QString::number(++written) + ".png");
        const testing::CliRun run = Run(c.Arguments + QStringList{"--verify", "-o", file});
        const std::string said = c.Arguments.join(' ').toStdString() + ": " + run.Err.toStdString();
        EXPECT_EQ(run.ExitCode, 0) << said;
        EXPECT_EQ(said.find("written unverified") != std::string::npos, c.Unverified) << said;
        EXPECT_GT(QFileInfo(file).size(), 0) << said;
    }
}

TEST_F(RowsRun, BatchTakesTheOptions) {
    const testing::CliRun run = Run({"--type", "databar-expanded-stacked", "--segments", "6",
                                     "--verify", "--batch", "-", "-o", "{n}.svg"},
                                    QByteArray(Elements) + "\n(01)09501101530003(10)B-2\n");
    EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    EXPECT_EQ(Files(), (QStringList{"1.svg", "2.svg"}));
}

} // namespace
} // namespace quillmark::cli
