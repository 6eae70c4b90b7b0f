#include "command_pane.h"

#include <quillmark/files.h>

#include <QClipboard>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quillmark::studio {

TCommandPane::TCommandPane(QWidget* Parent) : QWidget(Parent) {
    FFile = new QLineEdit;
    FFile->setObjectName(QStringLiteral("CommandFile"));
    FFile->setToolTip(QStringLiteral("The file the command writes; its extension chooses the "
                                     "format"));
    FLine = new QPlainTextEdit;
    FLine->setObjectName(QStringLiteral("CommandLine"));
    FLine->setReadOnly(true);
    FLine->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    FLine->setFont(QFont(QStringLiteral("DejaVu Sans Mono")));
    FLine->setMaximumHeight(FLine->fontMetrics().lineSpacing() * 4);
    FUnsaid = new QLabel;
    FUnsaid->setObjectName(QStringLiteral("CommandUnsaid"));
    FUnsaid->setWordWrap(true);
    FUnsaid->setStyleSheet(QStringLiteral("color: #8a5a00"));
    FCopy = new QPushButton(QStringLiteral("Cop&y command"));

    FFileRow = new QWidget;
    auto* file = new QHBoxLayout(FFileRow);
    file->setContentsMargins(0, 0, 0, 0);
    auto* fileLabel = new QLabel(QStringLiteral("&Writes"));
    fileLabel->setBuddy(FFile);
    file->addWidget(fileLabel);
    file->addWidget(FFile, 1);
    auto* layout = new QVBoxLayout(this);
    auto* top = new QHBoxLayout;
    top->addWidget(FFileRow, 1);
    top->addStretch(0);
    top->addWidget(FCopy);
    layout->addLayout(top);
    layout->addWidget(FLine);
    layout->addWidget(FUnsaid);
    FUnsaid->hide();

    connect(FFile, &QLineEdit::textEdited, this, [this] {
        FNamed = true;
        emit FileNameChanged();
    });
    connect(FCopy, &QPushButton::clicked, this, &TCommandPane::Copy);
}

void TCommandPane::Show(TOutputJob Job, TSaveRequest Request) {
    Request.FileName = FileName();
    try {
        Job.Format = FileFormatOf(Request.FileName);
    } catch (const std::exception& error) {
        ShowNone(QString::fromLocal8Bit(error.what()));
        return;
    }
    FFileRow->show();
    ShowCommand(CommandLineOf(Job, Request));
}

void TCommandPane::ShowWhole(TCommandLine Command) {
    FFileRow->hide();
    ShowCommand(std::move(Command));
}

void TCommandPane::ShowCommand(TCommandLine Command) {
    FCommand = std::move(Command);
    FLine->setPlainText(QString::fromStdString(FCommand.Line));
    QStringList unsaid;
    for (const std::string& sentence : FCommand.Unexpressed)
        unsaid << QString::fromStdString(sentence);
    FUnsaid->setText(unsaid.join(u'\n'));
    FUnsaid->setVisible(!unsaid.isEmpty());
    FCopy->setEnabled(true);
}

void TCommandPane::ShowNone(const QString& Why) {
    FCommand = {};
    FLine->setPlainText({});
    FUnsaid->setText(Why);
    FUnsaid->setVisible(!Why.isEmpty());
    FCopy->setEnabled(false);
}

QString TCommandPane::FileName() const {
    return FFile->text().trimmed();
}

void TCommandPane::SetFileName(const QString& FileName) {
    FNamed = true;
    FFile->setText(FileName);
}

void TCommandPane::ProposeFileName(const QString& FileName) {
    if (!FNamed)
        FFile->setText(FileName);
}

void TCommandPane::Copy() {
    if (!FCommand.Line.empty())
        QGuiApplication::clipboard()->setText(QString::fromStdString(FCommand.Line));
}

} // namespace quillmark::studio
