#include "output_dialogs.h"

#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>

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

QString ShowSaveDialog(QWidget* Parent, const QString& ProposedName) {
    const QStringList filters = {QStringLiteral("PNG image (*.png)"),
                                 QStringLiteral("SVG image (*.svg)"),
                                 QStringLiteral("PDF document (*.pdf)")};
    const QStringList suffixes = {QStringLiteral("png"), QStringLiteral("svg"),
                                  QStringLiteral("pdf")};
    QFileDialog dialog(Parent, QStringLiteral("Save as File"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters(filters);
    dialog.setDefaultSuffix(suffixes.front());
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

} // namespace quillmark
