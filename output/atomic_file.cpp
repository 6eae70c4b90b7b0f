#include "atomic_file.h"

#include <QFile>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
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

void WriteFileAtomically(const std::string& Name, const QByteArray& Bytes, TDurability Durability) {
    // A link is written through: the file it names takes the new bytes and the link stays.
    std::string FileName = Name;
    struct stat existing {};
    bool replacing = ::lstat(Name.c_str(), &existing) == 0;
    if (replacing && S_ISLNK(existing.st_mode)) {
        char* target = ::realpath(Name.c_str(), nullptr);
        if (target == nullptr)
            throw EWriteError(Name + " : a link to a missing file");
        FileName = target;
        std::free(target);
        replacing = ::stat(FileName.c_str(), &existing) == 0;
    }
    if (replacing && S_ISDIR(existing.st_mode))
        Fail(Name, EISDIR);
    // A file made read-only stays as it is, although the folder would allow the rename; for
    // root too, whom access() lets write anything.
    if (replacing && ((existing.st_mode & 0222) == 0 || ::access(FileName.c_str(), W_OK) != 0))
        Fail(Name, EACCES);
    TTemporaryFile file = CreateTemporary(FileName, 0666);
    // The permissions only: set-user-ID and set-group-ID bits don't pass to a new file.
    if (replacing && ::fchmod(file.Fd(), existing.st_mode & 0777) != 0)
        Fail(Name, errno);
    if (const int error =
            WriteAll(file.Fd(), Bytes.constData(), static_cast<std::size_t>(Bytes.size())))
        Fail(Name, error);
    // Every byte must be on the disk before the new file replaces the old one: a full disk
    // can fail here even after every write succeeded.
    if (Durability == TDurability::Flush && ::fsync(file.Fd()) != 0)
        Fail(Name, errno);
    if (const int error = file.Close())
        Fail(Name, error);
    if (const int error = file.RenameTo(FileName))
        Fail(Name, error);
    if (Durability == TDurability::Flush)
        SyncFolder(FileName);
}

void WriteFileAtomically(const QString& FileName, const QByteArray& Bytes, TDurability Durability) {
    WriteFileAtomically(QFile::encodeName(FileName).toStdString(), Bytes, Durability);
}

int RemoveStaleTemporaries(const std::string& Folder) {
    DIR* dir = ::opendir(Folder.empty() ? "." : Folder.c_str());
    if (dir == nullptr)
        return 0;
    int removed = 0;
    while (const dirent* entry = ::readdir(dir)) {
        unsigned long pid = 0;
        unsigned long counter = 0;
        char end = 0;
        // Only names this writer makes: .quillmark-PID-N.tmp, PID no longer running.
        if (std::sscanf(entry->d_name, ".quillmark-%lu-%lu.tm%c", &pid, &counter, &end) != 3 ||
            end != 'p' || pid == static_cast<unsigned long>(::getpid()) ||
            (::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH))
            continue;
        const std::string path = (Folder.empty() ? std::string(".") : Folder) + "/" + entry->d_name;
        removed += ::unlink(path.c_str()) == 0 ? 1 : 0;
    }
    ::closedir(dir);
    return removed;
}

void WriteAllTo(int Fd, const QByteArray& Bytes, const std::string& Name) {
    if (const int error = WriteAll(Fd, Bytes.constData(), static_cast<std::size_t>(Bytes.size())))
        throw EWriteError(Name + " : " + SystemErrorText(error));
}

} // namespace quillmark
