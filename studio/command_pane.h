// The "Command line" pane: the quillmark-cli command that writes the file Save would write,
// for the file name the pane holds, ready to copy into a terminal or a script.
#pragma once

#include "command_line.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace quillmark::studio {

class TCommandPane : public QWidget {
    Q_OBJECT

public:
    explicit TCommandPane(QWidget* Parent = nullptr);

    // The command for Job and Request, writing the pane's file in the format its name asks
    // for (Request's file name and Job's format give way to it).
    void Show(TOutputJob Job, TSaveRequest Request);
    // A command whose files are named elsewhere (the Batch view's), without the file field.
    void ShowWhole(TCommandLine Command);
    // No command, and why (the value is refused).
    void ShowNone(const QString& Why);

    // The file the command writes, as the pane's field names it.
    QString FileName() const;
    // The file named by the person (or a Save), which the pane keeps from then on.
    void SetFileName(const QString& FileName);
    // A file name the pane shows until one is set or typed: the name Save would propose.
    void ProposeFileName(const QString& FileName);
    // The command shown; empty arguments while there is none.
    const TCommandLine& Command() const { return FCommand; }

    QPushButton* CopyButton() const { return FCopy; }

signals:
    // The file name was edited: the owner shows the command for it.
    void FileNameChanged();

private:
    void Copy();

    TCommandLine FCommand;
    void ShowCommand(TCommandLine Command);

    QWidget* FFileRow = nullptr;
    QLineEdit* FFile = nullptr;
    QPlainTextEdit* FLine = nullptr;
    QLabel* FUnsaid = nullptr;
    QPushButton* FCopy = nullptr;
    bool FNamed = false; // the file was named, not proposed
};

} // namespace quillmark::studio
