#include "atomic_file.h"

#include "temporary_name.h"
#include "write_path.h"
#include <quillmark/error_messages.h>

#include <QFile>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <cstring>
#include <limits>
#include <optional>

#include <dirent.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quillmark {

namespace {

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

// What stands at a name that is not a regular file, for a message.
std::string KindOf(mode_t Mode) {
    if (S_ISCHR(Mode))
        return "a character device";
    if (S_ISBLK(Mode))
        return "a block device";
    if (S_ISFIFO(Mode))
        return "a named pipe";
    if (S_ISSOCK(Mode))
        return "a socket";
    return "something other than a file";
}

// Closes the temporary file and removes it unless it was renamed.
class TTemporaryFile {
public:
    TTemporaryFile(int Folder, std::string Name, int Fd)
        : folder_(Folder), name_(std::move(Name)), fd_(Fd) {}
    ~TTemporaryFile() {
        Close();
        if (!renamed_)
            ::unlinkat(folder_, name_.c_str(), 0);
    }
    TTemporaryFile(const TTemporaryFile&) = delete;
    TTemporaryFile& operator=(const TTemporaryFile&) = delete;

    int Fd() const { return fd_; }
    int Close() {
        const int result = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return result == 0 ? 0 : errno;
    }
    int RenameTo(const std::string& Leaf) {
        if (::renameat(folder_, name_.c_str(), folder_, Leaf.c_str()) != 0)
            return errno;
        renamed_ = true;
        return 0;
    }

private:
    int folder_;
    std::string name_;
    int fd_;
    bool renamed_ = false;
};

// A name no other writer in this process or another one is using: the owner and a counter,
// made exclusive by O_EXCL.
TTemporaryFile CreateTemporary(const std::string& Name, int Folder, mode_t Mode) {
    static std::atomic<unsigned long> counter{0};
    for (int attempt = 0;; ++attempt) {
        std::string temporary = TemporaryFileName(ThisProcessAsOwner(), counter++);
        const int fd = ::openat(Folder, temporary.c_str(),
                                O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, Mode);
        if (fd >= 0)
            return TTemporaryFile(Folder, std::move(temporary), fd);
        if (errno != EEXIST || attempt > 100)
            FailWrite(Name, errno);
    }
}

// Asks the system to put a folder's entries on the disk, so that a rename survives a crash.
// Best effort: some file systems can't sync a folder, and the file is written either way.
void SyncFolder(int Folder) {
    const int fd = ::openat(Folder, ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

// A leftover of a writer that is gone: one of this host, boot and PID namespace whose process
// has ended, or anyone's after TemporaryLifetime. Elsewhere a process id says nothing.
bool IsStale(const TTemporaryOwner& File, const struct stat& Info) {
    const auto modified = std::chrono::system_clock::from_time_t(Info.st_mtim.tv_sec);
    if (std::chrono::system_clock::now() - modified > TemporaryLifetime)
        return true;
    const TTemporaryOwner self = ThisProcessAsOwner();
    return File.Host == self.Host && File.Instance == self.Instance &&
           File.Instance != UnknownInstance && File.Pid != self.Pid &&
           File.Pid <= static_cast<unsigned long>(std::numeric_limits<pid_t>::max()) &&
           ::kill(static_cast<pid_t>(File.Pid), 0) != 0 && errno == ESRCH;
}

} // namespace

void FailWrite(const std::string& Name, int Error) {
    throw EWriteError(Name + " : " + SystemErrorText(Error));
}

std::string SystemErrorText(int Error) {
    char text[256];
    // The GNU strerror_r, which returns its text rather than always filling the buffer.
    return ::strerror_r(Error, text, sizeof text);
}

namespace {

// Name resolved for writing, refused unless nothing or a regular file that may be written
// stands there.
TWritePath WritablePath(const std::string& Name) {
    // A link is written through: the file it names takes the new bytes and the link stays.
    TWritePath path = ResolveWritePath(Name);
    const std::optional<struct stat>& existing = path.Existing;
    if (existing && S_ISDIR(existing->st_mode))
        FailWrite(Name, EISDIR);
    // A device, pipe or socket would be swapped for a file: /dev/null through a link, say.
    if (existing && !S_ISREG(existing->st_mode))
        throw EWriteError(Name + " : " + KindOf(existing->st_mode) +
                          ", not a regular file; only a regular file is replaced");
    // A file made read-only stays as it is, although the folder would allow the rename; for
    // root too, whom access() lets write anything.
    if (existing && ((existing->st_mode & 0222) == 0 ||
                     ::faccessat(path.Folder.Get(), path.Leaf.c_str(), W_OK, 0) != 0))
        FailWrite(Name, EACCES);
    return path;
}

} // namespace

struct TAtomicFile::TState {
    explicit TState(const std::string& FileName)
        : Name(FileName), Path(WritablePath(FileName)),
          File(CreateTemporary(FileName, Path.Folder.Get(), 0666)) {
        // The permissions only: set-user-ID and set-group-ID bits don't pass to a new file.
        if (Path.Existing && ::fchmod(File.Fd(), Path.Existing->st_mode & 0777) != 0)
            FailWrite(Name, errno);
    }
    std::string Name;
    TWritePath Path;
    TTemporaryFile File;
    bool Committed = false;
};

TAtomicFile::TAtomicFile(const std::string& FileName)
    : state_(std::make_unique<TState>(FileName)) {}

TAtomicFile::~TAtomicFile() = default;

void TAtomicFile::Write(std::string_view Bytes) {
    if (state_->Committed)
        throw Exception(InternalErrorMessage);
    if (const int error = WriteAll(state_->File.Fd(), Bytes.data(), Bytes.size()))
        FailWrite(state_->Name, error);
}

void TAtomicFile::Commit(TDurability Durability) {
    if (state_->Committed)
        throw Exception(InternalErrorMessage);
    state_->Committed = true;
    TTemporaryFile& file = state_->File;
    // Every byte must be on the disk before the new file replaces the old one: a full disk
    // can fail here even after every write succeeded.
    if (Durability == TDurability::Flush && ::fsync(file.Fd()) != 0)
        FailWrite(state_->Name, errno);
    if (const int error = file.Close())
        FailWrite(state_->Name, error);
    if (const int error = file.RenameTo(state_->Path.Leaf))
        FailWrite(state_->Name, error);
    if (Durability == TDurability::Flush)
        SyncFolder(state_->Path.Folder.Get());
}

void WriteFileAtomically(const std::string& Name, const QByteArray& Bytes, TDurability Durability) {
    TAtomicFile file(Name);
    file.Write(std::string_view(Bytes.constData(), static_cast<std::size_t>(Bytes.size())));
    file.Commit(Durability);
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
        // Only names this writer makes, whole: not a file that merely begins like one.
        const std::optional<TTemporaryOwner> owner = TemporaryFileOwner(entry->d_name);
        struct stat info {};
        if (!owner || ::fstatat(::dirfd(dir), entry->d_name, &info, AT_SYMLINK_NOFOLLOW) != 0 ||
            !S_ISREG(info.st_mode) || !IsStale(*owner, info))
            continue;
        removed += ::unlinkat(::dirfd(dir), entry->d_name, 0) == 0 ? 1 : 0;
    }
    ::closedir(dir);
    return removed;
}

void WriteAllTo(int Fd, const QByteArray& Bytes, const std::string& Name) {
    if (const int error = WriteAll(Fd, Bytes.constData(), static_cast<std::size_t>(Bytes.size())))
        throw EWriteError(Name + " : " + SystemErrorText(error));
}

} // namespace quillmark
