#include "gs1_editor.h"

#include <quillmark/digital_link.h>

#include <QApplication>
#include <QClipboard>
#include <QFormLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <optional>

namespace quillmark::studio {
namespace {

QString FromEngine(const std::string& Text) {
    return QString::fromStdString(Text);
}

// A read-only cell: the title and the check are the engine's, not the user's.
QTableWidgetItem* ShownItem(const QString& Text) {
    auto item = std::make_unique<QTableWidgetItem>(Text);
    item->setFlags(Qt::ItemIsEnabled);
    return item.release(); // the table owns its items
}

// The rows of element strings in Text, or none with the engine's reason in Problem.
std::optional<std::vector<TGs1Row>> RowsOf(const QString& Text, std::string& Problem) {
    try {
        return Gs1RowsOf(Text.toStdString());
    } catch (const Exception& refused) {
        Problem = refused.Message();
        return std::nullopt;
    }
}

} // namespace

TGs1Editor::TGs1Editor(TBarType Type, QWidget* Parent)
    : TValueEditor(Parent), FType(Type), FTable(new QTableWidget(0, ColumnCount, this)),
      FElementString(new QLineEdit(this)), FBelow(new QFormLayout), FURI(new QLabel(this)) {
    FTable->setObjectName(QStringLiteral("gs1Table"));
    FTable->setHorizontalHeaderLabels({tr("AI"), tr("Title"), tr("Data"), tr("Check")});
    // Tab walks the fields (CellAfter), not the read-only cells between them.
    FTable->setTabKeyNavigation(false);
    // Room for the longest AI and a GTIN with some to spare; the check takes what is left.
    QHeaderView* header = FTable->horizontalHeader();
    const QFontMetrics metrics = fontMetrics();
    header->resizeSection(AIColumn, metrics.horizontalAdvance(QStringLiteral("00000")) + 8);
    header->setSectionResizeMode(TitleColumn, QHeaderView::ResizeToContents);
    header->resizeSection(DataColumn, metrics.horizontalAdvance(QString(20, u'0')) + 8);
    header->setSectionResizeMode(CheckColumn, QHeaderView::Stretch);
    FTable->verticalHeader()->hide();
    FTable->installEventFilter(this);
    FElementString->setObjectName(QStringLiteral("gs1ElementString"));
    FElementString->setPlaceholderText(tr("Type or paste element strings: (01)09501101530003"));
    // Typed here, the rows follow whenever the text reads as element strings; until it does,
    // the text is the value and the message below says what keeps it from reading.
    connect(FElementString, &QLineEdit::textEdited, this, [this](const QString& Text) {
        FTypingElementString = true;
        ReadValue(Text);
        Edited();
        FTypingElementString = false;
    });
    connect(FElementString, &QLineEdit::editingFinished, this, [this] {
        if (FUnread.isEmpty())
            FElementString->setText(ElementString());
    });
    FURI->setObjectName(QStringLiteral("gs1DigitalLinkURI"));
    FURI->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    FBelow->addRow(tr("&Element string:"), FElementString);
    FBelow->addRow(tr("Digital Link URI:"), FURI);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FTable, 1);
    layout->addLayout(FBelow);
    AddRow();
    setFocusProxy(AIEdit(0));
    Refresh();
}

void TGs1Editor::SetBarType(TBarType Type) {
    FType = Type;
    Refresh();
}

void TGs1Editor::SetDigitalLinkDomain(const QString& Domain) {
    FMatrix.DigitalLinkDomain = Domain.toStdString();
    Refresh();
}

QString TGs1Editor::Value() const {
    return FromEngine(FSummary.Value);
}

void TGs1Editor::SetValue(const QString& Value) {
    if (!ReadValue(Value))
        SetRows({});
    Refresh();
}

QWidget* TGs1Editor::FocusWidget() {
    return AIEdit(0);
}

void TGs1Editor::FollowOptions(const TBarcodeDescription& Described, TCheckDigits /*CheckDigits*/) {
    // Asked at every change the window sees; the rows are checked anew only when the
    // options that decide them change.
    if (Described.Barcode.Matrix == FMatrix)
        return;
    FMatrix = Described.Barcode.Matrix;
    Refresh();
}

bool TGs1Editor::Acceptable() const {
    return FSummary.Problem.empty();
}

QString TGs1Editor::Problem() const {
    return FromEngine(FSummary.Problem);
}

QString TGs1Editor::ElementString() const {
    return FromEngine(FSummary.ElementString);
}

QString TGs1Editor::DigitalLinkURI() const {
    return FromEngine(FSummary.URI);
}

int TGs1Editor::FilledRows() const {
    return static_cast<int>(Rows().size());
}

QString TGs1Editor::RowTitle(int Row) const {
    return FTable->item(Row, TitleColumn)->text();
}

QString TGs1Editor::RowProblem(int Row) const {
    return FTable->item(Row, CheckColumn)->text();
}

QLineEdit* TGs1Editor::AIEdit(int Row) const {
    return qobject_cast<QLineEdit*>(FTable->cellWidget(Row, AIColumn));
}

QLineEdit* TGs1Editor::DataEdit(int Row) const {
    return qobject_cast<QLineEdit*>(FTable->cellWidget(Row, DataColumn));
}

