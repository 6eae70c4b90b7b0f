#include "file_name_template.h"

#include <quillmark/engine.h>

#include <algorithm>
#include <cctype>
#include <optional>

namespace quillmark {

std::string SafeFileNamePart(std::string_view Value) {
    std::string safe(Value);
    for (char& ch : safe)
        if (!std::isalnum(static_cast<unsigned char>(ch)) && ch != '.' && ch != '_' && ch != '-')
            ch = '_';
    if (std::all_of(safe.begin(), safe.end(), [](char ch) { return ch == '.'; }))
        std::replace(safe.begin(), safe.end(), '.', '_');
    return safe;
}

namespace {

// The width of "0N" (N one or two digits), or none for any other format.
std::optional<int> PaddingWidth(std::string_view Format) {
    if (Format.size() < 2 || Format.size() > 3 || Format.front() != '0' ||
        !std::all_of(Format.begin() + 1, Format.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    return std::stoi(std::string(Format.substr(1)));
}

// Text padded with zeros to Width characters, after a sign.
std::string Padded(std::string Text, int Width) {
    if (Text.size() < static_cast<std::size_t>(Width)) {
        const std::size_t sign = !Text.empty() && (Text[0] == '-' || Text[0] == '+');
        Text.insert(sign, static_cast<std::size_t>(Width) - Text.size(), '0');
    }
    return Text;
}

} // namespace

TNameTemplate::TNameTemplate(std::string_view Template, const TFieldIndex& Fields) {
    const auto fail = [&Template](const std::string& Why) {
        throw Exception("output template '" + std::string(Template) + "': " + Why);
    };
    std::string text;
    const auto flushText = [&] {
        if (!text.empty())
            pieces_.push_back({TKind::Text, std::move(text), 0});
        text.clear();
    };
    for (std::size_t i = 0; i < Template.size(); ++i) {
        const char ch = Template[i];
        if ((ch == '{' || ch == '}') && i + 1 < Template.size() && Template[i + 1] == ch) {
            text += ch;
            ++i;
            continue;
        }
        if (ch == '}')
            fail("unmatched '}' (write }} for a brace)");
        if (ch != '{') {
            text += ch;
            continue;
        }
        const std::size_t close = Template.find('}', i);
        if (close == std::string_view::npos)
            fail("unmatched '{' (write {{ for a brace)");
        const std::string_view field = Template.substr(i + 1, close - i - 1);
        const std::size_t colon = field.find(':');
        const std::string_view name = field.substr(0, colon);
        const std::optional<int> width =
            colon == std::string_view::npos ? 0 : PaddingWidth(field.substr(colon + 1));
        flushText();
        if (field == "value") {
            pieces_.push_back({TKind::Value, {}, 0});
            hasOther_ = true;
        } else if (name == "n" && width) {
            pieces_.push_back({TKind::Line, {}, *width});
            hasLine_ = true;
        } else if (!Fields || name == "n" || name == "value") {
            fail("unknown field {" + std::string(field) +
                 "}; the fields are {n}, {n:05} and {value}");
        } else if (!width) {
            fail("{" + std::string(field) +
                 "}: write a field's width as a zero and the digits, "
                 "as {" +
                 std::string(name) + ":05}");
        } else {
            try {
                pieces_.push_back({TKind::Field, {}, *width, Fields(name)});
            } catch (const Exception& e) {
                fail("unknown field {" + std::string(name) + "}: " + e.Message());
            }
            hasOther_ = true;
        }
        i = close;
    }
    flushText();
}

std::string TNameTemplate::Expand(std::uint64_t Line, std::string_view Value,
                                  const std::vector<std::string>& Fields) const {
    std::string name;
    for (const TPiece& piece : pieces_) {
        switch (piece.Kind) {
        case TKind::Text:
            name += piece.Text;
            break;
        case TKind::Line:
            name += Padded(std::to_string(Line), piece.Width);
            break;
        case TKind::Value:
            name += SafeFileNamePart(Value);
            break;
        case TKind::Field:
            name += SafeFileNamePart(Padded(Fields.at(piece.Field), piece.Width));
            break;
        }
    }
    return name;
}

bool TNameTemplate::NamesAreUnique() const {
    if (!hasLine_ || !hasOther_)
        return hasLine_;
    const auto field = std::find_if(pieces_.begin(), pieces_.end(),
                                    [](const TPiece& piece) { return piece.Kind != TKind::Text; });
    if (field->Kind != TKind::Line)
        return false;
    const auto next = field + 1;
    return next == pieces_.end() ||
           (next->Kind == TKind::Text && !std::isdigit(static_cast<unsigned char>(next->Text[0])));
}

bool TNameTemplate::HasFixedFolder() const {
    // Fields after the last '/' of the text pieces are in the file name, not the folder.
    bool slashAfterField = false;
    bool field = false;
    for (const TPiece& piece : pieces_) {
        if (piece.Kind != TKind::Text)
            field = true;
        else if (field && piece.Text.find('/') != std::string::npos)
            slashAfterField = true;
    }
    return !slashAfterField;
}

std::string TNameTemplate::Folder() const {
    std::string whole;
    for (const TPiece& piece : pieces_)
        whole += piece.Kind == TKind::Text ? piece.Text : std::string("x");
    const std::size_t slash = whole.rfind('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : whole.substr(0, slash);
}

} // namespace quillmark
