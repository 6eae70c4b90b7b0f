#include "batch_view.h"

#include "batch_files_writer.h"
#include "batch_rows_model.h"
#include "batch_text.h"
#include "sheet_preview.h"
#include "sheet_template_list.h"
#include "sheet_writer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QScrollBar>
#include <QSplitter>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

namespace quillmark::studio {

namespace {

enum TSourcePage { TablePage, SequencePage };
enum TOutputPage { SheetPage, FilesPage };

// The sheet's file until one is written.
constexpr const char* ProposedSheetFile = "labels.pdf";

// The combo box's entries, in TTableFormat's order.
constexpr std::array<std::pair<TTableFormat, const char*>, 2> Formats = {
    {{TTableFormat::Csv, "CSV (comma-separated)"}, {TTableFormat::Tsv, "TSV (tab-separated)"}}};

// An empty box leaves the column out.
std::optional<std::string> Column(const QLineEdit* Box) {
    const QString text = Box->text().trimmed();
    return text.isEmpty() ? std::nullopt : std::optional(text.toStdString());
}

QLineEdit* Edit(const char* Name, QWidget* Parent) {
    auto* edit = new QLineEdit(Parent);
    edit->setObjectName(QString::fromLatin1(Name));
    return edit;
}

} // namespace

TBatchView::TBatchView(QWidget* Parent)
    : QWidget(Parent), FModel(new TBatchRowsModel(this)), FSource(new QTabWidget(this)),
      FRows(new QTableView(this)), FTemplates(new TSheetTemplateList(FDatabase, this)),
      FPreview(new TSheetPreview(this)), FOutput(new QTabWidget(this)), FMessage(new QLabel(this)) {
    FSource->addTab(MakeTablePage(), tr("&Table"));
    FSource->addTab(MakeSequencePage(), tr("Se&quence"));
    // The rows take the height; the source's controls only what they need.
    FSource->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Maximum);
    connect(FSource, &QTabWidget::currentChanged, this, &TBatchView::Reload);

    auto* text = new QFormLayout;
    for (std::size_t i = 0; i < FText.size(); ++i) {
        FText[i] = Edit("labelText", this);
        FText[i]->setPlaceholderText(tr("e.g. {sku} or {seq}"));
        text->addRow(tr("Label text %1:").arg(i + 1), FText[i]);
        connect(FText[i], &QLineEdit::editingFinished, this, &TBatchView::Reload);
    }

    FRows->setObjectName(QStringLiteral("rows"));
    FRows->setModel(FModel);
    FRows->verticalHeader()->hide();
    FRows->horizontalHeader()->setStretchLastSection(true);
    // Values such as GS1 element strings are long; a cut one can't be checked by eye. Only
    // the rows in sight are measured, again as the view scrolls: the model holds a window of
    // rows, and measuring rows beyond it would read the table afresh for each.
    QHeaderView* columns = FRows->horizontalHeader();
    columns->setSectionResizeMode(TBatchRowsModel::ValueColumn, QHeaderView::ResizeToContents);
    columns->setResizeContentsPrecision(0);
    connect(FRows->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { FRows->resizeColumnToContents(TBatchRowsModel::ValueColumn); });
    FRows->setSelectionBehavior(QAbstractItemView::SelectRows);

    FMessage->setObjectName(QStringLiteral("message"));
    FMessage->setWordWrap(true);
    FMessage->setTextInteractionFlags(Qt::TextSelectableByMouse);

    auto* left = new QWidget(this);
    auto* leftLayout = new QVBoxLayout(left);
    leftLayout->setContentsMargins(0, 0, 0, 0);
    leftLayout->addWidget(FSource);
    leftLayout->addLayout(text);
    leftLayout->addWidget(FRows, 1);
    leftLayout->addWidget(FMessage);

    FOutput->setObjectName(QStringLiteral("output"));
    FOutput->addTab(MakeSheetPage(), tr("&Sheet of labels"));
    FOutput->addTab(MakeFilesPage(), tr("&Folder of files"));
    // The rows are checked as the output chosen draws them.
    connect(FOutput, &QTabWidget::currentChanged, this, [this] {
        FModel->SetJob(RowsJob());
        emit Changed();
    });

