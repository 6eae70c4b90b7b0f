// Files written whole or not at all, fast enough for batches of many thousands.
#pragma once

#include <QByteArray>

#include <string>

namespace quillmark::cli {

// Writes Bytes to a new temporary file in FileName's folder, then renames it over
// FileName: readers see the old file or the whole new one, and a failure leaves no file
// behind and an existing one unchanged. A new file gets the usual permissions (0666 less
// the umask), a replaced one keeps its own; a read-only one isn't replaced. Unlike the window's
// saving, the data isn't flushed to the disk file by file: that costs milliseconds a file, and a
// batch can be rerun. Raises Exception with "FileName : reason", reason in UTF-8.
void WriteFileAtomically(const std::string& FileName, const QByteArray& Bytes);

// The system's text for an error number; safe on any thread.
std::string SystemErrorText(int Error);

// Bytes to stdout, all of them; raises Exception on a failed write.
void WriteToStdout(const QByteArray& Bytes);

} // namespace quillmark::cli
