// Bounds how deeply handler calls may nest: a handler that changes a property fires the
// handlers again, and a handler that always does so would otherwise recurse until the stack
// runs out.
#pragma once

#include "limit_error.h"

namespace quillmark {

// Counts one handler call for its lifetime. Raises ELimitError "<Name> : Handler calls nested
// more than 32 deep." when MaxHandlerDepth calls are already running.
class THandlerCall {
public:
    explicit THandlerCall(const char* Name);
    ~THandlerCall();
    THandlerCall(const THandlerCall&) = delete;
    THandlerCall& operator=(const THandlerCall&) = delete;
};

} // namespace quillmark