    auto* split = new QSplitter(this);
    split->addWidget(left);
    split->addWidget(FOutput);
    split->setStretchFactor(0, 2);
    split->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(split);
}

TBatchView::~TBatchView() = default;

QWidget* TBatchView::MakeTablePage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    FFile = Edit("tableFile", page);
    auto* open = new QPushButton(tr("&Open…"), page);
    connect(open, &QPushButton::clicked, this, &TBatchView::ChooseTable);
    auto* fileRow = new QHBoxLayout;
    fileRow->addWidget(FFile, 1);
    fileRow->addWidget(open);
    form->addRow(tr("File:"), fileRow);
    FFormat = new QComboBox(page);
    for (const auto& [format, name] : Formats)
        FFormat->addItem(tr(name));
    form->addRow(tr("Format:"), FFormat);
    FHeader = new QCheckBox(tr("First row is a &header"), page);
    FHeader->setChecked(true);
    form->addRow(FHeader);
    FValueColumn = Edit("valueColumn", page);
    FValueColumn->setText(QStringLiteral("1"));
    FValueColumn->setToolTip(tr("A header's name or a column's number from 1"));
    FTypeColumn = Edit("typeColumn", page);
    FTypeColumn->setPlaceholderText(tr("none: every row the symbol's type"));
    FCopiesColumn = Edit("copiesColumn", page);
    FCopiesColumn->setPlaceholderText(tr("none: one label a row"));
    form->addRow(tr("&Value column:"), FValueColumn);
    form->addRow(tr("T&ype column:"), FTypeColumn);
    form->addRow(tr("&Copies column:"), FCopiesColumn);
    for (QLineEdit* edit : {FFile, FValueColumn, FTypeColumn, FCopiesColumn})
        connect(edit, &QLineEdit::editingFinished, this, &TBatchView::Reload);
    connect(FFormat, &QComboBox::currentIndexChanged, this, &TBatchView::Reload);
    connect(FHeader, &QCheckBox::toggled, this, &TBatchView::Reload);
    return page;
}

QWidget* TBatchView::MakeSheetPage() {
    auto* page = new QWidget(this);
    auto* layout = new QVBoxLayout(page);
    auto* write = new QPushButton(tr("&Write sheet…"), page);
    layout->addWidget(FTemplates, 1);
    layout->addWidget(FPreview, 1);
    layout->addWidget(write);
    connect(FTemplates, &TSheetTemplateList::ChosenChanged, this, [this, write] {
        FPreview->SetTemplate(FTemplates->Chosen());
        write->setEnabled(FTemplates->Chosen() != nullptr);
        emit Changed();
    });
    FPreview->SetTemplate(FTemplates->Chosen());
    connect(write, &QPushButton::clicked, this, &TBatchView::ChooseSheetFile);
    return page;
}

QWidget* TBatchView::MakeFilesPage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    FFolder = Edit("folder", page);
    auto* choose = new QPushButton(tr("C&hoose…"), page);
    auto* folderRow = new QHBoxLayout;
    folderRow->addWidget(FFolder, 1);
    folderRow->addWidget(choose);
    form->addRow(tr("Folder:"), folderRow);
    FFileName = Edit("fileName", page);
    FFileName->setText(QStringLiteral("{n:05}"));
    FFileName->setToolTip(tr("{n} is the row's count, {n:05} padded to 5, {value} the value, "
                             "{sku} or {2} a column, {seq} a sequence's number; the format's "
                             "extension is added"));
    form->addRow(tr("File &name:"), FFileName);
    auto* write = new QPushButton(tr("Write &files"), page);
    form->addRow(write);
    for (QLineEdit* edit : {FFolder, FFileName})
        connect(edit, &QLineEdit::textChanged, this, &TBatchView::Changed);
    connect(choose, &QPushButton::clicked, this, &TBatchView::ChooseFolder);
    connect(write, &QPushButton::clicked, this, [this] { WriteFiles(FFolder->text()); });
    return page;
}

