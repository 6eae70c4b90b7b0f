#include "handler_call.h"

#include "limit_error.h"

#include <string>

namespace quillmark {

namespace {

// Per thread: widgets live on the thread that created them, and a chain may pass through
// several widgets whose handlers write each other.
thread_local int Depth = 0;

} // namespace

THandlerCall::THandlerCall(const char* Name) {
    if (Depth >= MaxHandlerDepth)
        throw ELimitError(std::string(Name) + " : Handler calls nested more than " +
                          std::to_string(MaxHandlerDepth) + " deep.");
    ++Depth;
}

THandlerCall::~THandlerCall() {
    --Depth;
}

} // namespace quillmark
