#include "digits_editor.h"

#include <quillmark/ean_upc.h>

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSignalBlocker>

namespace quillmark::studio {
namespace {

// An add-on holds 2 or 5 digits; longer is refused as it is typed.
constexpr int AddOnMostDigits = 5;

} // namespace

TDigitsEditor::TDigitsEditor(TBarType Type, QWidget* Parent)
    : TValueEditor(Parent), FType(Type), FMain(new QLineEdit(this)), FAddOn(new QLineEdit(this)),
      FAddOnLabel(new QLabel(tr("&Add-on:"), this)), FFacts(new QLabel(this)),
      FDigits(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this)) {
    FMain->setObjectName(QStringLiteral("digitsValue"));
    FAddOn->setObjectName(QStringLiteral("digitsAddOn"));
    FAddOn->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(AddOnMostDigits)), FAddOn));
    FAddOn->setPlaceholderText(tr("2 or 5 digits"));
    FAddOnLabel->setBuddy(FAddOn);
    FFacts->setObjectName(QStringLiteral("digitsFacts"));
    // The window's "Value" label leads here; this one says what is typed.
    FMainLabel = new QLabel(this);

    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addRow(FMainLabel, FMain);
    layout->addRow(FAddOnLabel, FAddOn);
    layout->addRow(FFacts);
    setFocusProxy(FMain);
    for (QLineEdit* field : {FMain, FAddOn})
        connect(field, &QLineEdit::textChanged, this, [this] {
            if (Refresh())
                emit ValueChanged();
        });
    SetBarType(Type);
}

void TDigitsEditor::SetBarType(TBarType Type) {
    FType = Type;
    // Digits alone where the type carries nothing else; a value of other characters
    // already typed is kept, for the engine to name.
    FMain->setValidator(DigitsOnly() ? FDigits : nullptr);
    FAddOn->setVisible(TakesAddOn(Type));
    FAddOnLabel->setVisible(TakesAddOn(Type));
    FMainLabel->setText(DigitsOnly() ? tr("Digits:") : tr("Text:"));
    Refresh();
}

QString TDigitsEditor::Value() const {
    return QString::fromStdString(FCheck.Value);
}

void TDigitsEditor::SetValue(const QString& Value) {
    const std::optional<TAddOnSplit> split = SplitAddOn(FType, Value.toStdString());
    {
        const QSignalBlocker quietMain(FMain);
        const QSignalBlocker quietAddOn(FAddOn);
        FMain->setText(split ? QString::fromStdString(split->Main) : Value);
        FAddOn->setText(split ? QString::fromStdString(split->AddOn) : QString());
    }
    Refresh();
}

QWidget* TDigitsEditor::FocusWidget() {
    return FMain;
}

void TDigitsEditor::FollowOptions(const TBarcodeDescription& /*Described*/,
                                  TCheckDigits CheckDigits) {
    if (CheckDigits == FCheckDigits)
        return;
    FCheckDigits = CheckDigits;
    Refresh();
}

bool TDigitsEditor::Acceptable() const {
    return FCheck.Problem.empty();
}

QString TDigitsEditor::Problem() const {
    return QString::fromStdString(FCheck.Problem);
}

QString TDigitsEditor::CheckDigit() const {
    return FCheck.CheckDigit == 0 ? QString() : QString(QLatin1Char(FCheck.CheckDigit));
}

bool TDigitsEditor::DigitsOnly() const {
    return TakesGtinDigits(FType);
}

bool TDigitsEditor::Refresh() {
    const std::string typed = FMain->text().toStdString();
    const std::string before = FCheck.Value;
    if (DigitsOnly()) {
        FCheck = CheckDigits(FType, typed, FAddOn->text().toStdString(), FCheckDigits);
        FFacts->setText(CheckDigit().isEmpty() ? tr("Check digit: not yet")
                        : FCheck.Added         ? tr("Check digit: %1, added").arg(CheckDigit())
                                               : tr("Check digit: %1, as typed").arg(CheckDigit()));
    } else {
        FCheck = {typed, 0, false, SymbolProblem(FType, typed, {}, FCheckDigits)};
        const qsizetype count = FMain->text().size();
        FFacts->setText((count == 1 ? tr("1 character. ") : tr("%1 characters. ").arg(count)) +
                        QString::fromStdString(CarriesSentence(FType)));
    }
    return FCheck.Value != before;
}

} // namespace quillmark::studio