bool TGs1Editor::eventFilter(QObject* Watched, QEvent* Event) {
    if (Event->type() != QEvent::KeyPress)
        return TValueEditor::eventFilter(Watched, Event);
    const auto* key = static_cast<QKeyEvent*>(Event);
    // Element strings pasted anywhere in the table fill it; other text pastes into the cell.
    if (key->matches(QKeySequence::Paste)) {
        const QString pasted = QApplication::clipboard()->text().trimmed();
        std::string problem;
        if (pasted.startsWith(u'(') || pasted.startsWith(u'[')) {
            if (const auto rows = RowsOf(pasted, problem)) {
                FUnread.clear();
                SetRows(*rows);
                Edited();
                return true;
            }
        }
    }
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        if (QWidget* next = CellAfter(Watched, key->key() == Qt::Key_Tab)) {
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return TValueEditor::eventFilter(Watched, Event);
}

QWidget* TGs1Editor::CellAfter(const QObject* Field, bool Forward) const {
    const int rows = FTable->rowCount();
    for (int r = 0; r < rows; ++r) {
        if (Field == AIEdit(r))
            return Forward ? static_cast<QWidget*>(DataEdit(r))
                           : (r > 0 ? DataEdit(r - 1) : nullptr);
        if (Field == DataEdit(r))
            return Forward ? (r + 1 < rows ? static_cast<QWidget*>(AIEdit(r + 1)) : FElementString)
                           : AIEdit(r);
    }
    return nullptr;
}

void TGs1Editor::AddRow(const TGs1Row& Row) {
    const int row = FTable->rowCount();
    FTable->insertRow(row);
    for (const int column : {AIColumn, DataColumn}) {
        auto* edit = new QLineEdit(column == AIColumn ? FromEngine(Row.AI) : FromEngine(Row.Data));
        edit->setFrame(false);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, edit] {
            for (int r = 0; r < FTable->rowCount(); ++r)
                if (AIEdit(r) == edit || DataEdit(r) == edit)
                    return RowEdited(r);
        });
        FTable->setCellWidget(row, column, edit);
    }
    FTable->setItem(row, TitleColumn, ShownItem({}));
    FTable->setItem(row, CheckColumn, ShownItem({}));
    ShowRowCheck(row);
}

void TGs1Editor::SetRows(const std::vector<TGs1Row>& Rows) {
    const int kept = std::max(static_cast<int>(Rows.size()), 1);
    while (FTable->rowCount() > kept)
        FTable->removeRow(FTable->rowCount() - 1);
    for (int r = 0; r < kept; ++r) {
        const TGs1Row row = r < static_cast<int>(Rows.size()) ? Rows[r] : TGs1Row{};
        if (r == FTable->rowCount()) {
            AddRow(row);
            continue;
        }
        AIEdit(r)->setText(FromEngine(row.AI));
        DataEdit(r)->setText(FromEngine(row.Data));
        ShowRowCheck(r);
    }
    KeepOneEmptyRow();
}

bool TGs1Editor::ReadValue(const QString& Text) {
    std::string problem;
    const auto rows = RowsOf(Text, problem);
    if (!rows && !Text.isEmpty()) {
        FUnread = Text;
        FUnreadProblem = problem;
        return false;
    }
    FUnread.clear();
    SetRows(rows.value_or(std::vector<TGs1Row>{}));
    return true;
}

void TGs1Editor::RowEdited(int Row) {
    FUnread.clear();
    ShowRowCheck(Row);
    KeepOneEmptyRow();
    Edited();
}

void TGs1Editor::KeepOneEmptyRow() {
    const int last = FTable->rowCount() - 1;
    if (last < 0 || !AIEdit(last)->text().isEmpty() || !DataEdit(last)->text().isEmpty())
        AddRow();
}

void TGs1Editor::ShowRowCheck(int Row) {
    const TGs1RowCheck check =
        CheckGs1Row({AIEdit(Row)->text().toStdString(), DataEdit(Row)->text().toStdString()});
    FTable->item(Row, TitleColumn)->setText(FromEngine(check.Title));
    FTable->item(Row, CheckColumn)->setText(FromEngine(check.Problem));
    FTable->item(Row, CheckColumn)
        ->setForeground(check.Problem.empty() ? palette().text() : QBrush(Qt::darkRed));
}

bool TGs1Editor::Refresh() {
    const std::string before = FSummary.Value;
    FSummary = FUnread.isEmpty() ? SummariseGs1(FType, Rows(), FMatrix)
                                 : TGs1Summary{FUnread.toStdString(), {}, {}, FUnreadProblem};
    if (!FTypingElementString)
        FElementString->setText(FUnread.isEmpty() ? ElementString() : FUnread);
    FURI->setText(DigitalLinkURI());
    FBelow->setRowVisible(FURI, FType == bcCodeGS1DigitalLinkQR);
    return FSummary.Value != before;
}

void TGs1Editor::Edited() {
    if (Refresh())
        emit ValueChanged();
}

std::vector<TGs1Row> TGs1Editor::Rows() const {
    std::vector<TGs1Row> rows;
    for (int r = 0; r < FTable->rowCount(); ++r) {
        TGs1Row row{AIEdit(r)->text().toStdString(), DataEdit(r)->text().toStdString()};
        if (!row.Empty())
            rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace quillmark::studio
