// The Batch view: its rows and their statuses as the labels library reads them, the sheet
// list's filter, and a sheet written from the view byte for byte as the command line writes it.
#include "batch_rows_model.h"
#include "batch_view.h"
#include "sheet_preview.h"
#include "sheet_template_list.h"

#include <type_description.h>

#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

namespace quillmark::studio {
namespace {

// The job the command line makes when no option changes it, for a symbol of Type.
TOutputJob DefaultJob(TBarType Type = TBarcodeDescription{}.Barcode.BarType) {
    TOutputJob job;
    job.Description = DescriptionForType({TBarcodeDescription{}, false}, Type);
    job.Format = TFileFormat::Pdf;
    return job;
}

QString Cell(const TBatchRowsModel& Model, int Row, int Column) {
    return Model.data(Model.index(Row, Column)).toString();
}

class BatchView : public ::testing::Test {
protected:
    QString Write(const QString& Name, const QByteArray& Bytes) {
        const QString path = Dir.filePath(Name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Bytes);
        return path;
    }
    static TBatchInput Table(const QString& File, const std::string& Value,
                             std::optional<std::string> Type = std::nullopt) {
        TTableInput table;
        table.FileName = File.toStdString();
        table.Columns = {Value, std::move(Type), std::nullopt};
        return {table, {}};
    }

