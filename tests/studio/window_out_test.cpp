// What leaves the window: the command-line pane's command, run, writes the bytes Save writes;
// a sheet written from the Batch view is the one quillmark-cli writes with the same options.
#include "batch_rows_model.h"
#include "batch_view.h"
#include "command_pane.h"
#include "studio_fixture.h"
#include "studio_jobs.h"
#include "symbol_options.h"
#include <quillmark/inks.h>

#include <QAction>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QProcess>
#include <QTabWidget>

namespace quillmark::studio::testing {
namespace {

class StudioOut : public StudioTest {
protected:
    // Runs quillmark-cli with Arguments in the test's folder; its standard error where it
    // fails.
    std::string RunCli(const std::vector<std::string>& Arguments) const {
        QStringList words;
        for (const std::string& word : Arguments)
            words << QString::fromStdString(word);
        QProcess cli;
        cli.setWorkingDirectory(folder.path());
        cli.start(QStringLiteral(QUILLMARK_CLI), words);
        if (!cli.waitForFinished(120000))
            return "did not finish";
        return cli.exitCode() == 0 ? std::string() : cli.readAllStandardError().toStdString();
    }
    template <typename T> static T* Field(const TStudioWindow& Window, const char* Name) {
        return Window.Options()->findChild<T*>(QString::fromLatin1(Name));
    }
    static void Choose(const TStudioWindow& Window, const char* Name, int Value) {
        auto* combo = Field<QComboBox>(Window, Name);
        combo->setCurrentIndex(combo->findData(Value));
    }
};

TEST_F(StudioOut, ThePanesCommandWritesTheBytesSaveWrites) {
    const struct {
        const char* Name;
        TBarType Type;
        const char* Value;
        std::function<void(const TStudioWindow&)> Set;
    } cases[] = {
        {"plain", bcCode128, "QM-1001", {}},
        {"narrow, turned", bcCode39, "QM 1001",
         [](const TStudioWindow& W) {
             Field<QDoubleSpinBox>(W, "XDimension")->setValue(0.254);
             Choose(W, "Rotation", toBottomTop);
         }},
        {"text over the bars", bcCodeEAN13, "400638133393",
         [](const TStudioWindow& W) { Choose(W, "TextLayout", tlOverBars); }},
        {"inks for print", bcCodeUPC_A, "03600029145",
         [](const TStudioWindow& W) {
             Choose(W, "ColourModel", static_cast<int>(TColourModel::Cmyk));
         }},
        {"qr high", bcCodeQR, "https://example.com/p?id=7",
         [](const TStudioWindow& W) { Choose(W, "QrLevel", static_cast<int>(TQrLevel::H)); }},
        {"strict, read back", bcCodeGS1_128, "(01)09501101530003(10)AB1",
         [](const TStudioWindow& W) {
             W.StrictAction()->setChecked(true);
             W.VerifyAction()->setChecked(true);
         }},
    };
    for (const auto& c : cases)
        for (const char* suffix : {".png", ".svg", ".pdf"}) {
            SCOPED_TRACE(std::string(c.Name) + suffix);
            // The options a window keeps across types are each case's own.
            const auto window = MakeWindow();
            window->SetType(c.Type);
            window->SetValue(QString::fromLatin1(c.Value));
            if (c.Set)
                c.Set(*window);
            ASSERT_TRUE(window->Refusal().isEmpty()) << window->Refusal().toStdString();
            const QString saved = folder.filePath(QString::fromLatin1(c.Name) + "-saved" + suffix);
            ASSERT_TRUE(window->SaveTo(saved));
            // After Save the pane names the file saved; another name gives another file.
            TCommandPane& pane = *window->CommandPane();
            EXPECT_EQ(pane.FileName(), saved);
            pane.SetFileName(QString::fromLatin1(c.Name) + "-command" + suffix);
            emit pane.FileNameChanged();
            ASSERT_FALSE(pane.Command().Arguments.empty());
            EXPECT_TRUE(pane.Command().Unexpressed.empty()) << pane.Command().Unexpressed.front();
            ASSERT_EQ(RunCli(pane.Command().Arguments), "") << pane.Command().Line;
            const QByteArray written = Contents(folder.filePath(pane.FileName()));
            EXPECT_FALSE(written.isEmpty());
            EXPECT_TRUE(written == Contents(saved)) << pane.Command().Line;
        }
}

TEST_F(StudioOut, ThePaneProposesAFileNamedForTheValueUntilOneIsGiven) {
    const struct {
        TBarType Type;
        const char* Value;
        const char* Proposed;
    } cases[] = {
        {bcCodeGS1_128, "(00)095011015300000010", "00_095011015300000010.png"},
        {bcCode128, "QM 1001/../x", "QM_1001_.._x.png"},
        {bcCode128, "//", "barcode.png"},
    };
    const auto window = MakeWindow();
    for (const auto& [type, value, proposed] : cases) {
        window->SetType(type);
        window->SetValue(QString::fromLatin1(value));
        EXPECT_EQ(window->CommandPane()->FileName(), QString::fromLatin1(proposed)) << value;
    }
    window->CommandPane()->SetFileName(QStringLiteral("mine.svg"));
    window->SetValue(QStringLiteral("QM-2"));
    EXPECT_EQ(window->CommandPane()->FileName(), QStringLiteral("mine.svg"));
}

TEST_F(StudioOut, ASheetFromTheBatchViewIsTheCommandLinesWithTheSameOptions) {
    QByteArray rows = "sku,name\n";
    for (int i = 1; i <= 50; ++i)
        rows += QStringLiteral("QM-%1,Item %2\n").arg(i, 4, 10, QLatin1Char('0')).arg(i).toLatin1();
    QFile table(folder.filePath(QStringLiteral("rows.csv")));
    ASSERT_TRUE(table.open(QIODevice::WriteOnly));
    table.write(rows);
    table.close();

    const auto window = MakeWindow();
    window->SetType(bcCode128);
    window->SetValue(QStringLiteral("QM-0001"));
    Field<QDoubleSpinBox>(*window, "XDimension")->setValue(0.3);
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));