QWidget* TBatchView::MakeSequencePage() {
    auto* page = new QWidget(this);
    auto* form = new QFormLayout(page);
    const TSequenceInput defaults;
    FRange = Edit("range", page);
    FRange->setText(QString::fromStdString(defaults.Range));
    FRange->setToolTip(tr("FROM..TO or FROM..TO/STEP"));
    FValueTemplate = Edit("valueTemplate", page);
    FValueTemplate->setText(QString::fromStdString(defaults.ValueTemplate));
    FValueTemplate->setToolTip(tr("{seq} is the number, {seq:07} padded with zeros to 7"));
    form->addRow(tr("&Numbers:"), FRange);
    form->addRow(tr("Value &template:"), FValueTemplate);
    for (QLineEdit* edit : {FRange, FValueTemplate})
        connect(edit, &QLineEdit::editingFinished, this, &TBatchView::Reload);
    return page;
}

void TBatchView::SetOutputJob(const TOutputJob& Job) {
    FJob = Job;
    FModel->SetJob(RowsJob());
}

TOutputJob TBatchView::RowsJob() const {
    return FOutput->currentIndex() == SheetPage ? SheetJob() : FJob;
}

TOutputJob TBatchView::SheetJob() const {
    TOutputJob job = FJob;
    job.Format = TFileFormat::Pdf;
    return job;
}

TBatchInput TBatchView::Input() const {
    TBatchInput input;
    for (const QLineEdit* edit : FText)
        if (!edit->text().isEmpty())
            input.Text.push_back(edit->text().toStdString());
    if (FSource->currentIndex() == SequencePage) {
        input.Source = TSequenceInput{FRange->text().trimmed().toStdString(),
                                      FValueTemplate->text().toStdString()};
        return input;
    }
    TTableInput table;
    table.FileName = FFile->text().toStdString();
    table.Format = Formats.at(static_cast<std::size_t>(std::max(0, FFormat->currentIndex()))).first;
    table.Header = FHeader->isChecked();
    table.Columns = {Column(FValueColumn).value_or(TRecordColumns{}.Value), Column(FTypeColumn),
                     Column(FCopiesColumn)};
    input.Source = table;
    return input;
}

void TBatchView::SetInput(const TBatchInput& Input) {
    {
        // One read for the whole change, not one a control.
        const QSignalBlocker quietSource(FSource);
        const QSignalBlocker quietFormat(FFormat);
        const QSignalBlocker quietHeader(FHeader);
        for (std::size_t i = 0; i < FText.size(); ++i)
            FText[i]->setText(i < Input.Text.size() ? QString::fromStdString(Input.Text[i])
                                                    : QString());
        if (const auto* sequence = std::get_if<TSequenceInput>(&Input.Source)) {
            FSource->setCurrentIndex(SequencePage);
            FRange->setText(QString::fromStdString(sequence->Range));
            FValueTemplate->setText(QString::fromStdString(sequence->ValueTemplate));
        } else {
            const auto& table = std::get<TTableInput>(Input.Source);
            FSource->setCurrentIndex(TablePage);
            FFile->setText(QString::fromStdString(table.FileName));
            FFormat->setCurrentIndex(table.Format == TTableFormat::Csv ? 0 : 1);
            FHeader->setChecked(table.Header);
            FValueColumn->setText(QString::fromStdString(table.Columns.Value));
            FTypeColumn->setText(QString::fromStdString(table.Columns.Type.value_or("")));
            FCopiesColumn->setText(QString::fromStdString(table.Columns.Copies.value_or("")));
        }
    }
    Reload();
}

void TBatchView::Reload() {
    const auto changed = qScopeGuard([this] { emit Changed(); });
    const TBatchInput input = Input();
    if (const auto* table = std::get_if<TTableInput>(&input.Source);
        table && table->FileName.empty()) {
        Say(tr("Open a CSV or TSV file, or make a sequence."), false);
        return;
    }
    const QString fault = FModel->SetInput(input, RowsJob());
    if (!fault.isEmpty()) {
        Say(fault, true);
        return;
    }
    const auto rows = FModel->rowCount();
    const auto refused = FModel->Refused();
    Say(refused == 0
            ? tr("%n row(s), every one will draw.", "", rows)
            : tr("%n row(s), %1 refused: put them right, or the sheet is not written.", "", rows)
                  .arg(refused),
        refused != 0);
}

