// Bounds how deeply handler calls may nest: a handler that changes a property fires the
// handlers again, and a handler that always does so would otherwise recurse until the stack
// runs out.
#pragma once

namespace quillmark {

// Handler calls nested at once on one thread, across all widgets, at most.
inline constexpr int MaxHandlerDepth = 32;

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
