// Test support: options read as the command line reads them, with a value and an output.
#pragma once

#include "arguments.h"

#include <string>
#include <vector>

namespace quillmark::cli {

inline TOptions Parse(std::vector<std::string> Options) {
    for (const char* rest : {"1", "-o", "a.png"})
        Options.emplace_back(rest);
    return ParseArguments(Options);
}

} // namespace quillmark::cli
