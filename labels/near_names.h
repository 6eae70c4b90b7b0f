#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

// Up to `count` of `names` closest to `wanted` by edit distance, ignoring letter case,
// nearest first; names too far to be a slip of the keyboard are left out.
std::vector<std::string> NearNames(std::string_view wanted, const std::vector<std::string>& names,
                                   std::size_t count = 3);

std::string Lowered(std::string_view text);

} // namespace quillmark
