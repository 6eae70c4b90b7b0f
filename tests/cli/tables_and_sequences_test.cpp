// Batches of a table's rows and of sequences: a file each, named by their fields, the
// columns by name or number, a type column's types, check digits made for numbered values,
// and a table with a fault refused with its line and column before any file is written.
#include "arguments.h"
#include "cli_run.h"
#include "name_template.h"
#include "option_values.h"
#include <quillmark/engine.h>

#include <QFile>

#include <gtest/gtest.h>

namespace quillmark::testing {
namespace {

using CliTables = CliTest;

// An SVG's symbology (its title) and the text under its bars, as written.
QString SvgOf(const QString& FileName) {
    QFile file(FileName);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << FileName.toStdString();
    return QString::fromUtf8(file.readAll());
}

void ExpectSymbol(const QString& FileName, const QString& Type, const QString& Text) {
    const QString svg = SvgOf(FileName);
    EXPECT_TRUE(svg.contains("<title>" + Type + "</title>")) << FileName.toStdString();
    EXPECT_TRUE(svg.contains(">" + Text + "</text>")) << FileName.toStdString();
}

void Write(const QString& FileName, const QByteArray& Bytes) {
    QFile file(FileName);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Bytes);
}

TEST_F(CliTables, ACsvOfTenThousandRowsGivesAFileARow) {
    // A byte order mark, CRLF, and a quoted column with commas and line ends before the value.
    QByteArray csv = "\xEF\xBB\xBFnote,sku\r\n";
    constexpr int Rows = 10000;
    for (int row = 1; row <= Rows; ++row)
        csv += "\"a, \"\"b\"\"\r\nline " + QByteArray::number(row) + "\",QM-" +
               QByteArray::number(row).rightJustified(5, '0') + "\r\n";
    Write(Path("items.csv"), csv);
    QDir(Dir.path()).mkdir("out");
    const CliRun run = Run({"--batch", "items.csv", "--csv", "--header", "--value", "sku", "-o",
                            "out/{n:05}-{sku}.svg", "--jobs", "2"});
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    const QStringList files = Files("out");
    ASSERT_EQ(files.size(), Rows);
    EXPECT_EQ(files.front(), "00001-QM-00001.svg");
    EXPECT_EQ(files.back(), "10000-QM-10000.svg");
    for (const int row : {1, 2, 4711, Rows}) {
        const QString sku = "QM-" + QString::number(row).rightJustified(5, '0');
        ExpectSymbol(
            Path("out/" + QString::number(row).rightJustified(5, '0') + "-" + sku + ".svg"),
            "Code128B", sku);
    }
}

TEST_F(CliTables, ATableWithAFaultWritesNoFile) {
    const QByteArray good = "sku,type\nA,\nB,code39\n";
    const struct {
        QByteArray Rows;
        const char* Says;
    } cases[] = {
        {"C,\"open\n", "items.csv: Line 4, column 3: the quote that opens this field is not "
                       "closed"},
        {"C,,x\n", "items.csv: Line 4: the row has 3 fields"},
        {"C,ean14\n", "items.csv: Line 4: column 2 ('type') names the symbology 'ean14'"},
    };
    for (const auto& c : cases) {
        Write(Path("items.csv"), good + c.Rows + "D,\n");
        const CliRun run = Run({"--batch", "items.csv", "--csv", "--header", "--type-column",
                                "type", "-o", "{sku}.svg"});
        EXPECT_EQ(run.ExitCode, 1) << c.Says;
        EXPECT_TRUE(run.Err.contains(QLatin1String(c.Says))) << run.Err.toStdString();
        EXPECT_EQ(Files(), QStringList{"items.csv"}) << c.Says;
    }
    // From a pipe, the rows before the fault are drawn and the batch stops at it.
    const CliRun piped =
        Run({"--batch", "-", "--csv", "--header", "-o", "{sku}.svg"}, good + "C,\"open\nD,\n");
    EXPECT_EQ(piped.ExitCode, 1);
    EXPECT_TRUE(piped.Err.contains("stdin: Line 4, column 3:")) << piped.Err.toStdString();
    EXPECT_EQ(Files(), (QStringList{"A.svg", "B.svg", "items.csv"}));
}

TEST_F(CliTables, ColumnsByNameOrNumberWithAndWithoutAHeader) {
    const QByteArray table = "sku\tname\nQ1\tPen\nQ2\tInk\n";
    const struct {
        QStringList Arguments;
        QStringList Files;
    } cases[] = {
        {{"--header", "--value", "sku", "-o", "{n}-{name}.svg"}, {"1-Pen.svg", "2-Ink.svg"}},
        {{"--header", "--value", "2", "-o", "{value}-{1}.svg"}, {"Ink-Q2.svg", "Pen-Q1.svg"}},
        // Without a header the first line is a row, and the first column the value.
        {{"-o", "{n}-{value}.svg"}, {"1-sku.svg", "2-Q1.svg", "3-Q2.svg"}},
    };
    for (const auto& c : cases) {
        QTemporaryDir out;
        QStringList arguments{"--batch", "-", "--tsv"};
        arguments += c.Arguments;
        arguments.last() = out.filePath(arguments.last());
        const CliRun run = Run(arguments, table);
        EXPECT_EQ(run.ExitCode, 0) << run.Err.toStdString();
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files, QDir::Name), c.Files)
            << c.Arguments.join(' ').toStdString();
    }
}