bool TBatchView::WriteSheet(const QString& FileName) {
    const TLabelTemplate* sheet = FTemplates->Chosen();
    if (!sheet) {
        Say(tr("Choose a sheet of labels from the list first."), true);
        return false;
    }
    try {
        const TSheetOutcome outcome =
            studio::WriteSheet(SheetJob(), Input(), *sheet, FileName.toStdString());
        if (outcome.Written) {
            Say(tr("Wrote %1 label(s) on %2 page(s) to %3.")
                    .arg(outcome.Labels)
                    .arg(outcome.Pages)
                    .arg(FileName),
                false);
            FLastSheetFile = FileName;
            emit Changed();
            return true;
        }
        SayFailures(outcome.Failures.empty()
                        ? tr("%1 not written: no row asked for a label.").arg(FileName)
                        : tr("%1 not written: put right the rows below.").arg(FileName),
                    outcome.Failures);
    } catch (const Exception& e) {
        Say(FromLatin1(e.Message()), true);
    }
    return false;
}

bool TBatchView::WriteFiles(const QString& Folder) {
    if (Folder.isEmpty()) {
        Say(tr("Choose the folder the files go to first."), true);
        return false;
    }
    try {
        const TFilesOutcome outcome = studio::WriteFiles(FJob, Input(), Folder.toStdString(),
                                                         FFileName->text().toStdString());
        if (Folder != FLastFolder) {
            FLastFolder = Folder;
            emit Changed();
        }
        const QString written =
            tr("Wrote %n file(s) to %1.", "", static_cast<int>(outcome.Written)).arg(Folder);
        if (outcome.Failures.empty()) {
            Say(written, false);
            return true;
        }
        SayFailures(written + QLatin1Char(' ') +
                        tr("%n row(s) failed:", "", static_cast<int>(outcome.Failures.size())),
                    outcome.Failures);
    } catch (const Exception& e) {
        Say(FromLatin1(e.Message()), true);
    }
    return false;
}

TBatchOutput TBatchView::Output() const {
    if (FOutput->currentIndex() == FilesPage) {
        const QString folder = FFolder->text().isEmpty() ? FLastFolder : FFolder->text();
        return {TFilesOutput{folder.toStdString(), FFileName->text().toStdString()}};
    }
    const TLabelTemplate* sheet = FTemplates->Chosen();
    return {TSheetOutput{sheet ? sheet->Name() : std::string(), SheetFile().toStdString()}};
}

QString TBatchView::SheetFile() const {
    return FLastSheetFile.isEmpty() ? QString::fromLatin1(ProposedSheetFile) : FLastSheetFile;
}

void TBatchView::SayFailures(const QString& Summary, const std::vector<std::string>& Failures) {
    QStringList lines{Summary};
    for (const std::string& failure : Failures)
        lines << FromLatin1(failure);
    Say(lines.join(QLatin1Char('\n')), true);
}

void TBatchView::ChooseFolder() {
    const QString folder =
        QFileDialog::getExistingDirectory(this, tr("Folder for the files"), FFolder->text());
    if (!folder.isEmpty())
        FFolder->setText(folder);
}

void TBatchView::ChooseTable() {
    const QString file =
        QFileDialog::getOpenFileName(this, tr("Open a table"), FFile->text(),
                                     tr("Tables (*.csv *.tsv *.tab *.txt);;All files (*)"));
    if (file.isEmpty())
        return;
    FFile->setText(file);
    if (file.endsWith(QStringLiteral(".tsv"), Qt::CaseInsensitive) ||
        file.endsWith(QStringLiteral(".tab"), Qt::CaseInsensitive))
        FFormat->setCurrentIndex(1);
    Reload();
}

void TBatchView::ChooseSheetFile() {
    const QString file = QFileDialog::getSaveFileName(this, tr("Write the sheet"), SheetFile(),
                                                      tr("PDF files (*.pdf)"));
    if (!file.isEmpty())
        WriteSheet(file);
}

QString TBatchView::Message() const {
    return FMessage->text();
}

void TBatchView::Say(const QString& Text, bool Fault) {
    FMessage->setText(Text);
    FMessage->setStyleSheet(Fault ? QStringLiteral("color: #a00000") : QString());
}

} // namespace quillmark::studio
