#include "sheet_template_list.h"

#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

namespace quillmark::studio {

TSheetTemplateList::TSheetTemplateList(const TTemplateDatabase& Database, QWidget* Parent)
    : QWidget(Parent), FDatabase(Database), FFilter(new QLineEdit(this)),
      FList(new QListWidget(this)) {
    FFilter->setObjectName(QStringLiteral("sheetFilter"));
    FFilter->setPlaceholderText(tr("Filter: brand, part or description"));
    FFilter->setClearButtonEnabled(true);
    FList->setObjectName(QStringLiteral("sheetList"));
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FFilter);
    layout->addWidget(FList);
    connect(FFilter, &QLineEdit::textChanged, this, &TSheetTemplateList::SetFilter);
    connect(FList, &QListWidget::currentRowChanged, this, &TSheetTemplateList::ChosenChanged);
    SetFilter({});
}

void TSheetTemplateList::SetFilter(const QString& Filter) {
    if (FFilter->text() != Filter) {
        FFilter->setText(Filter); // comes back here through textChanged
        return;
    }
    const QString kept = Chosen() ? QString::fromStdString(Chosen()->Name()) : QString();
    const QSignalBlocker quiet(FList);
    FList->clear();
    FShown = FDatabase.List(Filter.toStdString());
    for (const TLabelTemplate* sheet : FShown) {
        const QString name = QString::fromStdString(sheet->Name());
        auto* item = new QListWidgetItem(
            name + QStringLiteral(" \u2014 ") + QString::fromStdString(sheet->Description), FList);
        item->setData(Qt::UserRole, name);
    }
    if (!Choose(kept) && !FShown.empty())
        FList->setCurrentRow(0);
    emit ChosenChanged();
}

const TLabelTemplate* TSheetTemplateList::Chosen() const {
    const int row = FList->currentRow();
    return row >= 0 && static_cast<std::size_t>(row) < FShown.size()
               ? FShown[static_cast<std::size_t>(row)]
               : nullptr;
}

bool TSheetTemplateList::Choose(const QString& Name) {
    for (int row = 0; row < FList->count(); ++row)
        if (FList->item(row)->data(Qt::UserRole).toString().compare(Name, Qt::CaseInsensitive) ==
            0) {
            FList->setCurrentRow(row);
            return true;
        }
    return false;
}

} // namespace quillmark::studio
