#include "value_template.h"

#include <quillmark/engine.h>
#include <quillmark/error_messages.h>

#include <charconv>

namespace quillmark {
namespace {

[[noreturn]] void Refuse(std::string_view Text, std::size_t Position, const std::string& What) {
    throw Exception("The template '" + Shortened(std::string(Text)) + "' has " + What +
                    " at character " + std::to_string(Position) + "; " +
                    "write {{ and }} for braces themselves.");
}

// Reads "name" or "name:0N" from inside a field's braces into Piece.
void ReadField(std::string_view Text, std::size_t Position, std::string_view Inside,
               TTemplatePiece& Piece) {
    const auto Colon = Inside.find(':');
    Piece.Field = std::string(Inside.substr(0, Colon));
    if (Piece.Field.empty())
        Refuse(Text, Position, "a field without a name");
    if (Colon == std::string_view::npos)
        return;
    const auto Format = Inside.substr(Colon + 1);
    const auto* End = Format.data() + Format.size();
    const auto [Stop, Error] =
        Format.size() < 2 ? std::from_chars_result{Format.data(), std::errc::invalid_argument}
                          : std::from_chars(Format.data() + 1, End, Piece.Width);
    if (Format.size() < 2 || Format.front() != '0' || Error != std::errc() || Stop != End ||
        Piece.Width == 0 || Piece.Width > MaxTemplateWidth)
        throw Exception("The template '" + Shortened(std::string(Text)) + "' gives {" +
                        Piece.Field + "} the width '" + std::string(Format) +
                        "'; write a zero and the number of characters to pad to, 1 to " +
                        std::to_string(MaxTemplateWidth) + ", as {" + Piece.Field + ":07}.");
}

} // namespace

TValueTemplate::TValueTemplate(std::string_view Text) : FText(Text) {
    TTemplatePiece Piece;
    for (std::size_t I = 0; I < Text.size(); ++I) {
        const char Ch = Text[I];
        const bool Doubled = I + 1 < Text.size() && Text[I + 1] == Ch;
        if ((Ch == '{' || Ch == '}') && Doubled) {
            Piece.Literal += Ch;
            ++I;
        } else if (Ch == '}') {
            Refuse(Text, I + 1, "a } that closes no field");
        } else if (Ch == '{') {
            const auto Close = Text.find_first_of("{}", I + 1);
            if (Close == std::string_view::npos || Text[Close] != '}')
                Refuse(Text, I + 1, "a { that is not closed");
            Piece.Position = I + 1;
            ReadField(Text, I + 1, Text.substr(I + 1, Close - I - 1), Piece);
            FPieces.push_back(std::move(Piece));
            Piece = {};
            I = Close;
        } else {
            Piece.Literal += Ch;
        }
    }
    FPieces.push_back(std::move(Piece));
}

std::string
TValueTemplate::Format(const std::function<std::string(const TTemplatePiece&)>& FieldText) const {
    std::string Value;
    for (const auto& Piece : FPieces) {
        Value += Piece.Literal;
        if (Piece.Field.empty())
            continue;
        std::string Text = FieldText(Piece);
        if (Text.size() < Piece.Width) {
            // Zeros go after a sign, as printf's do.
            const std::size_t Sign = !Text.empty() && (Text[0] == '-' || Text[0] == '+');
            Text.insert(Sign, Piece.Width - Text.size(), '0');
        }
        Value += Text;
    }
    return Value;
}

} // namespace quillmark
