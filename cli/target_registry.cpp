#include "target_registry.h"

#include <functional>

namespace quillmark::cli {

namespace {

// 64-bit FNV-1a, a different algorithm from the library's string hash, so the two halves
// don't collide together.
std::uint64_t Fnv1a(std::string_view Text) {
    std::uint64_t hash = 0xCBF29CE484222325ULL;
    for (const char ch : Text) {
        hash ^= static_cast<unsigned char>(ch);
        hash *= 0x100000001B3ULL;
    }
    return hash;
}

} // namespace

std::optional<std::uint64_t> TTargetRegistry::Claim(std::string_view FileName, std::uint64_t Line) {
    if (unique_)
        return std::nullopt;
    const THash hash{std::hash<std::string_view>{}(FileName), Fnv1a(FileName)};
    const auto [at, inserted] = lines_.try_emplace(hash, Line);
    if (inserted)
        return std::nullopt;
    return at->second;
}

} // namespace quillmark::cli
