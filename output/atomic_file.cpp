#include "atomic_file.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmark {

namespace {

[[noreturn]] void Fail(const std::string& FileName, int Error) {
    throw EWriteError(FileName + " : " + SystemErrorText(Error));
}

// Writes all of Bytes to Fd; the error number of a failure, or 0.
int WriteAll(int Fd, const char* Bytes, std::size_t Size) {
    while (Size > 0) {
        const ssize_t written = ::write(Fd, Bytes, Size);
        if (written < 0) {
            if (errno == EINTR)
                continue;
            return errno;
        }
        Bytes += written;
        Size -= static_cast<std::size_t>(written);
    }
    return 0;
}

std::string FolderOf(const std::string& FileName) {
    const std::size_t slash = FileName.rfind('/');
    if (slash == std::string::npos)
        return {};
    return FileName.substr(0, slash + 1);
}

// Closes the temporary file and removes it unless it was renamed.
class TTemporaryFile {
public:
    TTemporaryFile(std::string Name, int Fd) : name_(std::move(Name)), fd_(Fd) {}
    ~TTemporaryFile() {
        Close();
        if (!renamed_)
            ::unlink(name_.c_str());
    }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    int Fd() const { return fd_; }
    int Close() {
        const int result = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }
    int RenameTo(const std::string& FileName) {
        if (::rename(name_.c_str(), FileName.c_str()) != 0)
            return errno;
        renamed_ = true;
        return 0;
    }

private:
    std::string name_;
    int fd_;
    bool renamed_ = false;
};

// A name no other writer in this process or another one is using: the pid and a counter,
// made exclusive by O_EXCL.
TTemporaryFile CreateTemporary(const std::string& FileName, mode_t Mode) {
    static std::atomic<unsigned long> counter{0};
    for (int attempt = 0;; ++attempt) {
        const std::string name = FolderOf(FileName) + ".quillmark-" + std::to_string(::getpid()) +
                                 "-" + std::to_string(counter++) + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, Mode);
        if (fd >= 0)
            return TTemporaryFile(name, fd);
        if (errno != EEXIST || attempt > 100)
            Fail(FileName, errno);
    }
}

// Asks the system to put a folder's entries on the disk, so that a rename survives a crash.
// Best effort: some file systems can't sync a folder, and the file is written either way.
void SyncFolder(const std::string& FileName) {
    const std::string folder = FolderOf(FileName);
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

} // namespace

std::string SystemErrorText(int Error) {
    char text[256];
    // The GNU strerror_r, which returns its text rather than always filling the buffer.
    return ::strerror_r(Error, text, sizeof text);
}

void WriteFileAtomically(const std::string& FileName, const QByteArray& Bytes,
                         TDurability Durability) {
    struct stat existing {};
    const bool replacing = ::stat(FileName.c_str(), &existing) == 0;
    if (replacing && S_ISDIR(existing.st_mode))
        Fail(FileName, EISDIR);
    // A file its owner made read-only stays as it is, although the folder would allow the
    // rename.
    if (replacing && ::access(FileName.c_str(), W_OK) != 0)
        Fail(FileName, errno);
    TTemporaryFile file = CreateTemporary(FileName, 0666);
    if (replacing && ::fchmod(file.Fd(), existing.st_mode & 07777) != 0)
        Fail(FileName, errno);
    if (const int error =
            WriteAll(file.Fd(), Bytes.constData(), static_cast<std::size_t>(Bytes.size())))
        Fail(FileName, error);
    // Every byte must be on the disk before the new file replaces the old one: a full disk
    // can fail here even after every write succeeded.
    if (Durability == TDurability::Flush && ::fsync(file.Fd()) != 0)
        Fail(FileName, errno);
    if (const int error = file.Close())
        Fail(FileName, error);
    if (const int error = file.RenameTo(FileName))
        Fail(FileName, error);
    if (Durability == TDurability::Flush)
        SyncFolder(FileName);
}

void WriteFileAtomically(const QString& FileName, const QByteArray& Bytes, TDurability Durability) {
    WriteFileAtomically(QFile::encodeName(FileName).toStdString(), Bytes, Durability);
}

void WriteAllTo(int Fd, const QByteArray& Bytes, const std::string& Name) {
    if (const int error = WriteAll(Fd, Bytes.constData(), static_cast<std::size_t>(Bytes.size())))
        throw EWriteError(Name + " : " + SystemErrorText(error));
}

} // namespace quillmark
