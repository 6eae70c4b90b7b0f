// The value editor of the GS1 types: a table of AIs and their data, each row checked by the
// engine as it is typed, with the element string and the Digital Link URI below.
#pragma once

#include "gs1_rows.h"

#include <QString>
#include <QWidget>

#include <vector>

class QFormLayout;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace quillmark::studio {

class TGs1Editor : public QWidget {
    Q_OBJECT

public:
    // The table's columns, for the tests and the keyboard.
    enum TColumn { AIColumn, TitleColumn, DataColumn, CheckColumn, ColumnCount };

    explicit TGs1Editor(TBarType Type = bcCodeGS1_128, QWidget* Parent = nullptr);

    TBarType barType() const { return type_; }
    void setBarType(TBarType Type);
    void setDigitalLinkDomain(const QString& Domain);

    // The value as the engine takes it: "(01)09501101530003(10)AB1".
    QString value() const;
    // Fills the rows from element strings; text that isn't bracketed AIs leaves them and
    // says why.
    void setValue(const QString& Value);
    // Whether the engine makes the symbol of the value: every row and the whole checked.
    bool acceptable() const;
    // The first fault, empty when acceptable.
    QString problem() const;
    QString elementString() const;
    QString digitalLinkURI() const;

    // The rows with an AI or data, and what each shows.
    int filledRows() const;
    QString rowTitle(int Row) const;
    QString rowProblem(int Row) const;
    QLineEdit* aiEdit(int Row) const;
    QLineEdit* dataEdit(int Row) const;

signals:
    void valueChanged(const QString& Value);

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void addRow(const TGs1Row& Row = {});
    void setRows(const std::vector<TGs1Row>& Rows);
    void rowEdited(int Row);
    void keepOneEmptyRow();
    void showRowCheck(int Row);
    void refresh();
    std::vector<TGs1Row> rows() const;
    // Fills the rows from pasted element strings; false when the text holds none.
    bool pasteElements(const QString& Text);

    TBarType type_;
    std::string domain_;
    TGs1Summary summary_;
    // The line of element strings is being typed in: the rows follow it, not it them.
    bool typingElementString_ = false;
    QTableWidget* table_;
    QLineEdit* elementString_;
    QFormLayout* below_;
    QLabel* uri_;
    QLabel* problem_;
};

} // namespace quillmark::studio
