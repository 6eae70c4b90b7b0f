#include "output_dialogs.h"

#include "export_dialog.h"
#include <quillmark/file_formats.h>

#include <QFileDialog>
#include <QFileInfo>
#include <QPrintDialog>
#include <QPrinter>

#include <algorithm>
#include <utility>

namespace quillmark {

namespace {

SaveFileChooser& CurrentChooser() {
    static SaveFileChooser chooser;
    return chooser;
}

PrintDialogRunner& CurrentRunner() {
    static PrintDialogRunner runner;
    return runner;
}

ExportDialogRunner& CurrentExportRunner() {
    static ExportDialogRunner runner;
    return runner;
}

QString ShowSaveDialog(QWidget* Parent, const QString& ProposedName) {
    QStringList filters;
    QStringList suffixes;
    for (const TFileFormatName& format : FileFormats) {
        filters.append(QStringLiteral("%1 (*.%2)")
                           .arg(QLatin1String(format.Name), QLatin1String(format.Suffix)));
        suffixes.append(QString::fromLatin1(format.Suffix));
    }
    QFileDialog dialog(Parent, QStringLiteral("Save as File"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    const qsizetype proposed =
        std::max<qsizetype>(0, suffixes.indexOf(QFileInfo(ProposedName).suffix().toLower()));
    dialog.selectNameFilter(filters[proposed]);
    dialog.setDefaultSuffix(suffixes[proposed]);
    // A name typed without an extension takes the one of the chosen filter.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& filter) {
        const qsizetype index = filters.indexOf(filter);
        if (index >= 0)
            dialog.setDefaultSuffix(suffixes[index]);
    });
    dialog.selectFile(ProposedName);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return dialog.selectedFiles().front();
}

} // namespace

void SetSaveFileChooser(SaveFileChooser Chooser) {
    CurrentChooser() = std::move(Chooser);
}

void SetPrintDialogRunner(PrintDialogRunner Runner) {
    CurrentRunner() = std::move(Runner);
}

void SetExportDialogRunner(ExportDialogRunner Runner) {
    CurrentExportRunner() = std::move(Runner);
}

QString ChooseSaveFile(QWidget* Parent, const QString& ProposedName) {
    if (const SaveFileChooser& chooser = CurrentChooser())
        return chooser(Parent, ProposedName);
    return ShowSaveDialog(Parent, ProposedName);
}

bool RunPrintDialog(QWidget* Parent, QPrinter& Printer) {
    if (const PrintDialogRunner& runner = CurrentRunner())
        return runner(Parent, Printer);
    QPrintDialog dialog(&Printer, Parent);
    return dialog.exec() == QDialog::Accepted;
}

bool RunExportDialog(TExportDialog& Dialog) {
    const ExportDialogRunner& runner = CurrentExportRunner();
    const bool accepted = runner ? runner(Dialog) : Dialog.exec() == QDialog::Accepted;
    // A runner may accept what OK would refuse; the output then says why it can't.
    if (accepted && Dialog.Acceptable())
        Dialog.Keep();
    return accepted;
}

} // namespace quillmark
