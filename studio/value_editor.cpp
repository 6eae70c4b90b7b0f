#include "value_editor.h"

#include <QLineEdit>
#include <QSignalBlocker>
#include <QVBoxLayout>

namespace quillmark::studio {

TLineValueEditor::TLineValueEditor(QWidget* Parent) : TValueEditor(Parent) {
    FLine = new QLineEdit(this);
    FLine->setObjectName(QStringLiteral("ValueLine"));
    FLine->setClearButtonEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(FLine);
    setFocusProxy(FLine);
    connect(FLine, &QLineEdit::textChanged, this, &TValueEditor::ValueChanged);
}

QString TLineValueEditor::Value() const {
    return FLine->text();
}

void TLineValueEditor::SetValue(const QString& Value) {
    const QSignalBlocker quiet(FLine);
    FLine->setText(Value);
}

QWidget* TLineValueEditor::FocusWidget() {
    return FLine;
}

} // namespace quillmark::studio
