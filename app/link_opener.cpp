#include "link_opener.h"

#include <QDesktopServices>

#include <utility>

namespace quillmark {

namespace {

LinkOpener& CurrentOpener() {
    static LinkOpener opener;
    return opener;
}

} // namespace

void SetLinkOpener(LinkOpener Opener) {
    CurrentOpener() = std::move(Opener);
}

void OpenLink(const QUrl& Address) {
    if (const LinkOpener& opener = CurrentOpener())
        opener(Address);
    else
        QDesktopServices::openUrl(Address);
}

} // namespace quillmark
