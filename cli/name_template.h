// Output file names of a batch: a template with {n} (the line number, {n:05} zero-padded)
// and {value} (the value made safe for a file name); {{ and }} stand for braces.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark::cli {

// Value with every byte outside A-Za-z0-9._- replaced by '_'. A result of dots only
// becomes underscores, so that no value can name "." or "..".
std::string SafeFileNamePart(std::string_view Value);

class TNameTemplate {
public:
    // Raises UsageError for an unknown field or an unmatched brace.
    explicit TNameTemplate(std::string_view Template);

    std::string Expand(std::uint64_t Line, std::string_view Value) const;

    // Different lines always give different names: {n} appears, and either {value}
    // doesn't or {n} is the first field with a non-digit (or nothing) after it, so that the
    // line number can be read back from any name.
    bool NamesAreUnique() const;
    // {n} or {value} appears, so that lines can name different files.
    bool HasField() const { return hasLine_ || hasValue_; }
    // The folder part holds no field, so every name lands in Folder().
    bool HasFixedFolder() const;
    // The text before the last '/', "." without one.
    std::string Folder() const;

private:
    enum class TKind { Text, Line, Value };
    struct TPiece {
        TKind Kind = TKind::Text;
        std::string Text; // for Text
        int Width = 0;    // zero-padding of Line
    };
    std::vector<TPiece> pieces_;
    bool hasLine_ = false;
    bool hasValue_ = false;
};

} // namespace quillmark::cli
