// Every message box of the program goes through here, so that tests can watch the
// messages instead of blocking on a modal box.
#pragma once

#include <QString>

#include <functional>

class QWidget;

namespace quillmark {

enum class MessageKind {
    Plain, // a message of the program's own, titled with the application title
    Error, // the default error handling: error icon, the error's own text
};

using MessageShower = std::function<void(QWidget* Parent, MessageKind Kind, const QString& Text)>;
// Gives true for "Yes".
using QuestionAsker = std::function<bool(QWidget* Parent, const QString& Text)>;

// Replace how messages are shown and questions asked; an empty function restores the
// modal QMessageBox.
void SetMessageShower(MessageShower Shower);
void SetQuestionAsker(QuestionAsker Asker);

void ShowMessage(QWidget* Parent, const QString& Text);
void ShowErrorMessage(QWidget* Parent, const QString& Text);
// A Yes/No question titled with the application title; true for Yes.
bool AskQuestion(QWidget* Parent, const QString& Text);

} // namespace quillmark
