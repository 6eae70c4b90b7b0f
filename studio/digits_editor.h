// The value editor that fits a type beside the GS1 ones: a GTIN type's digits with the check
// digit its symbol will carry and the add-on where it takes one; for the other types the
// text with its length and what the symbology carries.
#pragma once

#include "digits_rules.h"

#include <QString>
#include <QWidget>

class QLabel;
class QLineEdit;
class QValidator;

namespace quillmark::studio {

class TDigitsEditor : public QWidget {
    Q_OBJECT

public:
    explicit TDigitsEditor(TBarType Type = bcCodeEAN13, QWidget* Parent = nullptr);

    TBarType barType() const { return type_; }
    void setBarType(TBarType Type);

    // The value as the engine takes it without a check-digit mode of its own (csNone): a
    // GTIN type's digits with their check digit and "+" and the add-on; free text as typed.
    QString value() const;
    // The digits (and "+" or " " and an add-on) or the text to edit.
    void setValue(const QString& Value);
    bool acceptable() const;
    // The engine's refusal, empty when acceptable.
    QString problem() const;
    // The check digit the symbol will carry, empty until the digits are enough or for free
    // text.
    QString checkDigit() const;

    // The fields, for the window's keyboard focus and the tests.
    QLineEdit* mainEdit() const { return main_; }
    QLineEdit* addOnEdit() const { return addOn_; }

signals:
    void valueChanged(const QString& Value);

private:
    bool digitsOnly() const;
    void refresh();

    TBarType type_;
    TDigitsCheck check_;
    QLineEdit* main_;
    QLineEdit* addOn_;
    QLabel* addOnLabel_;
    QLabel* facts_;
    QLabel* problem_;
    QValidator* digits_; // the main field's, for the GTIN types
};

} // namespace quillmark::studio
