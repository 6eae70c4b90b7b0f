// Messages about symbols on stderr.
#pragma once

#include "symbol_job.h"

#include <cstdio>
#include <string>
#include <vector>

namespace quillmark::cli {

// Each message as "PREFIX: text", warnings as "PREFIX: warning: text"; warnings are left
// out when Quiet.
void PrintMessages(std::FILE* Stream, const std::string& Prefix,
                   const std::vector<TMessage>& Messages, bool Quiet);

// True when PrintMessages would print something.
bool HasMessagesToPrint(const std::vector<TMessage>& Messages, bool Quiet);

} // namespace quillmark::cli
