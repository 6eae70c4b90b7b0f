// Writes a module pattern straight into its string: sized once for the whole symbol, then
// filled part by part, with no growth on the way.
#pragma once

#include "engine.h"
#include "error_messages.h"

#include <array>
#include <cstring>
#include <string>
#include <string_view>

namespace quillmark {

class TPatternWriter {
public:
    // Room for at most Size characters; Finish cuts the string to what was written.
    TPatternWriter(std::string& Pattern, std::size_t Size) : pattern_(Pattern) {
        Pattern.resize(Size);
        out_ = Pattern.data();
        end_ = out_ + Size;
    }

    void Put(std::string_view Part) { Put(Part.data(), Part.size()); }

    // A part of fixed size: copied with no call, as its size is known here.
    template <std::size_t N> void Put(const std::array<char, N>& Part) { Put(Part.data(), N); }

    void Finish() { pattern_.resize(static_cast<std::size_t>(out_ - pattern_.data())); }

private:
    std::string& pattern_;

    void Put(const char* Part, std::size_t Size) {
        // A size worked out wrongly must fail, not write past the string.
        if (Size > static_cast<std::size_t>(end_ - out_))
            throw Exception(InternalErrorMessage);
        std::memcpy(out_, Part, Size);
        out_ += Size;
    }

    char* out_;
    char* end_;
};

} // namespace quillmark
