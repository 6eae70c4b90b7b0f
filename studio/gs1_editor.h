// The value editor of the GS1 types: a table of AIs and their data, each row checked by the
// engine as it is typed, with the element string and the Digital Link URI below.
#pragma once

#include "gs1_rows.h"
#include "value_editor.h"

#include <QString>

#include <vector>

class QFormLayout;
class QLabel;
class QLineEdit;
class QTableWidget;

namespace quillmark::studio {

class TGs1Editor : public TValueEditor {
    Q_OBJECT

public:
    // The table's columns, for the tests and the keyboard.
    enum TColumn { AIColumn, TitleColumn, DataColumn, CheckColumn, ColumnCount };

    explicit TGs1Editor(TBarType Type = bcCodeGS1_128, QWidget* Parent = nullptr);

    TBarType BarType() const { return FType; }
    void SetBarType(TBarType Type);
    void SetDigitalLinkDomain(const QString& Domain);

    // The value as the engine takes it: "(01)09501101530003(10)AB1"; text given or typed
    // below that doesn't read as element strings stays the value as it is, for the engine
    // to refuse.
    QString Value() const override;
    // Fills the rows from element strings; text that isn't bracketed AIs empties them and
    // says why.
    void SetValue(const QString& Value) override;
    // The first row's AI.
    QWidget* FocusWidget() override;
    // The Digital Link domain and DataBar Expanded Stacked's segments, which decide the URI
    // and whether the symbol holds the rows.
    void FollowOptions(const TBarcodeDescription& Described, TCheckDigits CheckDigits) override;

    // The value as printed under the symbol, and as a Digital Link URI for that type alone.
    QString ElementString() const;
    QString DigitalLinkURI() const;
    // Whether the engine makes the symbol of the value: every row and the whole checked.
    bool Acceptable() const;
    // The first fault, empty when acceptable.
    QString Problem() const;

    // The rows with an AI or data, and what each shows.
    int FilledRows() const;
    QString RowTitle(int Row) const;
    QString RowProblem(int Row) const;
    QLineEdit* AIEdit(int Row) const;
    QLineEdit* DataEdit(int Row) const;

protected:
    bool eventFilter(QObject* Watched, QEvent* Event) override;

private:
    void AddRow(const TGs1Row& Row = {});
    // Shows Rows, keeping the first row's fields where they are (the keyboard's way in).
    void SetRows(const std::vector<TGs1Row>& Rows);
    // Shows Text's rows, or keeps Text as the value unread with the reason and the rows as
    // they are (false).
    bool ReadValue(const QString& Text);
    void RowEdited(int Row);
    void KeepOneEmptyRow();
    void ShowRowCheck(int Row);
    // Works the value out anew and shows it; true where it changed.
    bool Refresh();
    // Refresh after the user's edit, which tells the window.
    void Edited();
    // The field Tab (or Backtab) moves to from Field, or none for the table's own ends.
    QWidget* CellAfter(const QObject* Field, bool Forward) const;
    std::vector<TGs1Row> Rows() const;

    TBarType FType;
    TMatrixOptions FMatrix;
    TGs1Summary FSummary;
    // Text given that doesn't read as element strings, and why.
    QString FUnread;
    std::string FUnreadProblem;
    // The line of element strings is being typed in: the rows follow it, not it them.
    bool FTypingElementString = false;
    QTableWidget* FTable;
    QLineEdit* FElementString;
    QFormLayout* FBelow;
    QLabel* FURI;
};

} // namespace quillmark::studio
