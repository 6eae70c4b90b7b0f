#include "digits_editor.h"

#include <quillmark/ean_upc.h>

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpressionValidator>

namespace quillmark::studio {
namespace {

// An add-on holds 2 or 5 digits; longer is refused as it is typed.
constexpr int AddOnMostDigits = 5;

} // namespace

TDigitsEditor::TDigitsEditor(TBarType Type, QWidget* Parent)
    : QWidget(Parent), type_(Type), main_(new QLineEdit(this)), addOn_(new QLineEdit(this)),
      addOnLabel_(new QLabel(tr("&Add-on:"), this)), facts_(new QLabel(this)),
      problem_(new QLabel(this)),
      digits_(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]*")), this)) {
    main_->setObjectName(QStringLiteral("digitsValue"));
    addOn_->setObjectName(QStringLiteral("digitsAddOn"));
    addOn_->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,%1}").arg(AddOnMostDigits)), addOn_));
    addOn_->setPlaceholderText(tr("2 or 5 digits"));
    addOnLabel_->setBuddy(addOn_);
    facts_->setObjectName(QStringLiteral("digitsFacts"));
    problem_->setObjectName(QStringLiteral("digitsProblem"));
    problem_->setWordWrap(true);
    auto* valueLabel = new QLabel(tr("&Value:"), this);
    valueLabel->setBuddy(main_);

    auto* layout = new QFormLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addRow(valueLabel, main_);
    layout->addRow(addOnLabel_, addOn_);
    layout->addRow(facts_);
    layout->addRow(problem_);
    connect(main_, &QLineEdit::textChanged, this, &TDigitsEditor::refresh);
    connect(addOn_, &QLineEdit::textChanged, this, &TDigitsEditor::refresh);
    setBarType(Type);
}

void TDigitsEditor::setBarType(TBarType Type) {
    type_ = Type;
    // Digits alone where the type carries nothing else; a value of other characters
    // already typed is kept, for the engine to name.
    main_->setValidator(digitsOnly() ? digits_ : nullptr);
    addOn_->setVisible(TakesAddOn(Type));
    addOnLabel_->setVisible(TakesAddOn(Type));
    refresh();
}

QString TDigitsEditor::value() const {
    return QString::fromStdString(check_.Value);
}

void TDigitsEditor::setValue(const QString& Value) {
    const std::optional<TAddOnSplit> split = SplitAddOn(type_, Value.toStdString());
    main_->setText(split ? QString::fromStdString(split->Main) : Value);
    addOn_->setText(split ? QString::fromStdString(split->AddOn) : QString());
}

bool TDigitsEditor::acceptable() const {
    return check_.Problem.empty();
}

QString TDigitsEditor::problem() const {
    return QString::fromStdString(check_.Problem);
}

QString TDigitsEditor::checkDigit() const {
    return check_.CheckDigit == 0 ? QString() : QString(QLatin1Char(check_.CheckDigit));
}

bool TDigitsEditor::digitsOnly() const {
    return TakesGtinDigits(type_);
}

void TDigitsEditor::refresh() {
    const std::string typed = main_->text().toStdString();
    const QString before = value();
    if (digitsOnly()) {
        check_ = CheckDigits(type_, typed, addOn_->text().toStdString());
        facts_->setText(checkDigit().isEmpty() ? tr("Check digit: not yet")
                        : check_.Added         ? tr("Check digit: %1, added").arg(checkDigit())
                                               : tr("Check digit: %1, as typed").arg(checkDigit()));
    } else {
        check_ = {typed, 0, false, SymbolProblem(type_, typed)};
        const qsizetype count = main_->text().size();
        facts_->setText((count == 1 ? tr("1 character. ") : tr("%1 characters. ").arg(count)) +
                        QString::fromStdString(CarriesSentence(type_)));
    }
    problem_->setText(problem());
    if (value() != before)
        emit valueChanged(value());
}

} // namespace quillmark::studio
