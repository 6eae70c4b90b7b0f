// The window's ways out: Save as File, Copy and Print, and the clipped-preview note.
#include "form_main.h"

#include "barcode_output.h"
#include "export_dialog.h"
#include "messages.h"
#include "output_dialogs.h"
#include <quillmark/barcode.h>
#include <quillmark/clipboard_data.h>
#include <quillmark/error_messages.h>
#include <quillmark/files.h>
#include <quillmark/output_job.h>
#include <quillmark/print.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>

namespace quillmark {

namespace {

QAction* AddAction(TBarCode* Control, const QString& Text, QKeySequence::StandardKey Key) {
    auto* action = new QAction(Text, Control);
    if (Key != QKeySequence::UnknownKey)
        action->setShortcut(Key);
    action->setShortcutContext(Qt::WindowShortcut);
    Control->addAction(action);
    return action;
}

} // namespace

void TFormMain::CreateOutputActions() {
    ActionCopy = AddAction(BarCode1, QStringLiteral("Copy"), QKeySequence::Copy);
    ActionPrint = AddAction(BarCode1, QStringLiteral("Print..."), QKeySequence::Print);
    ActionSave = AddAction(BarCode1, QStringLiteral("Save as File..."), QKeySequence::UnknownKey);
    BarCode1->setContextMenuPolicy(Qt::ActionsContextMenu);
    connect(ActionCopy, &QAction::triggered, this, [this] { CopyClick(); });
    connect(ActionPrint, &QAction::triggered, this, [this] { PrintClick(); });
    connect(ActionSave, &QAction::triggered, this, [this] { ButtonSaveClick(); });
    BarcodeValue->installEventFilter(this);
    connect(BarCode1, &TBarCode::Changed, this, [this] { UpdatePreviewNote(); });
    UpdatePreviewNote();
}

void TFormMain::RunOutput(TExportPurpose Purpose, const QString& Action,
                          const std::function<void(TPreparedSymbol&, TOutputJob&)>& Output) {
    // What the control shows, exactly: nothing else may leave.
    if (const QString why = NothingShownReason(*BarCode1); !why.isEmpty()) {
        ShowMessage(this, why);
        return;
    }
    const TBarcodeSettings shown = BarCode1->Settings();
    const auto shortened = [&shown](std::vector<std::string> Findings) {
        for (std::string& finding : Findings)
            finding = ShortenedMessage(finding, shown.BarCode);
        return Findings;
    };
    try {
        const TCheckDigits mode = CheckDigitsOf(shown.CheckSum);
        TExportDialog dialog(Purpose, DescribeForOutput(*BarCode1, shown), shown.BarCode, mode,
                             this);
        if (!RunExportDialog(dialog))
            return;
        TPreparedSymbol& symbol = dialog.Prepared();
        // The check reads the layout the output draws from, as the dialog did.
        const std::vector<std::string> asked = shortened(symbol.Findings(dialog.Format()));
        if (!asked.empty() && !AskQuestion(this, FindingsText(asked, Action)))
            return;
        TOutputJob job;
        job.Format = dialog.Format();
        // A format other than the dialog's (a file name's) may bring findings of its own.
        job.Gate = [&](const std::vector<std::string>& Findings) {
            const std::vector<std::string> told = shortened(Findings);
            return told.empty() || told == asked || AskQuestion(this, FindingsText(told, Action));
        };
        Output(symbol, job);
    } catch (const std::exception& error) {
        ShowMessage(this,
                    QString::fromLatin1(ShortenedMessage(error.what(), shown.BarCode).c_str()));
    }
}

void TFormMain::ButtonSaveClick() {
    RunOutput(TExportPurpose::Save, QStringLiteral("Save it anyway?"),
              [this](TPreparedSymbol& Symbol, TOutputJob& Job) {
                  const QString path = ChooseSaveFile(
                      this, ProposedFileName(Symbol.Description().Barcode.BarCode, Job.Format));
                  if (path.isEmpty())
                      return;
                  Job.Format = FileFormatOf(path);
                  RunOutputJob(Job, Symbol, FileSink(path, TDurability::Flush));
              });
}

void TFormMain::CopyClick() {
    RunOutput(TExportPurpose::Copy, QStringLiteral("Copy it anyway?"),
              [](TPreparedSymbol& Symbol, const TOutputJob& Job) {
                  RunOutputJob(Job, Symbol, [&Symbol](const QByteArray& Png) {
                      QGuiApplication::clipboard()->setMimeData(
                          MakeMimeData(Symbol, Png).release());
                  });
              });
}

void TFormMain::PrintClick() {
    RunOutput(TExportPurpose::Print, QStringLiteral("Print it anyway?"),
              [this](TPreparedSymbol& Symbol, const TOutputJob& Job) {
                  QPrinter printer(QPrinter::HighResolution);
                  if (!RunPrintDialog(this, printer))
                      return;
                  // The printer draws the vector layout itself; the job checks and gates it.
                  RunOutputJob(Job, Symbol,
                               [&](const QByteArray&) { PrintBarcode(printer, Symbol.Vector()); });
              });
}

void TFormMain::UpdatePreviewNote() {
    BarCode1->setToolTip(ClippedPreviewNote(*BarCode1));
    UpdateOutputActions();
}

void TFormMain::UpdateOutputActions() {
    const QString why = NothingShownReason(*BarCode1);
    const bool shown = why.isEmpty();
    for (QAction* action : {ActionCopy, ActionPrint, ActionSave}) {
        action->setEnabled(shown);
        action->setToolTip(shown ? action->text() : why);
    }
    ButtonSave->setEnabled(shown);
    ButtonSave->setToolTip(why);
}

} // namespace quillmark
