#include "sequence.h"

#include <quillmark/engine.h>
#include <quillmark/error_messages.h>

#include <charconv>
#include <limits>

namespace quillmark {
namespace {

constexpr std::string_view SequenceField = "seq";

std::string Example() {
    return "write FROM..TO or FROM..TO/STEP, as 1..100 or 100..1/-5.";
}

std::int64_t ReadNumber(std::string_view Text, std::string_view Part, std::string_view Role) {
    std::int64_t Number = 0;
    const auto* End = Part.data() + Part.size();
    const auto [Stop, Error] = std::from_chars(Part.data(), End, Number);
    const std::string Named = "The sequence '" + Shortened(std::string(Text)) + "' " +
                              std::string(Role) + " '" + Shortened(std::string(Part)) + "'";
    if (Error == std::errc::result_out_of_range)
        throw Exception(Named + ", beyond the whole numbers a sequence counts in, " +
                        std::to_string(std::numeric_limits<std::int64_t>::min()) + " to " +
                        std::to_string(std::numeric_limits<std::int64_t>::max()) + ".");
    if (Part.empty() || Error != std::errc() || Stop != End)
        throw Exception(Named + ", which is not a whole number; " + Example());
    return Number;
}

// The size of a difference or a step, in the unsigned arithmetic that holds every one.
std::uint64_t Magnitude(std::int64_t Number) {
    const auto Bits = static_cast<std::uint64_t>(Number);
    return Number < 0 ? 0 - Bits : Bits;
}

} // namespace

TSequenceRange ParseSequenceRange(std::string_view Text) {
    const auto Dots = Text.find("..");
    if (Dots == std::string_view::npos)
        throw Exception("'" + Shortened(std::string(Text)) + "' is not a sequence; " + Example());
    const auto Slash = Text.find('/', Dots + 2);
    TSequenceRange Range;
    Range.From = ReadNumber(Text, Text.substr(0, Dots), "starts at");
    Range.To = ReadNumber(Text, Text.substr(Dots + 2, Slash - (Dots + 2)), "ends at");
    Range.Step = Range.To < Range.From ? -1 : 1;
    if (Slash != std::string_view::npos)
        Range.Step = ReadNumber(Text, Text.substr(Slash + 1), "steps by");
    if (Range.Step == 0)
        throw Exception("The sequence '" + Shortened(std::string(Text)) +
                        "' steps by 0 and never moves; give a step other than 0.");
    if (Range.To != Range.From && (Range.To > Range.From) != (Range.Step > 0))
        throw Exception("The sequence '" + Shortened(std::string(Text)) + "' never reaches " +
                        std::to_string(Range.To) + " from " + std::to_string(Range.From) +
                        " by steps of " + std::to_string(Range.Step) + "; give a " +
                        (Range.Step > 0 ? "negative" : "positive") + " step to count " +
                        (Range.Step > 0 ? "down." : "up."));
    return Range;
}

TSequence::TSequence(const TSequenceRange& Range, std::string_view Template)
    : FRange(Range), FTemplate(Template),
      FLast((Range.To < Range.From
                 ? static_cast<std::uint64_t>(Range.From) - static_cast<std::uint64_t>(Range.To)
                 : static_cast<std::uint64_t>(Range.To) - static_cast<std::uint64_t>(Range.From)) /
            Magnitude(Range.Step)) {
    bool HasSequence = false;
    for (const auto& Piece : FTemplate.Pieces()) {
        if (!Piece.Field.empty() && Piece.Field != SequenceField)
            throw Exception("The template '" + Shortened(FTemplate.Text()) + "' has the field {" +
                            Shortened(Piece.Field) + "} at character " +
                            std::to_string(Piece.Position) +
                            "; a sequence's template knows only {seq}.");
        HasSequence = HasSequence || Piece.Field == SequenceField;
    }
    if (!HasSequence)
        throw Exception("The template '" + Shortened(FTemplate.Text()) +
                        "' has no {seq}, so every value would be the same; write {seq} where "
                        "the number goes, as QM-{seq:07}.");
}

std::optional<std::string> TSequence::Next() {
    if (FDone)
        return std::nullopt;
    // Counted by index in unsigned arithmetic, which wraps where a signed sum near the end
    // of the range would overflow; the value itself always lies between From and To.
    const auto Value = static_cast<std::int64_t>(static_cast<std::uint64_t>(FRange.From) +
                                                 FNext * static_cast<std::uint64_t>(FRange.Step));
    FDone = FNext == FLast;
    ++FNext;
    const std::string Number = std::to_string(Value);
    return FTemplate.Format([&](const TTemplatePiece&) { return Number; });
}

} // namespace quillmark
