#include "error_reporter.h"

#include <QtGlobal>

#include <utility>

namespace quillmark {

namespace {

ErrorReporter& CurrentReporter() {
    static ErrorReporter reporter;
    return reporter;
}

} // namespace

void SetErrorReporter(ErrorReporter Reporter) {
    CurrentReporter() = std::move(Reporter);
}

void ReportError(const std::exception& Error) noexcept {
    try {
        if (const ErrorReporter& reporter = CurrentReporter())
            reporter(Error);
        else
            qWarning("Quillmark: %s", Error.what());
    } catch (...) {
        qWarning("Quillmark: the error reporter failed while reporting: %s", Error.what());
    }
}

} // namespace quillmark
