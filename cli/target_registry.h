// The files a batch has named so far, so that a later line never overwrites an earlier
// line's file.
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>
#include <unordered_map>

namespace quillmark::cli {

class TTargetRegistry {
public:
    // Unique: the template can't give two lines one name, so nothing need be kept.
    explicit TTargetRegistry(bool Unique) : unique_(Unique) {}

    // The line that named FileName first, or none, in which case Line now owns it.
    std::optional<std::uint64_t> Claim(std::string_view FileName, std::uint64_t Line);

private:
    // Names are kept as 128-bit hashes, 16 bytes a line however long the name; two names
    // sharing both halves by chance is beyond any batch's reach.
    struct THash {
        std::uint64_t A = 0;
        std::uint64_t B = 0;
        bool operator==(const THash&) const = default;
    };
    struct THashOfHash {
        std::size_t operator()(const THash& H) const { return H.A; }
    };

    bool unique_;
    std::unordered_map<THash, std::uint64_t, THashOfHash> lines_;
};

} // namespace quillmark::cli