    QTest::keyClick(window.get(), Qt::Key_2, Qt::ControlModifier);
    ASSERT_EQ(window->Views()->currentWidget(), window->Batch());
    TBatchView& batch = *window->Batch();
    TTableInput input;
    input.FileName = table.fileName().toStdString();
    input.Columns = {"sku", std::nullopt, std::nullopt};
    batch.SetInput({input, {"{name}"}});
    ASSERT_EQ(batch.Model().rowCount(), 50) << batch.Message().toStdString();
    QTest::keyClicks(batch.findChild<QLineEdit*>(QStringLiteral("sheetFilter")), "avery l7160");
    ASSERT_TRUE(batch.WriteSheet(folder.filePath(QStringLiteral("window.pdf"))))
        << batch.Message().toStdString();

    // The pane's command, the symbol's options and the view's, writing another file.
    const TCommandLine& command = window->CommandPane()->Command();
    EXPECT_TRUE(command.Unexpressed.empty()) << command.Unexpressed.front();
    std::vector<std::string> arguments = command.Arguments;
    const auto output = std::find(arguments.begin(), arguments.end(), "-o");
    ASSERT_NE(output, arguments.end()) << command.Line;
    ASSERT_NE(output + 1, arguments.end());
    EXPECT_EQ(output[1], folder.filePath(QStringLiteral("window.pdf")).toStdString());
    output[1] = "cli.pdf";
    for (const char* option : {"--xdim", "--sheet", "--label-text"})
        EXPECT_NE(std::find(arguments.begin(), arguments.end(), option), arguments.end())
            << option << " in " << command.Line;
    ASSERT_EQ(RunCli(arguments), "");
    const QByteArray sheet = Contents(folder.filePath(QStringLiteral("window.pdf")));
    EXPECT_GT(sheet.size(), 1000);
    EXPECT_TRUE(sheet == Contents(folder.filePath(QStringLiteral("cli.pdf"))));

    // Back in the Symbol view, the pane's command is the symbol's again.
    QTest::keyClick(window.get(), Qt::Key_1, Qt::ControlModifier);
    EXPECT_EQ(window->CommandPane()->Command().Arguments.back(), "QM-0001");
}

} // namespace
} // namespace quillmark::studio::testing
