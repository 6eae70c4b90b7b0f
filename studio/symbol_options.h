// The settings of a symbol beside its value, offered as its type takes them: size and
// resolution, quiet zones, ratio, check digits, rotation, text, colours and the type's own.
#pragma once

#include <quillmark/description.h>
#include <quillmark/type_options.h>

#include <QWidget>

class QFormLayout;
class QSettings;

namespace quillmark::studio {

class TSymbolOptions : public QWidget {
    Q_OBJECT

public:
    explicit TSymbolOptions(QWidget* Parent = nullptr);

    // Shows the rows Type takes and hides the others.
    void SetType(TBarType Type);
    TBarType Type() const { return FType; }

    // Description with every offered setting applied; the type and value stay Description's.
    void Apply(TBarcodeDescription& Description) const;
    TCheckDigits CheckDigits() const;

    // Whether the option named Name (a field's object name: "Ratio", "QrLevel") is offered.
    bool Offers(const QString& Name) const;

    // Where the keyboard enters the options.
    QWidget* FirstField() const;

    // Every field by its object name, kept between runs.
    void Save(QSettings& Settings) const;
    void Load(const QSettings& Settings);

signals:
    void Changed();

private:
    QWidget* AddRow(QFormLayout* Form, const QString& Label, QWidget* Field, const char* Name);
    template <typename T> T* Field(const char* Name) const;

    QFormLayout* FCommon = nullptr;
    QFormLayout* FOwn = nullptr;
    TBarType FType = bcCode128;
};

} // namespace quillmark::studio
