// Where a file named for writing lives: its folder opened and its name there, reached one
// component at a time so that every later step works on that folder (openat, renameat) and a
// link swapped in meanwhile can't send the write elsewhere.
#pragma once

#include <optional>
#include <string>

#include <sys/stat.h>

namespace quillmark {

// An open file descriptor, closed with its owner.
class TFileDescriptor {
public:
    TFileDescriptor() = default;
    explicit TFileDescriptor(int Fd) : fd_(Fd) {}
    ~TFileDescriptor();
    TFileDescriptor(TFileDescriptor&& Other) noexcept : fd_(Other.fd_) { Other.fd_ = -1; }
    TFileDescriptor& operator=(TFileDescriptor&& Other) noexcept;
    TFileDescriptor(const TFileDescriptor&) = delete;
    TFileDescriptor& operator=(const TFileDescriptor&) = delete;

    int Get() const { return fd_; }

private:
    int fd_ = -1;
};

struct TWritePath {
    TFileDescriptor Folder;              // the folder that holds the file (O_PATH)
    std::string Leaf;                    // the file's name in Folder
    std::optional<struct stat> Existing; // what is there now, links not followed
};

// Resolves Name, following a symbolic link only where the kernel's protected_symlinks would,
// whatever the system's setting: a link in a sticky folder that others may write to (/tmp) is
// followed only when it belongs to this process's user or to the folder's owner, so that
// nobody can point a name that root writes to at a file of root's. Raises EWriteError
// "Name : reason", also for a link whose file is missing.
TWritePath ResolveWritePath(const std::string& Name);

} // namespace quillmark
