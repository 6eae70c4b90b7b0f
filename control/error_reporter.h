// Where errors go that no caller can catch: a paint that the windowing system asked for.
#pragma once

#include <quillmark/quillmark_widgets_export.h>

#include <exception>
#include <functional>

namespace quillmark {

// Reported when a property's writer fails with something other than a std::exception.
inline constexpr char UnknownWriteErrorMessage[] = "Unknown error while writing a property.";

using ErrorReporter = std::function<void(const std::exception& Error)>;

// Replaces the application-wide reporter; an empty function restores the default, which
// writes the message to Qt's warning log.
QUILLMARK_WIDGETS_EXPORT void SetErrorReporter(ErrorReporter Reporter);

// Hands Error to the current reporter. Never throws.
QUILLMARK_WIDGETS_EXPORT void ReportError(const std::exception& Error) noexcept;

} // namespace quillmark
