// What --help, --version and --list-types print.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace quillmark::cli {

std::string HelpText();
std::string VersionText();

// The --list-types table: identifier, display name, aliases and the digits-only flag.
std::string TypeTable();

// Rows of four cells, each column as wide as its longest cell and Gap blanks between.
std::string AlignedRows(const std::vector<std::array<std::string, 4>>& Rows, std::size_t Gap);

// Every identifier without "bc", for the error that refuses an unknown name.
std::string TypeNameList();

} // namespace quillmark::cli
