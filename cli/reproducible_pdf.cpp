#include "reproducible_pdf.h"

namespace quillmark::cli {

void BlankCreationDate(QByteArray& Pdf) {
    // Within the document information dictionary, near the start.
    const qsizetype key = Pdf.indexOf("/CreationDate (D:");
    if (key < 0)
        return;
    const qsizetype close = Pdf.indexOf(')', key);
    const qsizetype lineEnd = Pdf.indexOf('\n', key);
    if (close < 0 || (lineEnd >= 0 && lineEnd < close))
        return;
    Pdf.replace(key, close + 1 - key, QByteArray(close + 1 - key, ' '));
}

} // namespace quillmark::cli
