// The window's ways out: Save, Copy and Print, each through the output job the command line
// runs, on the symbol the window shows.
#include "studio_window.h"

#include "command_pane.h"

#include <quillmark/clipboard_data.h>
#include <quillmark/files.h>
#include <quillmark/output_job.h>
#include <quillmark/prepared_symbol.h>
#include <quillmark/print.h>

#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>

namespace quillmark::studio {

namespace {

// "PNG image (*.png);;SVG image (*.svg);;PDF document (*.pdf)"
QString FormatFilters() {
    QStringList filters;
    for (const TFileFormatName& format : FileFormats)
        filters << QStringLiteral("%1 (*.%2)")
                       .arg(QString::fromLatin1(format.Name), QString::fromLatin1(format.Suffix));
    return filters.join(QStringLiteral(";;"));
}

// The value with each run of characters a file name may not safely hold as one "_", none at
// either end: "(00)0950110153" gives "00_0950110153".
QString FileStem(const QString& Value) {
    QString stem;
    for (const QChar ch : Value) {
        if (ch.isLetterOrNumber() || ch == u'-' || ch == u'.')
            stem += ch;
        else if (!stem.isEmpty() && !stem.endsWith(u'_'))
            stem += u'_';
    }
    while (stem.endsWith(u'_'))
        stem.chop(1);
    return stem.isEmpty() ? QStringLiteral("barcode") : stem.left(64);
}

} // namespace

QString TStudioWindow::ProposedFileName() const {
    return FileStem(Value()) + QStringLiteral(".png");
}

bool TStudioWindow::SaveTo(const QString& FileName) {
    if (!FSymbol)
        return false;
    try {
        TOutputJob job = FJob;
        job.Format = FileFormatOf(FileName);
        RunOutputJob(job, *FSymbol, FileSink(FileName, TDurability::Flush));
        FFolder = QFileInfo(FileName).absolutePath();
        // The command beside it now writes this very file.
        FCommand->SetFileName(FileName);
        ShowCommand();
        ShowProblem(QStringLiteral("Saved %1").arg(QDir::toNativeSeparators(FileName)));
        return true;
    } catch (const std::exception& error) {
        ShowProblem(QString::fromLocal8Bit(error.what()));
        return false;
    }
}

void TStudioWindow::SaveAs() {
    if (!FSymbol)
        return;
    const QString proposed =
        QDir(FFolder.isEmpty() ? QDir::homePath() : FFolder).filePath(ProposedFileName());
    const QString path = QFileDialog::getSaveFileName(this, QStringLiteral("Save the symbol"),
                                                      proposed, FormatFilters());
    if (!path.isEmpty())
        SaveTo(path);
}

void TStudioWindow::CopySymbol() {
    if (!FSymbol)
        return;
    try {
        TOutputJob job = FJob;
        RunOutputJob(job, *FSymbol, [this](const QByteArray& Png) {
            QGuiApplication::clipboard()->setMimeData(MakeMimeData(*FSymbol, Png).release());
        });
        ShowProblem(QStringLiteral("Copied"));
    } catch (const std::exception& error) {
        ShowProblem(QString::fromLocal8Bit(error.what()));
    }
}

void TStudioWindow::PrintSymbol() {
    if (!FSymbol)
        return;
    QPrinter printer(QPrinter::HighResolution);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    try {
        // The printer draws the vector layout at its true size; the job checks it first.
        TOutputJob job = FJob;
        job.Format = TFileFormat::Pdf;
        RunOutputJob(job, *FSymbol,
                     [&](const QByteArray&) { PrintBarcode(printer, FSymbol->Vector()); });
    } catch (const std::exception& error) {
        ShowProblem(QString::fromLocal8Bit(error.what()));
    }
}

} // namespace quillmark::studio
