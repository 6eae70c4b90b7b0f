// PDF files that depend on their description alone.
#pragma once

#include <QByteArray>

namespace quillmark::cli {

// Blanks the creation date that Qt's PDF writer stamps on every file, in place and with
// blanks of the same length, so that every byte offset in the file still holds. The same
// symbol then gives the same bytes in every run and on every thread. A file without the
// date as Qt writes it is left alone.
void BlankCreationDate(QByteArray& Pdf);

} // namespace quillmark::cli
