// Output file names of a batch: a template with {n} (the line number, {n:05} zero-padded),
// {value} (the value made safe for a file name) and, for records, their fields: a table's
// columns ({sku}, {3}) or a sequence's {seq}, as safe and padded alike; {{ and }} stand for
// braces.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

// Value with every byte outside A-Za-z0-9._- replaced by '_'. A result of dots only
// becomes underscores, so that no value can name "." or "..".
std::string SafeFileNamePart(std::string_view Value);

// The place among a record's fields of the field Name names; raises Exception for a name it
// doesn't know, saying which there are.
using TFieldIndex = std::function<std::size_t(std::string_view Name)>;

class TNameTemplate {
public:
    // Raises Exception for an unknown field or an unmatched brace. Fields gives the fields
    // beside {n} and {value}; none for a batch of lines.
    explicit TNameTemplate(std::string_view Template, const TFieldIndex& Fields = {});

    // Fields: the record's, where Fields gave their places.
    std::string Expand(std::uint64_t Line, std::string_view Value,
                       const std::vector<std::string>& Fields = {}) const;

    // Different lines always give different names: {n} appears, and either no other field
    // does or {n} is the first field with a non-digit (or nothing) after it, so that the
    // line number can be read back from any name.
    bool NamesAreUnique() const;
    // A field appears, so that lines can name different files.
    bool HasField() const { return hasLine_ || hasOther_; }
    // The folder part holds no field, so every name lands in Folder().
    bool HasFixedFolder() const;
    // The text before the last '/', "." without one.
    std::string Folder() const;

private:
    enum class TKind { Text, Line, Value, Field };
    struct TPiece {
        TKind Kind = TKind::Text;
        std::string Text;      // for Text
        int Width = 0;         // zero-padding of Line and Field
        std::size_t Field = 0; // the place among the record's fields
    };
    std::vector<TPiece> pieces_;
    bool hasLine_ = false;
    bool hasOther_ = false; // {value} or a record's field
};

} // namespace quillmark
