// Every symbology the library has, grouped by family under a filter box.
#pragma once

#include <quillmark/engine.h>

#include <QWidget>

#include <vector>

class QLineEdit;
class QTreeWidget;
class QTreeWidgetItem;

namespace quillmark::studio {

// Whether Filter names Type: a part of its label, display name, identifier or one of its
// aliases, letter case, blanks, "-" and "_" aside. An empty filter names every type.
bool MatchesFilter(TBarType Type, const QString& Filter);

class TSymbolList : public QWidget {
    Q_OBJECT

public:
    explicit TSymbolList(QWidget* Parent = nullptr);

    TBarType Current() const { return FCurrent; }
    // Selects Type, without emitting TypeChosen.
    void SetCurrent(TBarType Type);
    // The types the filter leaves, in the list's order.
    std::vector<TBarType> Shown() const;

    QLineEdit* Filter() const { return FFilter; }
    QTreeWidget* Tree() const { return FTree; }

signals:
    void TypeChosen(TBarType Type);

private:
    void ApplyFilter();
    void ItemChosen(QTreeWidgetItem* Item);

    QLineEdit* FFilter = nullptr;
    QTreeWidget* FTree = nullptr;
    TBarType FCurrent = bcCode128;
};

} // namespace quillmark::studio
