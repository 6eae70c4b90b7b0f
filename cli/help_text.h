// What --help and --version print.
#pragma once

#include <string>

namespace quillmark::cli {

std::string HelpText();
std::string VersionText();

} // namespace quillmark::cli
