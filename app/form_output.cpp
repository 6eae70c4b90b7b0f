// The window's ways out: Save as File, Copy and Print, and the clipped-preview note.
#include "form_main.h"

#include "barcode.h"
#include "barcode_output.h"
#include "clipboard_data.h"
#include "files.h"
#include "messages.h"
#include "output_dialogs.h"
#include "print.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPrinter>

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

void TFormMain::RunOutput(const QString& Action, const std::function<void()>& Output) {
    try {
        const QString question = FindingsQuestion(DescribeForOutput(*BarCode1), Action);
        if (!question.isEmpty() && !AskQuestion(this, question))
            return;
        Output();
    } catch (const std::exception& error) {
        ShowMessage(this, QString::fromLatin1(error.what()));
    }
}

void TFormMain::ButtonSaveClick() {
    RunOutput(QStringLiteral("Save it anyway?"), [this] {
        const QString path = ChooseSaveFile(this, ProposedFileName(BarCode1->BarCode()));
        if (!path.isEmpty())
            SaveBarcode(path, DescribeForOutput(*BarCode1));
    });
}

void TFormMain::CopyClick() {
    RunOutput(QStringLiteral("Copy it anyway?"), [this] {
        QGuiApplication::clipboard()->setMimeData(
            MakeMimeData(DescribeForOutput(*BarCode1)).release());
    });
}

void TFormMain::PrintClick() {
    RunOutput(QStringLiteral("Print it anyway?"), [this] {
        QPrinter printer(QPrinter::HighResolution);
        if (RunPrintDialog(this, printer))
            PrintBarcode(printer, DescribeForOutput(*BarCode1));
    });
}

void TFormMain::UpdatePreviewNote() {
    BarCode1->setToolTip(ClippedPreviewNote(*BarCode1));
}

} // namespace quillmark
