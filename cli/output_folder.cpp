#include "output_folder.h"

#include "arguments.h"

#include <quillmark/atomic_file.h>

#include <cerrno>

#include <sys/stat.h>
#include <unistd.h>

namespace quillmark::cli {

std::string FolderOfName(const std::string& FileName) {
    const std::size_t slash = FileName.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : FileName.substr(0, slash);
}

void CheckOutputFolder(const std::string& Folder, const std::string& Output) {
    struct stat info {};
    int error = 0;
    if (::stat(Folder.c_str(), &info) != 0)
        error = errno;
    else if (!S_ISDIR(info.st_mode))
        error = ENOTDIR;
    else if (::access(Folder.c_str(), W_OK | X_OK) != 0)
        error = errno;
    if (error != 0)
        throw UsageError("cannot write into '" + Folder + "' (from -o '" + Output +
                         "'): " + SystemErrorText(error));
}

} // namespace quillmark::cli
