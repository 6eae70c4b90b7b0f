// The export dialog that Save as File, Copy and Print open: its preview and report follow
// its fields, what it shows is what is written, and its choices outlive it only on OK.
#include "window_fixture.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QLabel>

#include <algorithm>
#include <climits>

namespace quillmark::testing {
namespace {

// The narrowest dark run across a row a quarter down, clear of any text: one module.
int NarrowestBar(const QImage& Picture) {
    const QImage gray = Picture.convertToFormat(QImage::Format_Grayscale8);
    const uchar* row = gray.constScanLine(gray.height() / 4);
    int narrowest = INT_MAX;
    int run = 0;
    for (int x = 0; x <= gray.width(); ++x) {
        if (x < gray.width() && row[x] < 128) {
            ++run;
        } else if (run > 0) {
            narrowest = std::min(narrowest, run);
            run = 0;
        }
    }
    return narrowest;
}

class ExportDialogTest : public WindowTest {
protected:
    void Runs(ExportDialogRunner Runner) { SetExportDialogRunner(std::move(Runner)); }
    static void SetSize(TExportDialog& Dialog, double XMM, const QString& Dpi) {
        Dialog.XDimension->setValue(XMM);
        Dialog.Resolution->setCurrentText(Dpi);
    }
    QTemporaryDir Dir;
};

TEST_F(ExportDialogTest, PreviewAndReportFollowTheFieldsAndTheFileIsThePreview) {
    Choose(QStringLiteral("Code 128B"));
    Click(Form->ButtonGenerate);
    struct Step {
        double XMM;
        const char* Dpi;
        int ModulePixels;
    };
    const Step steps[] = {{0.5, "203", 4}, {0.33, "600", 8}};
    QImage shown;
    Runs([&](TExportDialog& Dialog) {
        Dialog.FileFormat->setCurrentIndex(0); // PNG
        for (const Step& step : steps) {
            SetSize(Dialog, step.XMM, QLatin1String(step.Dpi));
            EXPECT_EQ(NarrowestBar(Dialog.Preview()), step.ModulePixels) << step.Dpi;
            const QString first = Dialog.ReportText().split(QLatin1Char('\n')).front();
            EXPECT_TRUE(first.contains(
                QStringLiteral("%1 pixels at %2 dpi").arg(step.ModulePixels).arg(step.Dpi)))
                << first.toStdString();
            EXPECT_EQ(Dialog.FindingsText(), QStringLiteral("None"));
        }
        shown = Dialog.Preview();
        return true;
    });
    ChosenFile = Dir.filePath(QStringLiteral("label.png"));
    Click(Form->ButtonSave);
    ASSERT_EQ(ProposedNames, std::vector<QString>{QStringLiteral("123456789.png")});
    const QImage saved(ChosenFile);
    ASSERT_FALSE(saved.isNull());
    EXPECT_EQ(NarrowestBar(saved), 8);
    EXPECT_NEAR(saved.dotsPerMeterX(), 600 / 0.0254, 1);
    EXPECT_EQ(saved.convertToFormat(QImage::Format_RGB32),
              shown.convertToFormat(QImage::Format_RGB32));
}

TEST_F(ExportDialogTest, ChoicesAreKeptOnlyOnOK) {
    const auto change = [this](bool Accept) {
        Runs([Accept](TExportDialog& Dialog) {
            SetSize(Dialog, 0.5, QStringLiteral("203"));
            Dialog.QuietZone->setCurrentIndex(1);  // none
            Dialog.FileFormat->setCurrentIndex(2); // PDF
            return Accept;
        });
    };
    struct Opened {
        double XMM = 0;
        QString Dpi;
        int Zone = -1;
        QString Proposed;
    };
    const auto open = [this] {
        Opened seen;
        Runs([&seen](TExportDialog& Dialog) {
            seen = {Dialog.XDimension->value(),
                    Dialog.Resolution->currentText(),
                    Dialog.QuietZone->currentIndex(),
                    {}};
            return true;
        });
        Click(Form->ButtonSave);
        seen.Proposed = ProposedNames.back();
        return seen;
    };
    change(false);
    Click(Form->ButtonSave);
    Opened seen = open();
    EXPECT_EQ(seen.XMM, 0); // the symbology's own
    EXPECT_EQ(seen.Dpi, QStringLiteral("300"));
    EXPECT_EQ(seen.Zone, 0);
    EXPECT_EQ(seen.Proposed, QStringLiteral("123456789.png"));
    change(true);
    Form->CopyClick(); // kept from Copy too, the hidden format included
    seen = open();
    EXPECT_EQ(seen.XMM, 0.5);
    EXPECT_EQ(seen.Dpi, QStringLiteral("203"));
    EXPECT_EQ(seen.Zone, 1);
    EXPECT_EQ(seen.Proposed, QStringLiteral("123456789.pdf"));
}

// A raster too large to draw has no preview and no OK; the vector file of the same size
// still has its OK.
TEST_F(ExportDialogTest, SizesThatCannotBeDrawnAreReportedAndRefused) {
    Choose(QStringLiteral("Code 128B"));
    Click(Form->ButtonGenerate);
    Runs([](TExportDialog& Dialog) {
        QPushButton* ok = Dialog.Buttons->button(QDialogButtonBox::Ok);
        SetSize(Dialog, 10, QStringLiteral("600"));
        EXPECT_TRUE(Dialog.Preview().isNull());
        EXPECT_FALSE(ok->isEnabled());
        EXPECT_FALSE(Dialog.ReportText().startsWith(QStringLiteral("X-dimension")));
        Dialog.FileFormat->setCurrentIndex(1); // SVG
        EXPECT_TRUE(ok->isEnabled());
        EXPECT_TRUE(Dialog.ReportText().startsWith(QStringLiteral("X-dimension: 10.000 mm")))
            << Dialog.ReportText().toStdString();
        return false;
    });
    Click(Form->ButtonSave);
    EXPECT_TRUE(ProposedNames.empty());
}

// Sizes outside the standard are findings too, shown before the question.
TEST_F(ExportDialogTest, FindingsAreShownBeforeTheQuestion) {
    Type(QStringLiteral("400638133393"));
    Choose(QStringLiteral("Code EAN13"));
    QString findings;
    Runs([&findings](TExportDialog& Dialog) {
        Dialog.QuietZone->setCurrentIndex(1); // none
        findings = Dialog.FindingsText();
        return true;
    });
    Answer = false;
    Click(Form->ButtonSave);
    // EAN-13's first digit stands in its leading zone, which the picture keeps.
    EXPECT_TRUE(findings.contains(
        QStringLiteral("and 0X; EAN13 needs at least 11X before the bars and 7X after them.")))
        << findings.toStdString();
    EXPECT_EQ(Questions.size(), 1u);
    EXPECT_TRUE(ProposedNames.empty());
}

// A fresh configuration starts as the standards print symbols: the text in the standard
// layout (EAN/UPC with its guards and digit groups) and the symbology's own X-dimension.
TEST_F(ExportDialogTest, AFreshConfigurationStartsStandard) {
    Choose(QStringLiteral("Code EAN128A"));
    Type(QStringLiteral("0123"));
    Click(Form->ButtonGenerate);
    Runs([](TExportDialog& Dialog) {
        EXPECT_EQ(Dialog.TextLayout->currentText(), QStringLiteral("standard"));
        EXPECT_EQ(Dialog.XDimension->text(), QStringLiteral("standard"));
        EXPECT_EQ(Dialog.Description().Barcode.TextLayout, tlStandard);
        // EAN-128 at its standard X and height: 0.508 mm on 6 pixels at 300 dpi.
        EXPECT_TRUE(Dialog.ReportText().startsWith(QStringLiteral("X-dimension: 0.508 mm")))
            << Dialog.ReportText().toStdString();
        EXPECT_EQ(Dialog.FindingsText(), QStringLiteral("None"));
        return false;
    });
    Click(Form->ButtonSave);
}

} // namespace
} // namespace quillmark::testing
