// Save as File, Copy and Print from the window, through its dialog and message seams.
#include "window_fixture.h"

#include "barcode_output.h"
#include "scan.h"

#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QMimeData>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <unistd.h>

namespace quillmark::testing {
namespace {

std::optional<ScanResult> ScanFile(const QString& Path) {
    const QImage image = QImage(Path).convertToFormat(QImage::Format_Grayscale8);
    return Scan(image.constBits(), image.width(), image.height(),
                static_cast<int>(image.bytesPerLine()));
}

// A folder nothing can be written into while it lives; as root, by acting as nobody.
class ReadOnlyFolder {
public:
    explicit ReadOnlyFolder(const QString& Path) : path_(Path) {
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther |
                                         QFile::ExeOther);
        if (geteuid() == 0) {
            EXPECT_EQ(seteuid(65534), 0);
        }
    }
    ~ReadOnlyFolder() {
        if (getuid() == 0) {
            EXPECT_EQ(seteuid(0), 0);
        }
        QFile::setPermissions(path_, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    ReadOnlyFolder(const ReadOnlyFolder&) = delete;
    ReadOnlyFolder& operator=(const ReadOnlyFolder&) = delete;

private:
    QString path_;
};

class WindowOutputTest : public WindowTest {
protected:
    QTemporaryDir Dir;
};

TEST_F(WindowOutputTest, SaveWritesTheShownSymbolWhole) {
    Choose(QStringLiteral("Code 128B"));
    Type(QStringLiteral("Quillmark 2026"));
    Click(Form->ButtonGenerate);
    ChosenFile = Dir.filePath(QStringLiteral("label.png"));
    Click(Form->ButtonSave);
    ASSERT_EQ(ProposedNames, std::vector<QString>{QStringLiteral("Quillmark_2026.png")});
    const auto scan = ScanFile(ChosenFile);
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->Text, "Quillmark 2026");
    EXPECT_TRUE(Messages.empty() && Questions.empty());
}

// The SVG names the family its text is drawn in, which this system has.
TEST_F(WindowOutputTest, SavedSvgNamesAFontThatExists) {
    Choose(QStringLiteral("Code 128B"));
    Click(Form->ButtonGenerate);
    ChosenFile = Dir.filePath(QStringLiteral("label.svg"));
    Click(Form->ButtonSave);
    QFile file(ChosenFile);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    // The first of the list, the family drawn, before its fallbacks.
    const QRegularExpressionMatch family =
        QRegularExpression(QStringLiteral("font-family=\"&apos;([^&]+)&apos;")).match(svg);
    ASSERT_TRUE(family.hasMatch()) << svg.toStdString();
    EXPECT_TRUE(QFontDatabase::families().contains(family.captured(1)))
        << family.captured(1).toStdString();
}

// Save, Copy and Print act on exactly what the control shows: when a failed Generate leaves
// it showing no symbol, they are off and say why, and nothing else is written.
TEST_F(WindowOutputTest, NothingLeavesWhenTheControlShowsNoSymbol) {
    const struct {
        const char* Label;
        const char* Value;
    } failures[] = {
        {"Code 93", "abc"},              // the encoder refuses it
        {"Code EAN13", " 400638133393"}, // a blank the digits check lets through
    };
    for (const auto& f : failures) {
        Choose(QStringLiteral("Code 128C"));
        Type(QStringLiteral("12345"));
        Click(Form->ButtonGenerate);
        ASSERT_TRUE(Form->ButtonSave->isEnabled());
        Type(QString::fromLatin1(f.Value));
        Choose(QString::fromLatin1(f.Label));
        Choose(QStringLiteral("Code UPC-A"));
        EXPECT_FALSE(Form->ButtonSave->isEnabled()) << f.Label;
        EXPECT_FALSE(Form->ActionCopy->isEnabled()) << f.Label;
        EXPECT_FALSE(Form->ActionPrint->isEnabled()) << f.Label;
        EXPECT_TRUE(Form->ButtonSave->toolTip().startsWith("The barcode shows no symbol"))
            << Form->ButtonSave->toolTip().toStdString();
        ChosenFile = Dir.filePath(QStringLiteral("shown.png"));
        Form->ButtonSaveClick(); // as a shortcut would, past the disabled button
        EXPECT_TRUE(ProposedNames.empty());
        EXPECT_FALSE(QFile::exists(ChosenFile));
        Messages.clear();
    }
    // A symbol shown again turns them back on.
    Type(QStringLiteral("03600029145"));
    Click(Form->ButtonGenerate);
    EXPECT_TRUE(Form->ButtonSave->isEnabled());
    Click(Form->ButtonSave);
    ASSERT_EQ(ProposedNames, std::vector<QString>{QStringLiteral("036000291452.png")});
    const auto scan = ScanFile(ChosenFile);
    ASSERT_TRUE(scan);
    EXPECT_EQ(scan->Text, "036000291452");
}

// A long paste reaches the edit whole; the file name proposed for it stays short.
TEST_F(WindowOutputTest, LongValuesAreKeptWholeAndProposeAShortName) {
    const QString value(100000, QLatin1Char('7'));
    QGuiApplication::clipboard()->setText(value);
    Form->BarcodeValue->clear();
    Form->BarcodeValue->paste();
    EXPECT_EQ(Form->BarcodeValue->text(), value);
    EXPECT_EQ(ProposedFileName(value.toStdString()), QString(64, QLatin1Char('7')) + ".png");
}

TEST_F(WindowOutputTest, CancelledSaveChangesNothing) {
    const QImage before = Barcode();
    Click(Form->ButtonSave);
    EXPECT_EQ(ProposedNames.size(), 1u);
    EXPECT_TRUE(Messages.empty());
    EXPECT_TRUE(QDir(Dir.path()).isEmpty());
    EXPECT_EQ(Barcode(), before);
}

TEST_F(WindowOutputTest, FailedSaveShowsWhyAndKeepsTheOldFile) {
    ChosenFile = Dir.filePath(QStringLiteral("old.png"));
    QFile old(ChosenFile);
    ASSERT_TRUE(old.open(QIODevice::WriteOnly) && old.write("old bytes") == 9);
    old.close();
    {
        const ReadOnlyFolder readOnly(Dir.path());
        Click(Form->ButtonSave);
    }
    ASSERT_EQ(Messages.size(), 1u);
    EXPECT_TRUE(Messages[0].Text.startsWith(ChosenFile + QStringLiteral(" : ")))
        << Messages[0].Text.toStdString();
    ASSERT_TRUE(old.open(QIODevice::ReadOnly));
    EXPECT_EQ(old.readAll(), "old bytes");
    EXPECT_EQ(QDir(Dir.path()).entryList(QDir::Files).size(), 1);
}

TEST_F(WindowOutputTest, CopyPutsPictureAndValueOnTheClipboard) {
    Choose(QStringLiteral("Code 39"));
    // Ctrl+C anywhere in the window, the value's edit included while nothing is selected.
    Form->BarcodeValue->setFocus();
    Form->BarcodeValue->deselect();
    QTest::keyClick(Form->BarcodeValue, Qt::Key_C, Qt::ControlModifier);
    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(QStringLiteral("image/png")));
    EXPECT_TRUE(data->data(QStringLiteral("image/svg+xml")).startsWith("<?xml"));
    EXPECT_EQ(data->text(), QStringLiteral("123456789"));
}

TEST_F(WindowOutputTest, SymbolsThatMayNotScanAskFirst) {
    // Without quiet zones no scanner finds where the symbol starts.
    Type(QStringLiteral("12345"));
    Choose(QStringLiteral("Code PostNet"));
    Answer = false;
    SetExportDialogRunner([](TExportDialog& Dialog) {
        Dialog.QuietZone->setCurrentIndex(1); // none
        return true;
    });
    Click(Form->ButtonSave);
    ASSERT_EQ(Questions.size(), 1u);
    EXPECT_TRUE(Questions[0].contains(QStringLiteral("The quiet zones are 0X and 0X")))
        << Questions[0].toStdString();
    EXPECT_TRUE(ProposedNames.empty());
    // A value too long for the control is drawn clipped, and the tooltip says so.
    Choose(QStringLiteral("Code 128B"));
    Type(QString(60, QLatin1Char('Q')));
    Click(Form->ButtonGenerate);
    EXPECT_TRUE(Form->BarCode1->toolTip().contains(QStringLiteral("clipped")));
}

// The dialog's preview is an SVG, which draws any X-dimension; a PNG at 25 dpi can't draw
// EAN-13's. A file named .png is asked about for the PNG's findings.
TEST_F(WindowOutputTest, SaveAsksAboutTheFindingsOfTheFormatWritten) {
    Choose(QStringLiteral("Code EAN13"));
    Type(QStringLiteral("5901234123457"));
    Click(Form->ButtonGenerate);
    SetExportDialogRunner([](TExportDialog& Dialog) {
        Dialog.FileFormat->setCurrentIndex(1); // SVG
        Dialog.Resolution->setCurrentText(QStringLiteral("25"));
        return true;
    });
    Answer = false;
    struct TRow {
        const char* File;
        bool Asked; // and so not written
    };
    for (const TRow& row :
         {TRow{"label.svg", false}, TRow{"label.png", true}, TRow{"label.pdf", false}}) {
        Questions.clear();
        ChosenFile = Dir.filePath(QString::fromLatin1(row.File));
        Click(Form->ButtonSave);
        EXPECT_TRUE(Messages.empty()) << row.File;
        ASSERT_EQ(Questions.size(), row.Asked ? 1u : 0u) << row.File;
        if (row.Asked) {
            EXPECT_TRUE(Questions[0].contains(QStringLiteral("X-dimension")))
                << Questions[0].toStdString();
        }
        EXPECT_EQ(QFile::exists(ChosenFile), !row.Asked) << row.File;
    }
}

} // namespace
} // namespace quillmark::testing
