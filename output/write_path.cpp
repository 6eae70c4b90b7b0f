#include "write_path.h"

#include "atomic_file.h"

#include <cerrno>
#include <deque>
#include <string_view>
#include <vector>

#include <fcntl.h>
#include <sys/syscall.h>
#include <unistd.h>

#if defined(SYS_openat2)
#include <linux/openat2.h>
#endif

namespace quillmark {

namespace {

// As the kernel's limit on the links one lookup follows.
constexpr int MostLinks = 40;

// The components of Path, without empty ones and ".".
std::deque<std::string> Components(std::string_view Path) {
    std::deque<std::string> parts;
    while (!Path.empty()) {
        const std::size_t slash = Path.find('/');
        const std::string_view part = Path.substr(0, slash);
        if (!part.empty() && part != ".")
            parts.emplace_back(part);
        Path = slash == std::string_view::npos ? std::string_view() : Path.substr(slash + 1);
    }
    return parts;
}

TFileDescriptor OpenFolder(const std::string& Name, int From, const char* Part) {
    const int fd = ::openat(From, Part, O_PATH | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC);
    if (fd < 0)
        FailWrite(Name, errno);
    return TFileDescriptor(fd);
}

// The kernel's protected_symlinks rule: in a sticky folder others may write to, only a link
// of the follower's or of the folder's owner is followed.
void CheckMayFollow(const std::string& Name, int Folder, const std::string& Part,
                    const struct stat& Link) {
    struct stat folder {};
    if (::fstat(Folder, &folder) != 0)
        FailWrite(Name, errno);
    const bool shared = (folder.st_mode & (S_ISVTX | S_IWOTH)) == (S_ISVTX | S_IWOTH);
    if (shared && Link.st_uid != ::geteuid() && Link.st_uid != folder.st_uid)
        throw EWriteError(Name + " : the link '" + Part +
                          "' is in a sticky folder that others may write to and belongs to "
                          "neither you nor the folder's owner, so it is not followed");
}

std::string ReadLink(const std::string& Name, int Folder, const std::string& Part,
                     std::size_t Size) {
    std::vector<char> target(Size + 1);
    const ssize_t length = ::readlinkat(Folder, Part.c_str(), target.data(), target.size());
    if (length < 0)
        FailWrite(Name, errno);
    // Grown meanwhile: read it again with room for it.
    if (static_cast<std::size_t>(length) == target.size())
        return ReadLink(Name, Folder, Part, target.size() * 2);
    return std::string(target.data(), static_cast<std::size_t>(length));
}

// Name resolved in two calls when its folder is reached without a link: the folder opened
// by the kernel refusing any link on the way, then the leaf looked at. None when a link, an
// error or an odd leaf needs the walk, which follows links by the rule and names failures;
// without links the walk would reach the same folder one component at a time, which a batch
// of thousands of files notices.
std::optional<TWritePath> ResolveWithoutLinks(const std::string& Name) {
#if defined(SYS_openat2)
    const std::size_t slash = Name.rfind('/');
    const std::string leaf = slash == std::string::npos ? Name : Name.substr(slash + 1);
    if (leaf.empty() || leaf == "." || leaf == "..")
        return std::nullopt;
    const std::string folderName = slash == std::string::npos ? "."
                                   : slash == 0               ? "/"
                                                              : Name.substr(0, slash);
    open_how how{};
    how.flags = O_PATH | O_DIRECTORY | O_CLOEXEC;
    how.resolve = RESOLVE_NO_SYMLINKS;
    const auto fd = ::syscall(SYS_openat2, AT_FDCWD, folderName.c_str(), &how, sizeof how);
    if (fd < 0)
        return std::nullopt;
    TFileDescriptor folder(static_cast<int>(fd));
    struct stat info {};
    if (::fstatat(folder.Get(), leaf.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0)
        return errno == ENOENT
                   ? std::optional<TWritePath>(TWritePath{std::move(folder), leaf, std::nullopt})
                   : std::nullopt;
    if (S_ISLNK(info.st_mode))
        return std::nullopt;
    return TWritePath{std::move(folder), leaf, info};
#else
    static_cast<void>(Name);
    return std::nullopt;
#endif
}

} // namespace

TFileDescriptor::~TFileDescriptor() {
    if (fd_ >= 0)
        ::close(fd_);
}

TFileDescriptor& TFileDescriptor::operator=(TFileDescriptor&& Other) noexcept {
    if (this != &Other) {
        if (fd_ >= 0)
            ::close(fd_);
        fd_ = Other.fd_;
        Other.fd_ = -1;
    }
    return *this;
}

TWritePath ResolveWritePath(const std::string& Name) {
    if (std::optional<TWritePath> direct = ResolveWithoutLinks(Name))
        return *std::move(direct);
    TFileDescriptor folder =
        OpenFolder(Name, AT_FDCWD, !Name.empty() && Name.front() == '/' ? "/" : ".");
    std::deque<std::string> rest = Components(Name);
    int links = 0;
    bool throughLink = false; // the name's last component was a link
    while (!rest.empty()) {
        const std::string part = std::move(rest.front());
        rest.pop_front();
        const bool last = rest.empty();
        if (part == "..") {
            folder = OpenFolder(Name, folder.Get(), "..");
            continue;
        }
        struct stat info {};
        if (::fstatat(folder.Get(), part.c_str(), &info, AT_SYMLINK_NOFOLLOW) != 0) {
            if (errno != ENOENT || !last)
                FailWrite(Name, errno);
            if (throughLink)
                throw EWriteError(Name + " : a link to a missing file");
            return {std::move(folder), part, std::nullopt};
        }
        if (S_ISLNK(info.st_mode)) {
            if (++links > MostLinks)
                FailWrite(Name, ELOOP);
            CheckMayFollow(Name, folder.Get(), part, info);
            const std::string target =
                ReadLink(Name, folder.Get(), part, static_cast<std::size_t>(info.st_size));
            if (!target.empty() && target.front() == '/')
                folder = OpenFolder(Name, AT_FDCWD, "/");
            const std::deque<std::string> more = Components(target);
            rest.insert(rest.begin(), more.begin(), more.end());
            throughLink = throughLink || last;
            continue;
        }
        if (last)
            return {std::move(folder), part, info};
        if (!S_ISDIR(info.st_mode))
            FailWrite(Name, ENOTDIR);
        folder = OpenFolder(Name, folder.Get(), part.c_str());
    }
    // The name (or a link's target) is a folder itself: "/", ".", "..".
    FailWrite(Name, EISDIR);
}

} // namespace quillmark
