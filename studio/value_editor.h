// Where the value is typed: what the window asks of any editor, and the plain line editor
// every type starts with. Editors that fit a type (digits, a table of GS1 AIs) give the same.
#pragma once

#include <quillmark/description.h>
#include <quillmark/engine.h>

#include <QWidget>

#include <functional>
#include <memory>

class QLineEdit;

namespace quillmark::studio {

// An editor of a symbol's value: gives the value as typed and says when it changes.
class TValueEditor : public QWidget {
    Q_OBJECT

public:
    using QWidget::QWidget;

    // The value as the engine takes it, UTF-8.
    virtual QString Value() const = 0;
    // Shows Value, without emitting ValueChanged.
    virtual void SetValue(const QString& Value) = 0;
    // The widget keyboard focus goes to when the value is to be typed.
    virtual QWidget* FocusWidget() { return this; }
    // The symbol's settings as the options now give them (a Digital Link domain, a
    // check-digit mode), for what the editor shows beside the value; never emits
    // ValueChanged.
    virtual void FollowOptions(const TBarcodeDescription& /*Described*/,
                               TCheckDigits /*CheckDigits*/) {}

signals:
    void ValueChanged();
};

// The editor a type gets, or none where the plain line editor serves.
using TValueEditorFactory =
    std::function<std::unique_ptr<TValueEditor>(TBarType Type, QWidget* Parent)>;

// The editor that fits Type: a table of AIs for the GS1 types, digits with their check
// digit for the GTIN types, text with what the symbology carries for the rest.
std::unique_ptr<TValueEditor> FittingValueEditor(TBarType Type, QWidget* Parent);

// Any value on one line.
class TLineValueEditor : public TValueEditor {
    Q_OBJECT

public:
    explicit TLineValueEditor(QWidget* Parent = nullptr);

    QString Value() const override;
    void SetValue(const QString& Value) override;
    QWidget* FocusWidget() override;

private:
    QLineEdit* FLine = nullptr;
};

} // namespace quillmark::studio
