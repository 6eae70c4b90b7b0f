// The save and print dialogs of the window, replaceable so tests choose without a modal
// dialog.
#pragma once

#include <QString>

#include <functional>

class QPrinter;
class QWidget;

namespace quillmark {

// Gives the chosen file name, or an empty string when the user cancels.
using SaveFileChooser = std::function<QString(QWidget* Parent, const QString& ProposedName)>;
// Sets up Printer and gives true when the user asks to print.
using PrintDialogRunner = std::function<bool(QWidget* Parent, QPrinter& Printer)>;

// An empty function restores the Qt dialog.
void SetSaveFileChooser(SaveFileChooser Chooser);
void SetPrintDialogRunner(PrintDialogRunner Runner);

// Offers PNG, SVG and PDF, starting from ProposedName.
QString ChooseSaveFile(QWidget* Parent, const QString& ProposedName);
bool RunPrintDialog(QWidget* Parent, QPrinter& Printer);

} // namespace quillmark
