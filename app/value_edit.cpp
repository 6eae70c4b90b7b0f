#include "value_edit.h"

#include "messages.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>

#include <memory>

namespace quillmark {

TValueEdit::TValueEdit(const QString& Text, QWidget* Parent) : QLineEdit(Text, Parent) {
    // Qt's own bound, for any way in this class doesn't see: it keeps a paste's cost to
    // what a symbol can draw, since Qt records one undo step per pasted character.
    setMaxLength(MaxCharacters);
}

bool TValueEdit::Takes(const QString& Inserted) {
    const qsizetype length = text().size() - selectedText().size() + Inserted.size();
    if (length <= MaxCharacters)
        return true;
    ShowMessage(window(), QStringLiteral("The value would be %1 characters long. No symbol "
                                         "draws more than %2, so nothing was pasted.")
                              .arg(length)
                              .arg(MaxCharacters));
    return false;
}

void TValueEdit::CheckedPaste() {
    if (!isReadOnly() && Takes(QGuiApplication::clipboard()->text()))
        paste();
}

void TValueEdit::keyPressEvent(QKeyEvent* Event) {
    if (Event->matches(QKeySequence::Paste)) {
        CheckedPaste();
        Event->accept();
        return;
    }
    QLineEdit::keyPressEvent(Event);
}

void TValueEdit::contextMenuEvent(QContextMenuEvent* Event) {
    const std::unique_ptr<QMenu> menu(createStandardContextMenu());
    for (QAction* action : menu->actions())
        if (action->objectName() == QLatin1String("edit-paste")) {
            action->disconnect();
            connect(action, &QAction::triggered, this, &TValueEdit::CheckedPaste);
        }
    menu->exec(Event->globalPos());
}

void TValueEdit::dropEvent(QDropEvent* Event) {
    if (Event->mimeData()->hasText() && !Takes(Event->mimeData()->text())) {
        Event->ignore();
        return;
    }
    QLineEdit::dropEvent(Event);
}

} // namespace quillmark
