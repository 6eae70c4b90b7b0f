#include "default_error_handling.h"

#include "messages.h"
#include <quillmark/error_reporter.h>

#include <QCoreApplication>
#include <QMetaObject>
#include <QString>

namespace quillmark {

namespace {

// The last message shown (or queued); identical reports are dropped until it is forgotten.
QString& LastReported() {
    static QString last;
    return last;
}

} // namespace

void ForgetReportedErrors() {
    LastReported().clear();
}

void CountAsReported(const QString& Text) {
    LastReported() = Text;
}

void InstallDefaultErrorHandling() {
    SetErrorReporter([](const std::exception& Error) {
        const QString text = QString::fromLatin1(Error.what());
        if (text == LastReported())
            return;
        LastReported() = text;
        QMetaObject::invokeMethod(
            QCoreApplication::instance(), [text] { ShowErrorMessage(nullptr, text); },
            Qt::QueuedConnection);
    });
}

} // namespace quillmark
