// The window's value edit: a line edit that takes no value longer than a symbol can draw,
// and refuses a longer paste or drop whole, with a sentence, instead of cutting it unseen.
#pragma once

#include <QLineEdit>

namespace quillmark {

class TValueEdit : public QLineEdit {
    Q_OBJECT

public:
    // No offered symbology draws a longer value in any file the window writes: the densest,
    // Code 128 C, puts about 92,000 digits on the largest page (200 inches) at the smallest
    // X-dimension the export dialog takes (0.01 mm). The preview draws far fewer.
    static constexpr int MaxCharacters = 1 << 17;

    explicit TValueEdit(const QString& Text, QWidget* Parent = nullptr);

    // Pastes the clipboard's text unless the value would grow beyond MaxCharacters, which
    // is refused whole with a message.
    void CheckedPaste();

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void contextMenuEvent(QContextMenuEvent* Event) override;
    void dropEvent(QDropEvent* Event) override;

private:
    // True when Inserted, put in place of the selection, keeps the value within the bound;
    // otherwise says why and gives false.
    bool Takes(const QString& Inserted);
};

} // namespace quillmark
