// The Batch view's command, run through sh with the built quillmark-cli, must write the very
// sheet or files the view writes; what the command can't say is named.
#include "batch_view.h"
#include "command_line.h"
#include "sheet_template_list.h"
#include "shell_run.h"
#include "studio_jobs.h"

#include <type_description.h>

#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace quillmark::studio {
namespace {

constexpr const char* Sheet = "Avery L7160";

template <typename T> std::optional<T> Target(const TBatchOutput& Output) {
    const T* target = std::get_if<T>(&Output.Target);
    return target ? std::optional(*target) : std::nullopt;
}

class BatchCommand : public ::testing::Test {
protected:
    BatchCommand() {
        Write("items.csv",
              "sku,name,n\nQM-0001,Widget,2\nQM-0002,Gadget \"Pro\",0\nQM-0003,Caf\xC3\xA9,1\n");
        Write("items.tsv", "ean13\t4006381333931\ncode39\tQM 7\n\tQM 8\n");
    }
    void Write(const char* Name, const QByteArray& Bytes) const {
        QFile file(Dir.filePath(QString::fromLatin1(Name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(Bytes);
    }
    TTableInput Table(const char* Name) const {
        TTableInput table;
        table.FileName = Dir.filePath(QString::fromLatin1(Name)).toStdString();
        return table;
    }
    void ShowPage(int Page) {
        View.findChild<QTabWidget*>(QStringLiteral("output"))->setCurrentIndex(Page);
    }

    QTemporaryDir Dir;
    TBatchView View;
};

TEST_F(BatchCommand, WritesWhatTheViewWrites) {
    TTableInput named = Table("items.csv");
    named.Columns = {"sku", std::nullopt, "n"};
    TTableInput typed{Table("items.tsv").FileName, TTableFormat::Tsv, false, {"2", "1", {}}};
    TOutputJob narrow = JobFor(bcCode128);
    narrow.Description.XDimensionMM = 0.3;
    const struct {
        const char* Name;
        TOutputJob Job;
        TBatchInput Input;
        const char* Files; // the file name template; none for a sheet
    } cases[] = {
        {"table on a sheet", narrow, {named, {"{name}", "Lot {sku}"}}, nullptr},
        // The numbers get their check digits, as the command line's --checksum auto adds them.
        {"sequence on a sheet",
         JobFor(bcCodeEAN13),
         {TSequenceInput{"400638133392..400638133394", "{seq}"}, {"No. {seq}"}},
         nullptr},
        {"typed rows into files", JobFor(bcCode39), {typed, {}}, "{n:02}-{2}"},
        {"sequence into files",
         JobFor(bcCodeQR, TFileFormat::Svg),
         {TSequenceInput{"9..1/-4", "https://example.com/p/{seq:03}"}, {"ignored"}},
         "{seq}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        QTemporaryDir run;
        // Braces in a folder's name are the folder's, not fields; a sheet's name takes none.
        const QString braces = c.Files ? QStringLiteral(" {x}") : QString();
        const QString view = run.filePath(QStringLiteral("view") + braces);
        const QString cli = run.filePath(QStringLiteral("cli") + braces);
        ASSERT_TRUE(QDir().mkpath(view) && QDir().mkpath(cli));
        View.SetOutputJob(c.Job);
        View.SetInput(c.Input);
        ShowPage(c.Files ? 1 : 0);
        TBatchOutput output;
        if (c.Files) {
            View.findChild<QLineEdit*>(QStringLiteral("fileName"))->setText(c.Files);
            ASSERT_TRUE(View.WriteFiles(view)) << View.Message().toStdString();
            output = View.Output();
            auto& files = std::get<TFilesOutput>(output.Target);
            EXPECT_EQ(files.Folder, view.toStdString());
            files.Folder = cli.toStdString();
        } else {
            ASSERT_TRUE(View.Templates().Choose(QString::fromLatin1(Sheet)));
            ASSERT_TRUE(View.WriteSheet(view + "/labels.pdf")) << View.Message().toStdString();
            output = View.Output();
            auto& sheet = std::get<TSheetOutput>(output.Target);
            EXPECT_EQ(sheet.FileName, (view + "/labels.pdf").toStdString());
            sheet.FileName = (cli + "/labels.pdf").toStdString();
        }
        const TCommandLine command = BatchCommandLineOf(c.Job, {}, View.Input(), output);
        ASSERT_TRUE(command.Unexpressed.empty()) << command.Unexpressed.front();
        RunShell(run.path(), command.Line);
        const QStringList files = QDir(view).entryList(QDir::Files, QDir::Name);
        EXPECT_EQ(files.size(), c.Files ? 3 : 1);
        EXPECT_EQ(QDir(cli).entryList(QDir::Files, QDir::Name), files) << command.Line;
        for (const QString& file : files)
            EXPECT_TRUE(Contents(view + '/' + file) == Contents(cli + '/' + file))
                << file.toStdString() << ": " << command.Line;
    }
}

TEST(BatchCommandWords, NamesWhatItCannotSay) {
    TTableInput counted;
    counted.FileName = "rows.csv";
    counted.Columns.Copies = "count";
    const struct {
        const char* Name;
        TBatchInput Input;
        TBatchOutput Output;
        const char* Named; // in the sentence
    } cases[] = {
        {"no table", {TTableInput{}, {}}, {TSheetOutput{Sheet, "a.pdf"}}, "open a CSV"},
        {"copies into files", {counted, {}}, {TFilesOutput{"", "{n}"}}, "copies column"},
        {"no sheet", {TSequenceInput{}, {}}, {TSheetOutput{"", "a.pdf"}}, "choose one"},
        {"sheet not a pdf", {TSequenceInput{}, {}}, {TSheetOutput{Sheet, "a.png"}}, ".pdf"},
        {"brace in a sheet's name",
         {TSequenceInput{}, {}},
         {TSheetOutput{Sheet, "{seq}.pdf"}},
         "braces"},
    };
    for (const auto& c : cases) {
        const std::vector<std::string> unsaid =
            BatchCommandLineOf(JobFor(bcCode128B), {}, c.Input, c.Output).Unexpressed;
        ASSERT_EQ(unsaid.size(), 1u) << c.Name;
        EXPECT_NE(unsaid.front().find(c.Named), std::string::npos) << unsaid.front();
    }
}

TEST_F(BatchCommand, OutputFollowsTheControlsAndSaysSo) {
    // What the view says it writes now, if it is a sheet or files.
    const auto sheet = [this] { return Target<TSheetOutput>(View.Output()); };
    const auto files = [this] { return Target<TFilesOutput>(View.Output()); };
    // Nothing written yet: the proposed sheet file.
    ASSERT_TRUE(sheet());
    EXPECT_EQ(sheet()->FileName, "labels.pdf");
    const struct {
        const char* Name;
        std::function<void()> Change;
        std::function<bool()> Shown;
    } cases[] = {
        {"sheet chosen", [this] { View.Templates().Choose(QString::fromLatin1(Sheet)); },
         [&] { return sheet() && sheet()->Sheet == Sheet; }},
        {"input read",
         [this] {
             View.SetInput({TSequenceInput{"1..2", "{seq}"}, {}});
         },
         [this] { return std::holds_alternative<TSequenceInput>(View.Input().Source); }},
        {"files page", [this] { ShowPage(1); }, [&] { return files().has_value(); }},
        {"folder typed",
         [this] { View.findChild<QLineEdit*>(QStringLiteral("folder"))->setText("out"); },
         [&] { return files() && files()->Folder == "out"; }},
        {"name typed",
         [this] { View.findChild<QLineEdit*>(QStringLiteral("fileName"))->setText("{seq}"); },
         [&] { return files() && files()->NameTemplate == "{seq}"; }},
    };
    QSignalSpy changed(&View, &TBatchView::Changed);
    for (const auto& c : cases) {
        changed.clear();
        c.Change();
        EXPECT_GE(changed.count(), 1) << c.Name;
        EXPECT_TRUE(c.Shown()) << c.Name;
    }
}

TEST_F(BatchCommand, LongValuesShowWholeOnceInSight) {
    const QString value = QStringLiteral("(00)095011015300000017");
    QByteArray rows = "sscc\n";
    for (int i = 0; i < 100; ++i)
        rows += "V" + QByteArray::number(i) + "\n";
    Write("sscc.csv", rows + value.toLatin1() + "\n");
    TTableInput table = Table("sscc.csv");
    table.Columns.Value = "sscc";
    View.SetOutputJob(JobFor(bcCodeGS1_128));
    View.SetInput({table, {}});
    View.resize(800, 400);
    View.show();
    auto* shown = View.findChild<QTableView*>(QStringLiteral("rows"));
    shown->scrollToBottom();
    QCoreApplication::processEvents();
    EXPECT_GT(shown->columnWidth(1), shown->fontMetrics().horizontalAdvance(value));
}

} // namespace
} // namespace quillmark::studio
