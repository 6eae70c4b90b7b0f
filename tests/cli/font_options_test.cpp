// --font and --font-size as a user gives them: every size the option takes is drawn in every
// vector format, a raster too small for its text says so, and a missing family is replaced
// in the file as the warning says.
#include "cli_run.h"

#include <QFile>
#include <QRegularExpression>

namespace quillmark::testing {
namespace {

class FontOptions : public CliTest {};

TEST_F(FontOptions, EverySizeTakenIsDrawnOrTheTextBlamed) {
    const struct {
        QStringList Arguments;
        int ExitCode;
        const char* Said; // in stderr; nullptr: nothing
    } cases[] = {
        {{"--font-size", "613", "Quill", "-o", "a.svg"}, 0, nullptr},
        {{"--font-size", "614", "Quill", "-o", "b.svg"}, 0, nullptr},
        {{"--font-size", "1000", "Quill", "-o", "c.pdf"}, 0, nullptr},
        // Drawn, with the X-dimension below Code 128's standard as a warning.
        {{"--font-size", "1000", "--xdim", "0.03", "Quill", "-o", "d.svg"},
         0,
         "warning: The X-dimension 0.030 mm is outside"},
        {{"--font-size", "1000", "--type", "ean13", "400638133393", "-o", "e.pdf"}, 0, nullptr},
        {{"--font-size", "1000", "Quill", "-o", "f.png"},
         1,
         "1000 pt : Text too large to draw; choose a smaller font size."},
        {{"--font-size", "1001", "Quill", "-o", "g.svg"}, 2, "out of range (0.1 to 1000)"},
        {{"--font-size", "0.05", "Quill", "-o", "h.svg"}, 2, "out of range (0.1 to 1000)"},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.Arguments);
        const std::string where = c.Arguments.join(' ').toStdString();
        EXPECT_EQ(run.ExitCode, c.ExitCode) << where << ": " << run.Err.toStdString();
        if (c.Said)
            EXPECT_TRUE(run.Err.contains(QLatin1String(c.Said))) << run.Err.toStdString();
        else
            EXPECT_TRUE(run.Err.isEmpty()) << where << ": " << run.Err.toStdString();
        EXPECT_EQ(QFile::exists(Path(c.Arguments.back())), c.ExitCode == 0) << where;
    }
}

// The warning names the family used instead, and so does the SVG.
TEST_F(FontOptions, MissingFamilyIsReplacedAsTheWarningSays) {
    const CliRun run = Run({"--font", "NoSuchFont", "Quill", "-o", "a.svg"});
    ASSERT_EQ(run.ExitCode, 0);
    const QRegularExpressionMatch used =
        QRegularExpression(QStringLiteral("font 'NoSuchFont' not found; using '([^']+)'"))
            .match(run.Err);
    ASSERT_TRUE(used.hasMatch()) << run.Err.toStdString();
    QFile svg(Path(QStringLiteral("a.svg")));
    ASSERT_TRUE(svg.open(QIODevice::ReadOnly));
    const QByteArray text = svg.readAll();
    EXPECT_FALSE(text.contains("NoSuchFont"));
    EXPECT_TRUE(text.contains("font-family=\"&apos;" + used.captured(1).toUtf8() + "&apos;"))
        << text.data();
}

} // namespace
} // namespace quillmark::testing
