// Symbology names on the command line: the engine's identifiers, the same without "bc",
// the display names and a few short aliases, in any letter case.
#pragma once

#include "engine.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillmark::cli {

// The engine identifier of Type, "bcCode128B" for instance.
std::string_view TypeIdentifier(TBarType Type);

// Short aliases of Type, comma-separated ("ean13" for bcCodeEAN13); may be empty.
std::string_view TypeAliases(TBarType Type);

// The symbology Name stands for. Letter case, "_", "-" and blanks don't count, so
// "bcCode_2_5_interleaved", "code_2_5_interleaved", "Code25 Interleaved" and "itf" all name
// interleaved 2 of 5.
std::optional<TBarType> FindBarType(std::string_view Name);

// The --list-types table: identifier, display name, aliases and the digits-only flag.
std::string TypeTable();

// Every identifier without "bc", for the error that refuses an unknown name.
std::string TypeNameList();

} // namespace quillmark::cli