TEST_F(CliTables, ATypeColumnDrawsEachRowAsItsType) {
    const QByteArray table = "value,type\nQM-1,\nQM-2,QR\n400638133393,ean13\n";
    const CliRun run = Run({"--batch", "-", "--csv", "--header", "--type-column", "type", "--type",
                            "code39", "-o", "{n}.svg"},
                           table);
    ASSERT_EQ(run.ExitCode, 0) << run.Err.toStdString();
    ExpectSymbol(Path("1.svg"), "Code39", "QM-1");
    // A grid shows no text unless --text asks for it; EAN-13 its check digit added.
    EXPECT_TRUE(SvgOf(Path("2.svg")).contains("<title>QR Code</title>"));
    EXPECT_FALSE(SvgOf(Path("2.svg")).contains("</text>"));
    ExpectSymbol(Path("3.svg"), "EAN13", "333931");
}

TEST_F(CliTables, SequencesGetTheirCheckDigits) {
    const struct {
        QStringList Arguments;
        QStringList Files;
    } cases[] = {
        {{"-t", "ean13", "--sequence", "9..11", "--value", "400638133{seq:03}"},
         {"4006381330091.svg", "4006381330107.svg", "4006381330114.svg"}},
        // A full-length value's last digit is made right.
        {{"-t", "upca", "--sequence", "3..2", "--value", "03600029145{seq}"},
         {"036000291452.svg", "036000291452.svg"}},
        {{"-t", "gs1128", "--sequence", "1..2", "--value", "(01)095011015300{seq}"},
         {"_01_09501101530010.svg", "_01_09501101530027.svg"}},
        {{"--sequence", "5..1/-2"}, {"1.svg", "3.svg", "5.svg"}},
    };
    for (const auto& c : cases) {
        QTemporaryDir out;
        const CliRun run = Run(c.Arguments + QStringList{"-o", out.filePath("{value}.svg")});
        QStringList files = c.Files;
        files.removeDuplicates();
        // Two values that complete to one name: the second is refused, naming the first.
        EXPECT_EQ(run.ExitCode, files.size() < c.Files.size() ? 1 : 0) << run.Err.toStdString();
        EXPECT_EQ(QDir(out.path()).entryList(QDir::Files, QDir::Name), files)
            << c.Arguments.join(' ').toStdString();
    }
}

TEST_F(CliTables, RefusesOptionsWhereTheyDontApply) {
    const struct {
        QStringList Arguments;
        const char* Message;
    } cases[] = {
        {{"--csv", "1", "-o", "a.png"}, "--csv reads the file of --batch; add --batch FILE"},
        {{"--batch", "-", "--header", "-o", "{n}.png"}, "--header names a table's columns"},
        {{"--batch", "-", "--value", "2", "-o", "{n}.png"}, "--value names a table's value"},
        {{"--batch", "-", "--csv", "--tsv", "-o", "{n}.png"}, "--csv and --tsv read different"},
        {{"--batch", "-", "--csv", "--copies-column", "2", "-o", "{n}.png"},
         "--copies-column counts labels on a sheet"},
        {{"--sequence", "1..2", "--batch", "-", "-o", "{n}.png"}, "leave out --batch"},
        {{"--sequence", "1..2", "--value", "{sku}", "-o", "{n}.png"},
         "--value: The template '{sku}' has the field {sku}"},
        {{"--sequence", "1..2", "-o", "{sku}.png"}, "unknown field {sku}: a sequence's fields"},
        {{"--batch", "-", "--csv", "--value", "sku", "-o", "{n}.png"},
         "There is no column named 'sku': the table has no header row"},
        {{"--sequence", "1..2", "--skip", "1", "-o", "{n}.png"}, "--skip leaves labels of a sheet"},
        {{"--sheet", "Avery L7160", "1", "-o", "a.pdf"}, "--sheet fills a sheet with a batch's"},
        {{"--sheet", "Avery L7160", "--sequence", "1..2", "-o", "{n}.pdf"},
         "--sheet writes one PDF file, not a file a label"},
        {{"--sheet", "Avery L716", "--sequence", "1..2", "-o", "a.pdf"},
         "did you mean Avery L7160"},
        {{"--sheet", "avery l7160", "--sequence", "1..2", "--skip", "21", "-o", "a.pdf"},
         "Avery L7160 has 21 labels a page; skip fewer, from 0 to 20"},
    };
    for (const auto& c : cases) {
        const CliRun run = Run(c.Arguments, "a,b\n");
        EXPECT_EQ(run.ExitCode, 2) << c.Message;
        EXPECT_TRUE(run.Err.contains(QLatin1String(c.Message))) << run.Err.toStdString();
    }
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(CliTables, TheHelpExplainsEveryOptionOfTablesAndSheets) {
    const QString help = QString::fromUtf8(Run({"--help"}).Out);
    for (const char* option :
         {"--csv", "--tsv", "--header", "--value COLUMN", "--type-column COLUMN",
          "--copies-column COLUMN", "--sequence FROM..TO[/STEP]", "--sheet SHEET",
          "--list-sheets [FILTER]", "--label-text TEMPLATE", "--label-font FAMILY",
          "--label-font-size PT", "--label-align center|", "--skip N", "--outline"})
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
}

TEST_F(CliTables, ListsSheetsOneALine) {
    const CliRun run = Run({"--list-sheets", "L7160"});
    EXPECT_EQ(run.ExitCode, 0);
    const QStringList lines = QString::fromUtf8(run.Out).split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1);
    EXPECT_EQ(lines.front().simplified(), "Avery L7160 A4 210 x 297 mm 64 x 38.1 mm 21 a page");
}

} // namespace
} // namespace quillmark::testing

