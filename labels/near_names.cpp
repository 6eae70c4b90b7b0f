#include "near_names.h"

#include <algorithm>
#include <cctype>
#include <numeric>
#include <utility>

namespace quillmark {
namespace {

std::size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::size_t> row(b.size() + 1);
    std::iota(row.begin(), row.end(), std::size_t{0});
    for (std::size_t i = 1; i <= a.size(); ++i) {
        std::size_t diagonal = row[0];
        row[0] = i;
        for (std::size_t j = 1; j <= b.size(); ++j) {
            const std::size_t above = row[j];
            row[j] = std::min({row[j] + 1, row[j - 1] + 1, diagonal + (a[i - 1] != b[j - 1])});
            diagonal = above;
        }
    }
    return row[b.size()];
}

} // namespace

std::string Lowered(std::string_view text) {
    std::string out(text);
    std::transform(out.begin(), out.end(), out.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return out;
}

std::vector<std::string> NearNames(std::string_view wanted, const std::vector<std::string>& names,
                                   std::size_t count) {
    const std::string key = Lowered(wanted);
    // A third of the name may be mistyped, and always two characters (a swapped pair).
    const std::size_t tolerance = std::max<std::size_t>(2, key.size() / 3);
    std::vector<std::pair<std::size_t, std::string>> near;
    for (const std::string& name : names) {
        const std::size_t distance = EditDistance(key, Lowered(name));
        if (distance <= tolerance) {
            near.emplace_back(distance, name);
        }
    }
    std::stable_sort(near.begin(), near.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    std::vector<std::string> out;
    for (std::size_t i = 0; i < near.size() && i < count; ++i) {
        out.push_back(near[i].second);
    }
    return out;
}

} // namespace quillmark
