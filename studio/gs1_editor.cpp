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

} // namespace

TGs1Editor::TGs1Editor(TBarType Type, QWidget* Parent)
    : QWidget(Parent), type_(Type), domain_(DigitalLinkDomainDefault),
      table_(new QTableWidget(0, ColumnCount, this)), elementString_(new QLineEdit(this)),
      below_(new QFormLayout), uri_(new QLabel(this)), problem_(new QLabel(this)) {
    table_->setObjectName(QStringLiteral("gs1Table"));
    table_->setHorizontalHeaderLabels({tr("AI"), tr("Title"), tr("Data"), tr("Check")});
    // Room for the longest AI and a GTIN with some to spare; the check takes what is left.
    QHeaderView* header = table_->horizontalHeader();
    const QFontMetrics metrics = fontMetrics();
    header->resizeSection(AIColumn, metrics.horizontalAdvance(QStringLiteral("00000")) + 8);
    header->setSectionResizeMode(TitleColumn, QHeaderView::ResizeToContents);
    header->resizeSection(DataColumn, metrics.horizontalAdvance(QString(20, u'0')) + 8);
    header->setSectionResizeMode(CheckColumn, QHeaderView::Stretch);
    table_->verticalHeader()->hide();
    table_->installEventFilter(this);
    elementString_->setObjectName(QStringLiteral("gs1ElementString"));
    elementString_->setPlaceholderText(tr("Type or paste element strings: (01)09501101530003"));
    // Typed here, the rows follow whenever the text reads as element strings; until it does,
    // the message below says what keeps it from reading.
    connect(elementString_, &QLineEdit::textEdited, this, [this](const QString& Text) {
        typingElementString_ = true;
        setValue(Text);
        typingElementString_ = false;
    });
    connect(elementString_, &QLineEdit::editingFinished, this,
            [this] { elementString_->setText(elementString()); });
    uri_->setObjectName(QStringLiteral("gs1DigitalLinkURI"));
    uri_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    problem_->setObjectName(QStringLiteral("gs1Problem"));
    problem_->setWordWrap(true);

    below_->addRow(tr("&Element string:"), elementString_);
    below_->addRow(tr("Digital Link URI:"), uri_);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(table_, 1);
    layout->addLayout(below_);
    layout->addWidget(problem_);
    addRow();
    refresh();
}

void TGs1Editor::setBarType(TBarType Type) {
    type_ = Type;
    refresh();
}

void TGs1Editor::setDigitalLinkDomain(const QString& Domain) {
    domain_ = Domain.toStdString();
    refresh();
}

QString TGs1Editor::value() const {
    return FromEngine(summary_.Value);
}

void TGs1Editor::setValue(const QString& Value) {
    if (Value.isEmpty())
        setRows({});
    else
        pasteElements(Value);
}

bool TGs1Editor::acceptable() const {
    return summary_.Problem.empty();
}

QString TGs1Editor::problem() const {
    return FromEngine(summary_.Problem);
}

QString TGs1Editor::elementString() const {
    return FromEngine(summary_.ElementString);
}

QString TGs1Editor::digitalLinkURI() const {
    return FromEngine(summary_.URI);
}

int TGs1Editor::filledRows() const {
    return static_cast<int>(rows().size());
}

QString TGs1Editor::rowTitle(int Row) const {
    return table_->item(Row, TitleColumn)->text();
}

QString TGs1Editor::rowProblem(int Row) const {
    return table_->item(Row, CheckColumn)->text();
}

QLineEdit* TGs1Editor::aiEdit(int Row) const {
    return qobject_cast<QLineEdit*>(table_->cellWidget(Row, AIColumn));
}

QLineEdit* TGs1Editor::dataEdit(int Row) const {
    return qobject_cast<QLineEdit*>(table_->cellWidget(Row, DataColumn));
}

bool TGs1Editor::eventFilter(QObject* Watched, QEvent* Event) {
    // Element strings pasted anywhere in the table fill it; other text pastes into the cell.
    if (Event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(Event)->matches(QKeySequence::Paste)) {
        const QString pasted = QApplication::clipboard()->text().trimmed();
        if ((pasted.startsWith(u'(') || pasted.startsWith(u'[')) && pasteElements(pasted))
            return true;
    }
    return QWidget::eventFilter(Watched, Event);
}

void TGs1Editor::addRow(const TGs1Row& Row) {
    const int row = table_->rowCount();
    table_->insertRow(row);
    for (const int column : {AIColumn, DataColumn}) {
        auto* edit = new QLineEdit(column == AIColumn ? FromEngine(Row.AI) : FromEngine(Row.Data));
        edit->setFrame(false);
        edit->installEventFilter(this);
        connect(edit, &QLineEdit::textEdited, this, [this, edit] {
            for (int r = 0; r < table_->rowCount(); ++r)
                if (aiEdit(r) == edit || dataEdit(r) == edit)
                    return rowEdited(r);
        });
        table_->setCellWidget(row, column, edit);
    }
    table_->setItem(row, TitleColumn, ShownItem({}));
    table_->setItem(row, CheckColumn, ShownItem({}));
    showRowCheck(row);
}

void TGs1Editor::setRows(const std::vector<TGs1Row>& Rows) {
    table_->setRowCount(0);
    for (const TGs1Row& row : Rows)
        addRow(row);
    keepOneEmptyRow();
    refresh();
}

void TGs1Editor::rowEdited(int Row) {
    showRowCheck(Row);
    keepOneEmptyRow();
    refresh();
}

void TGs1Editor::keepOneEmptyRow() {
    const int last = table_->rowCount() - 1;
    if (last < 0 || !aiEdit(last)->text().isEmpty() || !dataEdit(last)->text().isEmpty())
        addRow();
}

void TGs1Editor::showRowCheck(int Row) {
    const TGs1RowCheck check =
        CheckGs1Row({aiEdit(Row)->text().toStdString(), dataEdit(Row)->text().toStdString()});
    table_->item(Row, TitleColumn)->setText(FromEngine(check.Title));
    table_->item(Row, CheckColumn)->setText(FromEngine(check.Problem));
    table_->item(Row, CheckColumn)
        ->setForeground(check.Problem.empty() ? palette().text() : QBrush(Qt::darkRed));
}

void TGs1Editor::refresh() {
    const std::string before = summary_.Value;
    summary_ = SummariseGs1(type_, rows(), domain_);
    if (!typingElementString_)
        elementString_->setText(elementString());
    uri_->setText(digitalLinkURI());
    below_->setRowVisible(uri_, type_ == bcCodeGS1DigitalLinkQR);
    problem_->setText(problem());
    if (summary_.Value != before)
        emit valueChanged(value());
}

std::vector<TGs1Row> TGs1Editor::rows() const {
    std::vector<TGs1Row> rows;
    for (int r = 0; r < table_->rowCount(); ++r) {
        TGs1Row row{aiEdit(r)->text().toStdString(), dataEdit(r)->text().toStdString()};
        if (!row.Empty())
            rows.push_back(std::move(row));
    }
    return rows;
}

bool TGs1Editor::pasteElements(const QString& Text) {
    std::vector<TGs1Row> rows;
    try {
        rows = Gs1RowsOf(Text.toStdString());
    } catch (const Exception& refused) {
        problem_->setText(FromEngine(refused.Message()));
        return false;
    }
    setRows(rows);
    return true;
}

} // namespace quillmark::studio
