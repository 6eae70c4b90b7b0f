// The folder an output goes into, checked before anything is drawn.
#pragma once

#include <string>

namespace quillmark::cli {

// The folder part of a file name: the text before the last '/', "." without one.
std::string FolderOfName(const std::string& FileName);

// Raises UsageError unless Folder exists, is a folder and takes new files: then no symbol
// written to it could succeed. Output is the -o given, for the message.
void CheckOutputFolder(const std::string& Folder, const std::string& Output);

} // namespace quillmark::cli
