// Files written whole or not at all: readers see the old file or the whole new one.
#pragma once

#include <quillmark/quillmark_output_export.h>

#include <quillmark/engine.h>

#include <QByteArray>
#include <QString>

#include <memory>
#include <string>
#include <string_view>

namespace quillmark {

// A file that could not be written; its message names the file and the system's reason.
class QUILLMARK_OUTPUT_EXPORT EWriteError : public Exception {
public:
    using Exception::Exception;
};

enum class TDurability {
    Flush, // the data reaches the disk before the file takes its name: one file a person saves
    None,  // left to the system: a batch writes thousands, and can be run again
};

// A file written in pieces that appears whole or not at all: its bytes go to a new
// temporary file in FileName's folder, which Commit renames over FileName; dropped
// uncommitted, the temporary is removed and an existing file stays as it was. The name is
// checked and the temporary made at construction, under WriteFileAtomically's rules below;
// every step raises EWriteError "FileName : reason".
class QUILLMARK_OUTPUT_EXPORT TAtomicFile {
public:
    explicit TAtomicFile(const std::string& FileName);
    ~TAtomicFile();
    TAtomicFile(const TAtomicFile&) = delete;
    TAtomicFile& operator=(const TAtomicFile&) = delete;

    // Appends Bytes.
    void Write(std::string_view Bytes);
    // Gives the file its name; once only, and nothing may be written after.
    void Commit(TDurability Durability = TDurability::Flush);

private:
    struct TState;
    std::unique_ptr<TState> state_;
};

// Writes Bytes to a new temporary file in FileName's folder (bytes, as the system names
// files), then renames it over FileName; a failure leaves no file behind and an existing one
// unchanged. A new file gets the usual permissions (0666 less the umask), a replaced one
// keeps its permission bits (not set-user-ID or set-group-ID); a read-only one isn't
// replaced, not even by root. Only a regular file is replaced: a folder, device, pipe or
// socket at the name is an error. A symbolic link is written through (the file it names is
// replaced and the link stays), except where the kernel's protected_symlinks would refuse
// to follow it (see ResolveWritePath). Raises EWriteError "FileName : reason".
QUILLMARK_OUTPUT_EXPORT void WriteFileAtomically(const std::string& FileName,
                                                 const QByteArray& Bytes,
                                                 TDurability Durability = TDurability::Flush);
// The same for a name as Qt holds it.
QUILLMARK_OUTPUT_EXPORT void WriteFileAtomically(const QString& FileName, const QByteArray& Bytes,
                                                 TDurability Durability = TDurability::Flush);

// Writes all of Bytes to the open file descriptor Fd (stdout, say); raises EWriteError
// "Name : reason".
QUILLMARK_OUTPUT_EXPORT void WriteAllTo(int Fd, const QByteArray& Bytes, const std::string& Name);

// Removes the temporary files this writer left in Folder ("" for the current one) when its
// process was killed before it could; gives how many. Only names of exactly the writer's
// form are touched: those of this host, boot and PID namespace whose process has ended, and
// anyone's older than TemporaryLifetime (temporary_name.h).
QUILLMARK_OUTPUT_EXPORT int RemoveStaleTemporaries(const std::string& Folder);

// The system's text for an error number; safe on any thread.
QUILLMARK_OUTPUT_EXPORT std::string SystemErrorText(int Error);

// Raises EWriteError "Name : " and the system's text for Error; the writers' one failure.
[[noreturn]] void FailWrite(const std::string& Name, int Error);

} // namespace quillmark
