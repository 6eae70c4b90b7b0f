// The label templates to choose a sheet from: a filter box over the database's list, each
// entry "Brand Part" with its description.
#pragma once

#include <template_database.h>

#include <QWidget>

class QLineEdit;
class QListWidget;

namespace quillmark::studio {

class TSheetTemplateList : public QWidget {
    Q_OBJECT
public:
    explicit TSheetTemplateList(const TTemplateDatabase& Database, QWidget* Parent = nullptr);

    // Shows the templates whose name or description holds Filter, in any letter case.
    void SetFilter(const QString& Filter);
    // The entries shown, in order.
    std::vector<const TLabelTemplate*> Shown() const { return FShown; }
    // The template chosen, or none.
    const TLabelTemplate* Chosen() const;
    // Chooses the template named Name ("Brand Part", any letter case) if it is shown.
    bool Choose(const QString& Name);

signals:
    void ChosenChanged();

private:
    const TTemplateDatabase& FDatabase;
    QLineEdit* FFilter;
    QListWidget* FList;
    std::vector<const TLabelTemplate*> FShown;
};

} // namespace quillmark::studio
