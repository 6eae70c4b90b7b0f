// What --help, --version and --list-types print.
#pragma once

#include <string>

namespace quillmark::cli {

std::string HelpText();
std::string VersionText();

// The --list-types table: identifier, display name, aliases and the digits-only flag.
std::string TypeTable();

// Every identifier without "bc", for the error that refuses an unknown name.
std::string TypeNameList();

} // namespace quillmark::cli
