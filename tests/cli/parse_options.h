// Test support: options read as the command line reads them, with a value and an output.
#pragma once

#include "arguments.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

namespace quillmark::cli {

inline TOptions Parse(std::vector<std::string> Options) {
    for (const char* rest : {"1", "-o", "a.png"})
        Options.emplace_back(rest);
    return ParseArguments(Options);
}

// Options the command line must refuse with a message that holds Message.
inline void ExpectRefused(const std::vector<std::string>& Options, std::string_view Message) {
    try {
        Parse(Options);
        ADD_FAILURE() << "accepted; expected: " << Message;
    } catch (const UsageError& e) {
        EXPECT_NE(std::string(e.what()).find(Message), std::string::npos) << e.what();
    }
}

} // namespace quillmark::cli
