// The export, save and print dialogs of the window, replaceable so tests choose without a
// modal dialog.
#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace quillmark {

class TExportDialog;

// Gives the chosen file name, or an empty string when the user cancels.
using SaveFileChooser = std::function<QString(QWidget* Parent, const QString& ProposedName)>;
// Sets up Printer and gives true when the user asks to print.
using PrintDialogRunner = std::function<bool(QWidget* Parent, QPrinter& Printer)>;
// Gives true for OK, having set the dialog's fields as the user would.
using ExportDialogRunner = std::function<bool(TExportDialog& Dialog)>;

// An empty function restores the Qt dialog.
void SetSaveFileChooser(SaveFileChooser Chooser);
void SetPrintDialogRunner(PrintDialogRunner Runner);
void SetExportDialogRunner(ExportDialogRunner Runner);

// Offers every file format, starting from ProposedName and the format of its extension.
QString ChooseSaveFile(QWidget* Parent, const QString& ProposedName);
bool RunPrintDialog(QWidget* Parent, QPrinter& Printer);
// True for OK; the choices of a symbol that can be drawn are then kept for next time.
bool RunExportDialog(TExportDialog& Dialog);

} // namespace quillmark
