// Opens a web address in the desktop's browser; replaceable so tests open nothing.
#pragma once

#include <QUrl>

#include <functional>

namespace quillmark {

using LinkOpener = std::function<void(const QUrl& Address)>;

// Replaces the opener; an empty function restores QDesktopServices.
void SetLinkOpener(LinkOpener Opener);

// Asks the desktop to open Address. The desktop's answer is not examined; only an
// exception from the opener reaches the caller.
void OpenLink(const QUrl& Address);

} // namespace quillmark
