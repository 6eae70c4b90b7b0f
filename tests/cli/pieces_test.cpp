// The command line's pieces by themselves: templates, bytes, lines, progress.
#include "arguments.h"
#include "line_reader.h"
#include "name_template.h"
#include "progress.h"
#include "text_bytes.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace quillmark::cli {
namespace {

TEST(NameTemplates, ExpandAndKnowWhenNamesAreUnique) {
    const struct {
        const char* Template;
        std::uint64_t Line;
        const char* Value;
        const char* Name;
        bool Unique;
    } cases[] = {
        {"out/{n}.png", 7, "x", "out/7.png", true},
        {"{n:05}-{value}.svg", 42, "a b/\xE9", "00042-a_b__.svg", true},
        {"{value}.pdf", 1, "..", "__.pdf", false},
        {"{n}{value}.png", 1, "23", "123.png", false},
        {"{value}-{n}.png", 3, "A.b", "A.b-3.png", false},
        {"{{n}}-{n}.png", 3, "x", "{n}-3.png", true},
    };
    for (const auto& c : cases) {
        const TNameTemplate names(c.Template);
        EXPECT_EQ(names.Expand(c.Line, c.Value), c.Name) << c.Template;
        EXPECT_EQ(names.NamesAreUnique(), c.Unique) << c.Template;
    }
    EXPECT_EQ(TNameTemplate("a/b/{n}.png").Folder(), "a/b");
    EXPECT_FALSE(TNameTemplate("{value}/{n}.png").HasFixedFolder());
    for (const char* bad : {"{x}.png", "{n.png", "n}.png", "{n:5}.png"})
        EXPECT_THROW(TNameTemplate{bad}, UsageError) << bad;
}

TEST(TextBytes, ValuesFromInputAndMessagesForATerminal) {
    EXPECT_EQ(ValueFromInput("caf\xC3\xA9"), "caf\xE9");      // UTF-8 within Latin-1
    EXPECT_THROW(ValueFromInput("\xE2\x82\xAC"), ENotLatin1); // the euro sign: no symbol has it
    EXPECT_EQ(ValueFromInput("caf\xE9"), "caf\xE9");          // not UTF-8: raw bytes
    EXPECT_EQ(ValueFromInput("\xC0\xAF"), "\xC0\xAF");        // overlong: raw bytes
    EXPECT_EQ(Latin1ForTerminal("caf\xE9\x01\x9B"), "caf\xC3\xA9\\x01\\x9B");
    EXPECT_EQ(Utf8ForTerminal("a\xFF\xC3\xA9\x1B["), "a\\xFF\xC3\xA9\\x1B[");
    EXPECT_EQ(WithValueShortened("V : Bad.", "V"), "V : Bad.");
    const std::string value(100, 'x');
    EXPECT_EQ(WithValueShortened(value + " : Bad.", value),
              std::string(40, 'x') + "... (100 bytes) : Bad.");
}

TEST(LineReader, DropsCarriageReturnsAndRefusesLongLinesUnheld) {
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    const std::string input = "a\r\n\nb\n" + std::string(25, 'x') + "\nlast";
    ASSERT_EQ(write(ends[1], input.data(), input.size()), static_cast<ssize_t>(input.size()));
    close(ends[1]);
    TLineReader reader(ends[0], 10);
    std::vector<std::string> seen;
    for (TLine line; reader.Next(line);)
        seen.push_back(std::to_string(line.Number) + ":" +
                       (line.TooLong ? "long " + std::to_string(line.Length) : line.Text));
    close(ends[0]);
    EXPECT_EQ(seen, (std::vector<std::string>{"1:a", "2:", "3:b", "4:long 25", "5:last"}));
}

// The progress total counts the lines a batch draws: not empty ones, nor white space alone.
TEST(LineReader, CountsLinesThatHoldAValue) {
    const std::pair<std::string, std::uint64_t> cases[] = {
        {"a\n\nb", 2}, {"a\r\n\r\n \t\n\v\f\n", 1}, {" x \n", 1}, {"", 0}, {"  ", 0}};
    for (const auto& [input, count] : cases) {
        FILE* file = tmpfile();
        ASSERT_NE(file, nullptr);
        ASSERT_EQ(fwrite(input.data(), 1, input.size(), file), input.size());
        fflush(file);
        rewind(file);
        EXPECT_EQ(CountValueLines(fileno(file)), count) << input;
        fclose(file);
    }
}

TEST(Progress, CountRateAndTimeLeft) {
    EXPECT_EQ(ProgressText(1200, 10000, 0.5), "1200/10000  2400/s  0:04 left");
    EXPECT_EQ(ProgressText(5, std::nullopt, 1), "5  5/s");
}

} // namespace
} // namespace quillmark::cli
