// A column of a table as a person names it: by the header's name, or by its number counted
// from 1. Resolved once, against the header, before any row is read.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

class TTableColumns {
public:
    // Header is empty for a table without one; FieldCount is the fields every row has.
    TTableColumns(std::vector<std::string> Header, std::size_t FieldCount);

    // The 0-based index of the column Name names. A header's name is taken first, so a
    // column headed "2024" is that column; otherwise digits are a column number. Raises
    // Exception naming the column and listing the ones there are.
    std::size_t Resolve(std::string_view Name) const;

    const std::vector<std::string>& Header() const noexcept { return FHeader; }
    std::size_t FieldCount() const noexcept { return FFieldCount; }

private:
    std::string Known() const;

    std::vector<std::string> FHeader;
    std::size_t FFieldCount;
};

} // namespace quillmark