namespace quillmark::cli {
namespace {

TEST(Arguments, EveryTableAndSheetOptionReachesItsSetting) {
    const TOptions o = ParseArguments({"--batch",
                                       "in.tsv",
                                       "--tsv",
                                       "--header",
                                       "--value",
                                       "sku",
                                       "--type-column",
                                       "3",
                                       "--copies-column",
                                       "qty",
                                       "--sheet",
                                       "Avery L7160",
                                       "--label-text",
                                       "{name}",
                                       "--label-text",
                                       "{sku}",
                                       "--label-font",
                                       "DejaVu Serif",
                                       "--label-font-size",
                                       "7.5",
                                       "--label-align",
                                       "BOTTOM-right",
                                       "--skip",
                                       "4",
                                       "--outline",
                                       "-o",
                                       "labels.pdf"});
    EXPECT_EQ(o.Mode, TMode::Batch);
    EXPECT_EQ(o.Records.Table, TTableFormat::Tsv);
    EXPECT_TRUE(o.Records.Header);
    EXPECT_EQ(o.Records.Value, "sku");
    EXPECT_EQ(o.Records.TypeColumn, "3");
    EXPECT_EQ(o.Records.CopiesColumn, "qty");
    EXPECT_EQ(o.Sheet.Name, "Avery L7160");
    EXPECT_EQ(o.Sheet.Text, (std::vector<std::string>{"{name}", "{sku}"}));
    EXPECT_EQ(o.Sheet.FontFamily, "DejaVu Serif");
    EXPECT_EQ(o.Sheet.FontSizePt, 7.5);
    EXPECT_EQ(o.Sheet.Align, TLabelAlign::BottomRight);
    EXPECT_EQ(o.Sheet.Skip, 4U);
    EXPECT_TRUE(o.Sheet.Outline);
    const TOptions sequence = ParseArguments({"--sequence", "10..1/-3", "-o", "{seq}.svg"});
    EXPECT_EQ(sequence.Mode, TMode::Batch);
    ASSERT_TRUE(sequence.Records.Sequence);
    EXPECT_EQ(sequence.Records.Sequence->From, 10);
    EXPECT_EQ(sequence.Records.Sequence->Step, -3);
    EXPECT_THROW(ParseArguments({"--sequence", "1..2", "--sheet", "Avery L7160", "-o", "-",
                                 "--format", "pdf"}),
                 UsageError);
}

TEST(NameTemplates, TakeARecordsFields) {
    const TFieldIndex columns = [](std::string_view Name) -> std::size_t {
        if (Name == "sku" || Name == "1")
            return 0;
        if (Name == "seq")
            return 1;
        throw Exception("no such column");
    };
    const struct {
        const char* Template;
        const char* Name;
        bool Unique;
    } cases[] = {
        {"{sku}.png", "A_1.png", false},
        {"{n}-{1}.png", "7-A_1.png", true},
        {"{sku}-{n}.png", "A_1-7.png", false},
        {"{seq:05}.png", "-0042.png", false},
    };
    for (const auto& c : cases) {
        const TNameTemplate names(c.Template, columns);
        EXPECT_EQ(names.Expand(7, "v", {"A/1", "-42"}), c.Name) << c.Template;
        EXPECT_EQ(names.NamesAreUnique(), c.Unique) << c.Template;
        EXPECT_TRUE(names.HasField());
    }
    for (const char* bad : {"{colour}.png", "{sku:5}.png", "{n:x}.png"})
        EXPECT_THROW(TNameTemplate(bad, columns), UsageError) << bad;
}

} // namespace
} // namespace quillmark::cli
