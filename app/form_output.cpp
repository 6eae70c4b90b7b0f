// The window's ways out: Save as File, Copy and Print, and the clipped-preview note.
#include "form_main.h"

#include "barcode.h"
#include "barcode_output.h"
#include "clipboard_data.h"
#include "files.h"
#include "messages.h"
#include "output_dialogs.h"
#include "output_job.h"
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

void TFormMain::RunOutput(const QString& Action,
                          const std::function<void(TPreparedSymbol&)>& Output) {
    try {
        // The check reads the vector layout, which SVG, PDF and printing then draw from.
        TPreparedSymbol symbol(DescribeForOutput(*BarCode1, FShown), FShown.BarCode,
                               CheckDigitsOf(FShown.CheckSum));
        const std::vector<std::string> findings = symbol.Findings(TFileFormat::Svg);
        if (!findings.empty() && !AskQuestion(this, FindingsText(findings, Action)))
            return;
        Output(symbol);
    } catch (const std::exception& error) {
        ShowMessage(this, QString::fromLatin1(error.what()));
    }
}

void TFormMain::ButtonSaveClick() {
    RunOutput(QStringLiteral("Save it anyway?"), [this](TPreparedSymbol& Symbol) {
        const QString path = ChooseSaveFile(this, ProposedFileName(FShown.BarCode));
        if (!path.isEmpty())
            WriteFileAtomically(path, Symbol.Render(FileFormatOf(path)), TDurability::Flush);
    });
}

void TFormMain::CopyClick() {
    RunOutput(QStringLiteral("Copy it anyway?"), [](TPreparedSymbol& Symbol) {
        QGuiApplication::clipboard()->setMimeData(MakeMimeData(Symbol).release());
    });
}

void TFormMain::PrintClick() {
    RunOutput(QStringLiteral("Print it anyway?"), [this](TPreparedSymbol& Symbol) {
        QPrinter printer(QPrinter::HighResolution);
        if (RunPrintDialog(this, printer))
            PrintBarcode(printer, Symbol.Vector());
    });
}

void TFormMain::UpdatePreviewNote() {
    BarCode1->setToolTip(ClippedPreviewNote(*BarCode1));
}

} // namespace quillmark
