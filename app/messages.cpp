#include "messages.h"

#include <QApplication>
#include <QMessageBox>

#include <utility>

namespace quillmark {

namespace {

MessageShower& CurrentShower() {
    static MessageShower shower;
    return shower;
}

QuestionAsker& CurrentAsker() {
    static QuestionAsker asker;
    return asker;
}

void ShowModal(QWidget* Parent, MessageKind Kind, const QString& Text) {
    QMessageBox box(Kind == MessageKind::Error ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QApplication::applicationName(), Text, QMessageBox::Ok, Parent);
    box.exec();
}

void Show(QWidget* Parent, MessageKind Kind, const QString& Text) {
    if (const MessageShower& shower = CurrentShower())
        shower(Parent, Kind, Text);
    else
        ShowModal(Parent, Kind, Text);
}

} // namespace

void SetMessageShower(MessageShower Shower) {
    CurrentShower() = std::move(Shower);
}

void SetQuestionAsker(QuestionAsker Asker) {
    CurrentAsker() = std::move(Asker);
}

bool AskQuestion(QWidget* Parent, const QString& Text) {
    if (const QuestionAsker& asker = CurrentAsker())
        return asker(Parent, Text);
    return QMessageBox::question(Parent, QApplication::applicationName(), Text) == QMessageBox::Yes;
}

void ShowMessage(QWidget* Parent, const QString& Text) {
    Show(Parent, MessageKind::Plain, Text);
}

void ShowErrorMessage(QWidget* Parent, const QString& Text) {
    Show(Parent, MessageKind::Error, Text);
}

} // namespace quillmark
