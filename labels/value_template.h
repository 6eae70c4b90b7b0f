// A value written with fields in braces, as "QM-{seq:07}" or "{sku}-{3}": literal text,
// fields by name, an optional width to pad a field with zeros to ("{seq:07}", the sign
// counted in the width), and "{{" and "}}" for braces themselves.
#pragma once

#include <cstddef>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark {

// The widest a field may be padded to.
inline constexpr std::size_t MaxTemplateWidth = 64;

struct TTemplatePiece {
    std::string Literal;      // text before the field, braces undoubled
    std::string Field;        // the field's name; empty for the text after the last field
    std::size_t Width = 0;    // pad the field with zeros to this many characters; 0 for none
    std::size_t Position = 0; // of the field's opening brace, counted from 1
};

class TValueTemplate {
public:
    // Raises Exception naming the template and the place of a brace left open, a lone "}",
    // a field without a name, or a width not written as zeros and digits ("07").
    explicit TValueTemplate(std::string_view Text);

    const std::string& Text() const noexcept { return FText; }
    const std::vector<TTemplatePiece>& Pieces() const noexcept { return FPieces; }

    // The template with each field's text as FieldText gives it, padded to its width.
    std::string Format(const std::function<std::string(const TTemplatePiece&)>& FieldText) const;

private:
    std::string FText;
    std::vector<TTemplatePiece> FPieces;
};

} // namespace quillmark