    QTemporaryDir Dir;
    TBatchView View;
};

TEST_F(BatchView, SheetIsTheCommandLinesByteForByte) {
    QByteArray rows = "sku,name\n";
    for (int i = 1; i <= 50; ++i)
        rows += QStringLiteral("QM-%1,Item %2\n").arg(i, 4, 10, QLatin1Char('0')).arg(i).toLatin1();
    const QString table = Write(QStringLiteral("rows.csv"), rows);
    View.SetOutputJob(DefaultJob());
    View.SetInput(Table(table, "sku"));
    ASSERT_EQ(View.Model().rowCount(), 50) << View.Message().toStdString();
    QTest::keyClicks(View.findChild<QLineEdit*>(QStringLiteral("sheetFilter")), "avery l7160");
    ASSERT_TRUE(View.WriteSheet(Dir.filePath(QStringLiteral("view.pdf"))))
        << View.Message().toStdString();

    QProcess cli;
    cli.setWorkingDirectory(Dir.path());
    cli.start(QStringLiteral(QUILLMARK_CLI), {"--batch", "rows.csv", "--csv", "--header", "--value",
                                              "sku", "--sheet", "Avery L7160", "-o", "cli.pdf"});
    ASSERT_TRUE(cli.waitForFinished(120000));
    ASSERT_EQ(cli.exitCode(), 0) << cli.readAllStandardError().toStdString();
    QFile mine(Dir.filePath(QStringLiteral("view.pdf")));
    QFile theirs(Dir.filePath(QStringLiteral("cli.pdf")));
    ASSERT_TRUE(mine.open(QIODevice::ReadOnly) && theirs.open(QIODevice::ReadOnly));
    const QByteArray bytes = mine.readAll();
    EXPECT_GT(bytes.size(), 1000);
    EXPECT_TRUE(bytes == theirs.readAll());
}

TEST_F(BatchView, RowWithAWrongCheckDigitIsRefusedWithTheEnginesReason) {
    const QString table =
        Write(QStringLiteral("rows.csv"), "gtin,type\n4006381333931,ean13\n4006381333932,ean13\n");
    View.SetOutputJob(DefaultJob());
    View.SetInput(Table(table, "gtin", "type"));
    const TBatchRowsModel& model = View.Model();
    ASSERT_EQ(model.rowCount(), 2) << View.Message().toStdString();
    EXPECT_EQ(Cell(model, 0, TBatchRowsModel::StatusColumn), QStringLiteral("Will draw"));
    EXPECT_EQ(Cell(model, 1, TBatchRowsModel::StatusColumn),
              QStringLiteral(
                  "Refused: 4006381333932 : Wrong check digit 2; the EAN13 check digit is 1."));
    EXPECT_EQ(Cell(model, 1, TBatchRowsModel::LineColumn), QStringLiteral("3"));
    EXPECT_EQ(model.Refused(), 1U);
    EXPECT_TRUE(View.Message().contains(QStringLiteral("1 refused")))
        << View.Message().toStdString();
    // A sheet with a refused row is not written.
    EXPECT_FALSE(View.WriteSheet(Dir.filePath(QStringLiteral("no.pdf"))));
    EXPECT_FALSE(QFile::exists(Dir.filePath(QStringLiteral("no.pdf"))));
    EXPECT_TRUE(View.Message().contains(QStringLiteral("3: 4006381333932 : Wrong check digit")))
        << View.Message().toStdString();
}

TEST_F(BatchView, TemplateFilterFindsASheetInAnyLetterCase) {
    TSheetTemplateList& list = View.Templates();
    const std::size_t all = list.Shown().size();
    QTest::keyClicks(View.findChild<QLineEdit*>(QStringLiteral("sheetFilter")), "avery l7160");
    const auto shown = list.Shown();
    ASSERT_FALSE(shown.empty());
    EXPECT_LT(shown.size(), all);
    EXPECT_EQ(shown.front()->Name(), "Avery L7160");
    ASSERT_NE(list.Chosen(), nullptr);
    EXPECT_EQ(list.Chosen()->Name(), "Avery L7160");
    list.SetFilter(QStringLiteral("no such sheet at all"));
    EXPECT_TRUE(list.Shown().empty());
    EXPECT_EQ(list.Chosen(), nullptr);
}

TEST_F(BatchView, SequenceShowsItsValues) {
    const struct {
        TBarType Type;
        std::string Range;
        std::string Template;
        QStringList Values;
    } cases[] = {
        {bcCode128, "1..3", "QM-{seq:03}", {"QM-001", "QM-002", "QM-003"}},
        {bcCode128, "10..1/-4", "{seq}", {"10", "6", "2"}},
        // A number one digit short gets its check digit, as a typed value would.
        {bcCodeEAN13, "400638133392..400638133393", "{seq}", {"4006381333924", "4006381333931"}},
    };
    for (const auto& c : cases) {
        View.SetOutputJob(DefaultJob(c.Type));
        View.SetInput({TSequenceInput{c.Range, c.Template}, {}});
        const TBatchRowsModel& model = View.Model();
        QStringList values;
        for (int row = 0; row < model.rowCount(); ++row) {
            values << Cell(model, row, TBatchRowsModel::ValueColumn);
            EXPECT_EQ(Cell(model, row, TBatchRowsModel::StatusColumn), QStringLiteral("Will draw"))
                << c.Range;
        }
        EXPECT_EQ(values, c.Values) << c.Range << ": " << View.Message().toStdString();
    }
}

TEST_F(BatchView, RowsFarApartReadBackFromTheirPlaceInTheFile) {
    // Three windows' worth: the rows shown come from re-reading the file, not one buffer.
    constexpr int Rows = static_cast<int>(TBatchRowsModel::WindowRows) * 3;
    QByteArray rows;
    for (int i = 0; i < Rows; ++i)
        rows += "V" + QByteArray::number(i) + "\n";
    TBatchInput input = Table(Write(QStringLiteral("many.csv"), rows), "1");
    std::get<TTableInput>(input.Source).Header = false;
    View.SetOutputJob(DefaultJob(bcCode128));
    View.SetInput(input);
    const TBatchRowsModel& model = View.Model();
    ASSERT_EQ(model.rowCount(), Rows);
    for (const int row : {Rows - 1, 0, Rows / 2, 1, Rows - 2})
        EXPECT_EQ(Cell(model, row, TBatchRowsModel::ValueColumn), QStringLiteral("V%1").arg(row));
}

TEST_F(BatchView, FolderOfFilesNamedThroughTheTemplate) {
    const QString table =
        Write(QStringLiteral("rows.csv"), "gtin,type\n4006381333931,ean13\n4006381333932,ean13\n");
    const struct {
        TBatchInput Input;
        const char* Name;
        QStringList Files;
        const char* Said;
    } cases[] = {
        {{TSequenceInput{"1..3", "QM-{seq:03}"}, {}},
         "{value}",
         {"QM-001.png", "QM-002.png", "QM-003.png"},
         "Wrote 3 file(s)"},
        {Table(table, "gtin", "type"),
         "{n}-{gtin}",
         {"1-4006381333931.png"},
         "3: 4006381333932 : Wrong check digit 2"},
        {{TSequenceInput{"1..2", "{seq}"}, {}}, "same", {}, "names every file alike"},
        {{TSequenceInput{"1..2", "{seq}"}, {}}, "{sku}", {}, "{sku}"},
    };
    TOutputJob job = DefaultJob(bcCode128);
    job.Format = TFileFormat::Png;
    View.SetOutputJob(job);
    auto* name = View.findChild<QLineEdit*>(QStringLiteral("fileName"));
    ASSERT_NE(name, nullptr);
    for (const auto& c : cases) {
        QTemporaryDir folder;
        View.SetInput(c.Input);
        name->setText(QString::fromLatin1(c.Name));
        EXPECT_EQ(View.WriteFiles(folder.path()), c.Said == std::string_view("Wrote 3 file(s)"));
        EXPECT_EQ(QDir(folder.path()).entryList(QDir::Files, QDir::Name), c.Files) << c.Name;
        EXPECT_TRUE(View.Message().contains(QString::fromLatin1(c.Said)))
            << c.Name << ": " << View.Message().toStdString();
    }
}

TEST_F(BatchView, StatusesFollowTheOwnersJob) {
    View.SetInput({TSequenceInput{"1..2", "QM-{seq}"}, {}});
    const struct {
        TBarType Type;
        const char* Status;
    } cases[] = {{bcCode128, "Will draw"}, {bcCodeEAN13, "Refused: "}, {bcCode39, "Will draw"}};
    for (const auto& c : cases) {
        View.SetOutputJob(DefaultJob(c.Type));
        EXPECT_TRUE(Cell(View.Model(), 1, TBatchRowsModel::StatusColumn)
                        .startsWith(QString::fromLatin1(c.Status)))
            << BarTypeName(c.Type);
    }
}

TEST(SheetPreview, DrawsEachLabelToScale) {
    const TTemplateDatabase database;
    const TLabelTemplate& sheet = database.Find("Avery L7160");
    TSheetPreview preview;
    // Two pixels a millimetre, with the preview's margin of 8 pixels each side.
    preview.resize(static_cast<int>(sheet.PageWidth * 2) + 16,
                   static_cast<int>(sheet.PageHeight * 2) + 16);
    preview.SetTemplate(&sheet);
    ASSERT_DOUBLE_EQ(preview.Scale(), 2);
    const QImage picture = preview.grab().toImage();
    const auto at = [&picture](double X, double Y) {
        return picture.pixelColor(static_cast<int>(8 + X * 2), static_cast<int>(8 + Y * 2));
    };
    const QColor page = at(1, 1);
    EXPECT_EQ(page, QColor(Qt::white));
    const std::vector<TLabelCell> cells = Cells(sheet);
    ASSERT_EQ(cells.size(), 21U);
    for (const TLabelCell& cell : cells)
        EXPECT_NE(at(cell.X + cell.Width / 2, cell.Y + cell.Height / 2), page) << cell.X;
    // Between the first two columns, the gap is the page.
    EXPECT_EQ(at((cells[0].X + cells[0].Width + cells[1].X) / 2, cells[0].Y + 5), page);
}

TEST_F(BatchView, InputFaultsAreSaidInPlace) {
    const QString table = Write(QStringLiteral("rows.csv"), "sku\nA\n");
    const struct {
        TBatchInput Input;
        const char* Said;
    } cases[] = {
        {Table(table, "price"), "price"},
        {Table(Dir.filePath(QStringLiteral("absent.csv")), "1"), "can't be opened"},
        {{TSequenceInput{"5..1/2", "{seq}"}, {}}, "step"},
    };
    View.SetOutputJob(DefaultJob(bcCode128));
    for (const auto& c : cases) {
        View.SetInput(c.Input);
        EXPECT_TRUE(View.Message().contains(QString::fromLatin1(c.Said)))
            << c.Said << ": " << View.Message().toStdString();
    }
}

} // namespace
} // namespace quillmark::studio
