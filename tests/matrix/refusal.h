// A refused value and the sentence it must raise, for the matrix encoders' tests.
#pragma once

#include <quillmark/engine.h>

#include <functional>
#include <string>

namespace quillmark::testing {

template <typename Options> struct Refusal {
    std::string Bytes;
    Options Settings;
    std::string Message;
};

// The message of the Exception that Encode raises; "no exception" when it raises none.
inline std::string MessageOf(const std::function<void()>& Encode) {
    try {
        Encode();
    } catch (const Exception& e) {
        return e.Message();
    }
    return "no exception";
}

} // namespace quillmark::testing
