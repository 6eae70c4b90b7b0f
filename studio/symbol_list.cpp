#include "symbol_list.h"

#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QSignalBlocker>
#include <QTreeWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace quillmark::studio {

namespace {

constexpr int TypeRole = Qt::UserRole;

// Lower case without the separators names differ by.
QString Folded(const QString& Name) {
    QString folded;
    for (const QChar ch : Name)
        if (ch != u' ' && ch != u'-' && ch != u'_')
            folded += ch.toLower();
    return folded;
}

} // namespace

bool MatchesFilter(TBarType Type, const QString& Filter) {
    const QString wanted = Folded(Filter);
    if (wanted.isEmpty())
        return true;
    const TBCdata& row = BarTypeData(Type);
    for (const char* name : {row.Label, row.Name, row.Identifier})
        if (Folded(QString::fromLatin1(name)).contains(wanted))
            return true;
    for (const QString& alias : QString::fromLatin1(row.Aliases).split(u','))
        if (Folded(alias).contains(wanted))
            return true;
    return false;
}

TSymbolList::TSymbolList(QWidget* Parent) : QWidget(Parent) {
    FFilter = new QLineEdit(this);
    FFilter->setObjectName(QStringLiteral("SymbolFilter"));
    FFilter->setPlaceholderText(QStringLiteral("Filter by name or alias"));
    FFilter->setClearButtonEnabled(true);
    FTree = new QTreeWidget(this);
    FTree->setObjectName(QStringLiteral("SymbolTree"));
    FTree->setHeaderHidden(true);
    FTree->setRootIsDecorated(false);
    for (int family = 0; family < BarFamilyCount; ++family) {
        auto* group = new QTreeWidgetItem(
            FTree, {QString::fromLatin1(BarFamilyName(static_cast<TBarFamily>(family)))});
        group->setFlags(Qt::ItemIsEnabled);
        QFont bold = group->font(0);
        bold.setBold(true);
        group->setFont(0, bold);
        for (int type = 0; type < BarTypeCount; ++type) {
            const TBCdata& row = BarTypeData(static_cast<TBarType>(type));
            if (row.Family != family)
                continue;
            auto* item = new QTreeWidgetItem(group, {QString::fromLatin1(row.Label)});
            item->setData(0, TypeRole, type);
            item->setToolTip(0, QStringLiteral("%1 (%2)").arg(QString::fromLatin1(row.Name),
                                                              QString::fromLatin1(row.Aliases)));
        }
    }
    FTree->expandAll();
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FFilter);
    layout->addWidget(FTree);
    connect(FFilter, &QLineEdit::textChanged, this, [this] { ApplyFilter(); });
    // Return in the filter takes the type it names exactly ("gs1128"), else the first one
    // left, and walks into the list, so the keyboard alone picks a type.
    connect(FFilter, &QLineEdit::returnPressed, this, [this] {
        const std::vector<TBarType> shown = Shown();
        const std::optional<TBarType> named = FindBarType(FFilter->text().toStdString());
        if (named && std::find(shown.begin(), shown.end(), *named) != shown.end()) {
            SetCurrent(*named);
            emit TypeChosen(*named);
        } else if (!shown.empty()) {
            SetCurrent(shown.front());
            emit TypeChosen(shown.front());
        }
        FTree->setFocus();
    });
    connect(FTree, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* Item) { ItemChosen(Item); });
    SetCurrent(FCurrent);
}

void TSymbolList::ApplyFilter() {
    const QString filter = FFilter->text();
    for (int g = 0; g < FTree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = FTree->topLevelItem(g);
        bool any = false;
        for (int i = 0; i < group->childCount(); ++i) {
            QTreeWidgetItem* item = group->child(i);
            const bool match =
                MatchesFilter(static_cast<TBarType>(item->data(0, TypeRole).toInt()), filter);
            item->setHidden(!match);
            any = any || match;
        }
        group->setHidden(!any);
    }
}

void TSymbolList::ItemChosen(QTreeWidgetItem* Item) {
    if (Item == nullptr || !Item->data(0, TypeRole).isValid())
        return;
    const auto type = static_cast<TBarType>(Item->data(0, TypeRole).toInt());
    if (type == FCurrent)
        return;
    FCurrent = type;
    emit TypeChosen(type);
}

void TSymbolList::SetCurrent(TBarType Type) {
    FCurrent = Type;
    const QSignalBlocker quiet(FTree);
    for (int g = 0; g < FTree->topLevelItemCount(); ++g) {
        QTreeWidgetItem* group = FTree->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i)
            if (group->child(i)->data(0, TypeRole).toInt() == Type)
                FTree->setCurrentItem(group->child(i));
    }
}

std::vector<TBarType> TSymbolList::Shown() const {
    std::vector<TBarType> shown;
    for (int g = 0; g < FTree->topLevelItemCount(); ++g) {
        const QTreeWidgetItem* group = FTree->topLevelItem(g);
        for (int i = 0; i < group->childCount(); ++i)
            if (!group->child(i)->isHidden())
                shown.push_back(static_cast<TBarType>(group->child(i)->data(0, TypeRole).toInt()));
    }
    return shown;
}

} // namespace quillmark::studio
