#include "studio_window.h"

#include "batch_view.h"
#include "command_pane.h"
#include "symbol_list.h"
#include "symbol_options.h"
#include "symbol_preview.h"
#include <quillmark/error_messages.h>
#include <quillmark/latin1.h>
#include <quillmark/output_job.h>
#include <quillmark/prepared_symbol.h>
#include <symbol_job.h>

#include <QAction>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QDockWidget>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QSettings>
#include <QSpinBox>
#include <QSplitter>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include <typeinfo>

namespace quillmark::studio {

namespace {

// An engine message as a person reads it: Latin-1 but for the UTF-8 of a character beyond it,
// a long value shortened.
QString MessageOf(const std::exception& Error, const std::string& Value) {
    if (const auto* notLatin1 = dynamic_cast<const ENotLatin1*>(&Error))
        return QString::fromStdString(ShortenedMessage(notLatin1->Message(), Value));
    if (const auto* error = dynamic_cast<const Exception*>(&Error))
        return QString::fromStdString(Utf8FromLatin1(ShortenedMessage(error->Message(), Value)));
    return QString::fromLocal8Bit(Error.what());
}

QScrollArea* Scrolled(QWidget* Inside, bool Resizable) {
    auto* area = new QScrollArea;
    area->setWidget(Inside);
    area->setWidgetResizable(Resizable);
    return area;
}

} // namespace

TStudioWindow::TStudioWindow(std::unique_ptr<QSettings> Settings, QWidget* Parent)
    : QMainWindow(Parent), FSettings(std::move(Settings)), FFactory(FittingValueEditor) {
    if (!FSettings)
        FSettings = std::make_unique<QSettings>();
    setWindowTitle(QStringLiteral("Quillmark Studio"));
    FViews = new QTabWidget;
    FViews->setDocumentMode(true);
    FViews->addTab(MakeSymbolView(), QStringLiteral("Symbol"));
    FBatch = new TBatchView;
    FViews->addTab(FBatch, QStringLiteral("Batch"));
    setCentralWidget(FViews);
    FCommand = new TCommandPane;
    FCommandDock = new QDockWidget(QStringLiteral("Command line"));
    FCommandDock->setObjectName(QStringLiteral("CommandDock"));
    FCommandDock->setWidget(FCommand);
    FCommandDock->setFeatures(QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetMovable);
    addDockWidget(Qt::BottomDockWidgetArea, FCommandDock);
    statusBar();

    CreateActions();
    ReplaceEditor(FList->Current());
    FOptions->SetType(FList->Current());
    connect(FList, &TSymbolList::TypeChosen, this, [this](TBarType Type) { ChangeType(Type); });
    connect(FOptions, &TSymbolOptions::Changed, this, [this] { Refresh(); });
    connect(FZoom, &QSpinBox::valueChanged, FPreview, &TSymbolPreview::SetZoom);
    connect(FCommand, &TCommandPane::FileNameChanged, this, [this] { ShowCommand(); });
    // The rows are checked with the symbol's settings when the Batch view is looked at, and
    // the pane's command is the view's.
    connect(FViews, &QTabWidget::currentChanged, this, [this] {
        if (FViews->currentWidget() == FBatch)
            FBatch->SetOutputJob(FJob);
        ShowCommand();
    });
    connect(FBatch, &TBatchView::Changed, this, [this] { ShowCommand(); });
    resize(1280, 800);
    LoadSettings();
    Refresh();
}

QWidget* TStudioWindow::MakeSymbolView() {
    FList = new TSymbolList;
    FOptions = new TSymbolOptions;
    FPreview = new TSymbolPreview;
    auto* middle = new QWidget;
    auto* column = new QVBoxLayout(middle);
    auto* valueLabel = new QLabel(QStringLiteral("&Value"));
    FEditorHolder = new QWidget;
    auto* holder = new QVBoxLayout(FEditorHolder);
    holder->setContentsMargins(0, 0, 0, 0);
    FRefusal = new QLabel;
    FRefusal->setObjectName(QStringLiteral("Refusal"));
    FRefusal->setWordWrap(true);
    FRefusal->setTextInteractionFlags(Qt::TextSelectableByMouse);
    FRefusal->setStyleSheet(QStringLiteral("color: #b00020"));
    auto* previewArea = Scrolled(FPreview, false);
    previewArea->setAlignment(Qt::AlignCenter);
    previewArea->setBackgroundRole(QPalette::Mid);
    auto* zoomRow = new QHBoxLayout;
    FZoom = new QSpinBox;
    FZoom->setObjectName(QStringLiteral("Zoom"));
    FZoom->setRange(1, MostZoom);
    FZoom->setPrefix(QStringLiteral("x"));
    FZoom->setToolTip(QStringLiteral("Whole device pixels each pixel of the true size takes"));
    auto* zoomLabel = new QLabel(QStringLiteral("&Zoom"));
    zoomLabel->setBuddy(FZoom);
    zoomRow->addWidget(zoomLabel);
    zoomRow->addWidget(FZoom);
    zoomRow->addStretch();
    FFindings = new QPlainTextEdit;
    FFindings->setObjectName(QStringLiteral("Findings"));
    FFindings->setReadOnly(true);
    FFindings->setMaximumBlockCount(200);
    column->addWidget(valueLabel);
    column->addWidget(FEditorHolder);
    column->addWidget(FRefusal);
    column->addWidget(previewArea, 3);
    column->addLayout(zoomRow);
    column->addWidget(new QLabel(QStringLiteral("Findings and print fit")));
    column->addWidget(FFindings, 1);

    FSplitter = new QSplitter;
    FSplitter->addWidget(FList);
    FSplitter->addWidget(middle);
    FSplitter->addWidget(Scrolled(FOptions, true));
    FSplitter->setStretchFactor(1, 1);
    FSplitter->setSizes({230, 620, 430});
    valueLabel->setBuddy(FEditorHolder);
    return FSplitter;
}

TStudioWindow::~TStudioWindow() = default;

void TStudioWindow::CreateActions() {
    const auto add = [this](QMenu* Menu, const QString& Text, const QKeySequence& Key, auto Slot) {
        QAction* action = Menu->addAction(Text);
        action->setShortcut(Key);
        connect(action, &QAction::triggered, this, Slot);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    FSave = add(file, QStringLiteral("&Save..."), QKeySequence::Save, [this] { SaveAs(); });
    FCopy = add(file, QStringLiteral("&Copy symbol"), QKeySequence(QStringLiteral("Ctrl+Shift+C")),
                [this] { CopySymbol(); });
    FPrint = add(file, QStringLiteral("&Print..."), QKeySequence::Print, [this] { PrintSymbol(); });
    file->addSeparator();
    const auto toggle = [this, file](const QString& Text, const QString& Tip) {
        QAction* action = file->addAction(Text);
        action->setCheckable(true);
        action->setToolTip(Tip);
        connect(action, &QAction::toggled, this, [this] { Refresh(); });
        return action;
    };
    FStrict = toggle(QStringLiteral("Refuse a symbol with &findings"),
                     QStringLiteral("Save nothing where the symbol departs from its standard"));
    FVerify = toggle(QStringLiteral("&Read back what is saved"),
                     QStringLiteral("Read each file back with zxing-cpp and refuse one that "
                                    "reads otherwise"));
    file->addSeparator();
    add(file, QStringLiteral("&Quit"), QKeySequence::Quit, [this] { close(); });
    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    add(view, QStringLiteral("Zoom &in"), QKeySequence::ZoomIn,
        [this] { FZoom->setValue(FZoom->value() + 1); });
    add(view, QStringLiteral("Zoom &out"), QKeySequence::ZoomOut,
        [this] { FZoom->setValue(FZoom->value() - 1); });
    add(view, QStringLiteral("&True size"), QKeySequence(QStringLiteral("Ctrl+0")),
        [this] { FZoom->setValue(1); });
    view->addSeparator();
    add(view, QStringLiteral("&Symbol"), QKeySequence(QStringLiteral("Ctrl+1")),
        [this] { FViews->setCurrentIndex(0); });
    add(view, QStringLiteral("&Batch"), QKeySequence(QStringLiteral("Ctrl+2")),
        [this] { FViews->setCurrentWidget(FBatch); });
    QAction* command = FCommandDock->toggleViewAction();
    command->setShortcut(QKeySequence(QStringLiteral("Ctrl+K")));
    view->addAction(command);
    view->addSeparator();
    add(view, QStringLiteral("&Find a type"), QKeySequence::Find, [this] {
        FList->Filter()->setFocus();
        FList->Filter()->selectAll();
    });
    add(view, QStringLiteral("Edit the &value"), QKeySequence(QStringLiteral("Ctrl+L")),
        [this] { FEditor->FocusWidget()->setFocus(); });
    add(view, QStringLiteral("&Options"), QKeySequence(QStringLiteral("Ctrl+E")),
        [this] { FOptions->FirstField()->setFocus(Qt::ShortcutFocusReason); });
}

void TStudioWindow::SetValueEditorFactory(TValueEditorFactory Factory) {
    FFactory = std::move(Factory);
    ReplaceEditor(Type());
    Refresh();
}

void TStudioWindow::ReplaceEditor(TBarType Type) {
    const QString value = FEditor != nullptr ? FEditor->Value() : QString();
    std::unique_ptr<TValueEditor> editor = FFactory ? FFactory(Type, FEditorHolder) : nullptr;
    // The plain editor stays where it serves both types, keeping its place and the focus.
    if (!editor && FEditor != nullptr && typeid(*FEditor) == typeid(TLineValueEditor))
        return;
    if (!editor)
        editor = std::make_unique<TLineValueEditor>(FEditorHolder);
    if (FEditor != nullptr) {
        FEditorHolder->layout()->removeWidget(FEditor);
        FEditor->hide();
        FEditor->deleteLater();
    }
    FEditor = editor.release();
    FEditor->setObjectName(QStringLiteral("ValueEditor"));
    FEditor->SetValue(value);
    FEditorHolder->layout()->addWidget(FEditor);
    FEditorHolder->setFocusProxy(FEditor->FocusWidget());
    connect(FEditor, &TValueEditor::ValueChanged, this, [this] { Refresh(); });
}

TBarType TStudioWindow::Type() const {
    return FList->Current();
}

void TStudioWindow::SetType(TBarType Type) {
    FList->SetCurrent(Type);
    ChangeType(Type);
}

void TStudioWindow::ChangeType(TBarType Type) {
    FOptions->SetType(Type);
    ReplaceEditor(Type);
    Refresh();
}

QString TStudioWindow::Value() const {
    return FEditor->Value();
}

void TStudioWindow::SetValue(const QString& Value) {
    FEditor->SetValue(Value);
    Refresh();
}

QString TStudioWindow::Refusal() const {
    return FRefusal->text();
}

const TBarcodeDescription* TStudioWindow::Described() const {
    return FSymbol ? &FSymbol->Description() : nullptr;
}

TOutputJob TStudioWindow::MakeJob() const {
    TOutputJob job;
    job.Description.Barcode.BarType = Type();
    FOptions->Apply(job.Description);
    job.CheckDigits = FOptions->CheckDigits();
    if (FStrict->isChecked())
        cli::StopOnFindings(job);
    if (FVerify->isChecked())
        cli::ReadBackSymbols(job, false);
    return job;
}

void TStudioWindow::Refresh() {
    FSymbol.reset();
    FFindings->clear();
    FJob = MakeJob();
    FEditor->FollowOptions(FJob.Description, FJob.CheckDigits);
    if (FViews->currentWidget() == FBatch)
        FBatch->SetOutputJob(FJob);
    const std::string value = FEditor->Value().toStdString();
    try {
        if (value.empty())
            throw Exception("Type a value to draw.");
        auto symbol = std::make_unique<TPreparedSymbol>(FJob.Description, ValueFromText(value),
                                                        FJob.CheckDigits);
        // What Save writes: its findings and the fit of its pixels, as the output job checks them.
        TOutputJob job = FJob;
        job.Report = true;
        job.Gate = {};
        TOutputResult checked;
        CheckOutputSymbol(job, *symbol, TFileFormat::Png, checked);
        FPreview->Show(symbol->Description(), symbol->SharedValue());
        QStringList lines;
        for (const std::string& finding : checked.Findings)
            lines << QString::fromStdString(Utf8FromLatin1(finding));
        if (checked.Findings.empty())
            lines << QStringLiteral("Meets its standard as far as can be told.");
        lines << QString();
        for (const std::string& line : checked.Report)
            lines << QString::fromStdString(line);
        FFindings->setPlainText(lines.join(u'\n'));
        FSymbol = std::move(symbol);
        ShowRefusal(FStrict->isChecked() && !checked.Findings.empty()
                        ? QStringLiteral("The symbol departs from its standard (see its findings), "
                                         "and File > Refuse a symbol with findings is on.")
                        : QString());
        ShowCommand();
    } catch (const std::exception& error) {
        FPreview->Clear();
        ShowRefusal(MessageOf(error, value));
        ShowCommand();
    }
}

void TStudioWindow::ShowCommand() {
    TSaveRequest request;
    request.Strict = FStrict->isChecked();
    request.Verify = FVerify->isChecked();
    if (FViews->currentWidget() == FBatch) {
        FCommand->ShowWhole(BatchCommandLineOf(FJob, request, FBatch->Input(), FBatch->Output()));
        return;
    }
    if (!FSymbol) {
        FCommand->ShowNone({});
        return;
    }
    request.Value = ValueFromText(Value().toStdString());
    FCommand->ProposeFileName(ProposedFileName());
    FCommand->Show(FJob, request);
}

void TStudioWindow::ShowRefusal(const QString& Why) {
    FRefusal->setText(Why);
    FRefusal->setVisible(!Why.isEmpty());
    for (QAction* action : {FSave, FCopy, FPrint}) {
        action->setEnabled(Why.isEmpty());
        action->setToolTip(Why.isEmpty() ? action->text() : Why);
    }
}

void TStudioWindow::ShowProblem(const QString& What) {
    statusBar()->showMessage(What);
}

void TStudioWindow::closeEvent(QCloseEvent* Event) {
    SaveSettings();
    Event->accept();
}

} // namespace quillmark::studio
