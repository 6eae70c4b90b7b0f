// The application's default error handling: errors that no handler caught (a repaint
// asked for by the windowing system) are shown in an error box once control is back in
// the event loop, never from inside the paint that failed.
#pragma once

class QString;

namespace quillmark {

void InstallDefaultErrorHandling();

// A failing repaint fails again on every later repaint; the same message is shown only
// once until the user acts again. Handlers call this when they start.
void ForgetReportedErrors();

// Counts Text as shown already, so that the repaints after a failure the window has told of
// in its own way don't show it again.
void CountAsReported(const QString& Text);

} // namespace quillmark
