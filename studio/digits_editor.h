// The value editor that fits a type beside the GS1 ones: a GTIN type's digits with the check
// digit its symbol will carry and the add-on where it takes one; for the other types the
// text with its length and what the symbology carries.
#pragma once

#include "digits_rules.h"
#include "value_editor.h"

#include <QString>

class QLabel;
class QLineEdit;
class QValidator;

namespace quillmark::studio {

class TDigitsEditor : public TValueEditor {
    Q_OBJECT

public:
    explicit TDigitsEditor(TBarType Type = bcCodeEAN13, QWidget* Parent = nullptr);

    TBarType BarType() const { return FType; }
    void SetBarType(TBarType Type);

    // The value as the window hands it to the engine: a GTIN type's digits (with their check
    // digit under the Auto mode) and "+" and the add-on; free text as typed.
    QString Value() const override;
    // The digits (and "+" or " " and an add-on) or the text to edit.
    void SetValue(const QString& Value) override;
    // The digits or the text.
    QWidget* FocusWidget() override;
    // The check-digit mode, which decides whether the value carries the check digit and
    // how the engine checks it.
    void FollowOptions(const TBarcodeDescription& Described, TCheckDigits CheckDigits) override;

    bool Acceptable() const;
    // The engine's refusal, empty when acceptable.
    QString Problem() const;
    // The check digit the symbol will carry, empty until the digits are enough or for free
    // text.
    QString CheckDigit() const;

    // The fields, for the window's keyboard focus and the tests.
    QLineEdit* MainEdit() const { return FMain; }
    QLineEdit* AddOnEdit() const { return FAddOn; }

private:
    bool DigitsOnly() const;
    // Works the value out anew and shows it; true where it changed.
    bool Refresh();

    TBarType FType;
    TCheckDigits FCheckDigits = DefaultCheckDigits;
    TDigitsCheck FCheck;
    QLineEdit* FMain;
    QLineEdit* FAddOn;
    QLabel* FAddOnLabel;
    QLabel* FMainLabel = nullptr;
    QLabel* FFacts;
    QValidator* FDigits; // the main field's, for the GTIN types
};

} // namespace quillmark::studio
