#include "gs1_element_check.h"

#include "engine.h"
#include "gs1_character_sets.h"
#include "latin1.h"

#include <algorithm>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace quillmark {
namespace {

// "(10): " or "(10) position 3: ", Offset counting from 0 in the data.
std::string Where(std::string_view AI, std::optional<std::size_t> Offset) {
    std::string where = "(" + std::string(AI) + ")";
    if (Offset)
        where += " position " + std::to_string(*Offset + 1);
    return where + ": ";
}

using TLengths = std::vector<std::pair<std::size_t, std::size_t>>;

// The lengths the data may have, as ranges from short to long: it ends after the last
// mandatory component or after any optional one, and only the final component varies.
TLengths ValidLengths(const TGS1AIEntry& Entry) {
    TLengths lengths;
    std::size_t before = 0;
    const auto& components = Entry.Components;
    for (std::size_t k = 0; k < components.size(); ++k) {
        const TGS1Component& c = components[k];
        const bool canEnd = k + 1 == components.size() || components[k + 1].Optional;
        if (canEnd) {
            if (!lengths.empty() && lengths.back().second + 1 >= before + c.Min)
                lengths.back().second = before + c.Max;
            else
                lengths.emplace_back(before + c.Min, before + c.Max);
        }
        before += c.Max;
    }
    return lengths;
}

std::string Count(std::size_t Number, const char* Unit) {
    return std::to_string(Number) + " " + Unit + (Number == 1 ? "" : "s");
}

// "(01): 13 digits, but (01) takes 14".
[[noreturn]] void RaiseLength(const TGS1AIEntry& Entry, std::string_view AI, std::size_t Size) {
    const bool digits = std::all_of(Entry.Components.begin(), Entry.Components.end(),
                                    [](const TGS1Component& c) { return c.Type == 'N'; });
    const TLengths lengths = ValidLengths(Entry);
    const std::size_t least = lengths.front().first;
    const std::size_t most = lengths.back().second;
    std::string takes;
    if (least == most) {
        takes = std::to_string(least);
    } else if (Size < least) {
        takes = "at least " + std::to_string(least);
    } else if (Size > most) {
        takes = "at most " + std::to_string(most);
    } else {
        for (std::size_t i = 0; i < lengths.size(); ++i) {
            const auto [from, to] = lengths[i];
            takes += i == 0 ? "" : i + 1 == lengths.size() ? " or " : ", ";
            takes += std::to_string(from) + (from == to ? "" : " to " + std::to_string(to));
        }
    }
    const std::string given = Size == 0 ? "no data" : Count(Size, digits ? "digit" : "character");
    throw Exception(Where(AI, std::nullopt) + given + ", but (" + std::string(AI) + ") takes " +
                    takes);
}

struct TSegment {
    const TGS1Component* Component;
    std::size_t Offset;
    std::string_view Text;
};

// The data cut into its components, front to back; optional ones may be left off at the end.
std::vector<TSegment> Segments(const TGS1AIEntry& Entry, std::string_view AI,
                               std::string_view Data) {
    std::vector<TSegment> segments;
    std::size_t at = 0;
    for (const TGS1Component& c : Entry.Components) {
        if (at == Data.size() && c.Optional)
            break;
        const std::size_t size = std::min<std::size_t>(Data.size() - at, c.Max);
        if (size < c.Min)
            RaiseLength(Entry, AI, Data.size());
        segments.push_back({&c, at, Data.substr(at, size)});
        at += size;
    }
    if (at < Data.size())
        RaiseLength(Entry, AI, Data.size());
    return segments;
}

// Base64 pads with up to two '=' at its very end.
bool IsPadding(std::string_view Text, std::size_t At) {
    return Text.size() - At <= 2 && Text.find_first_not_of('=', At) == std::string_view::npos;
}

void CheckCharacters(std::string_view AI, const TSegment& Segment) {
    const char type = Segment.Component->Type;
    const std::string_view set = type == 'N'   ? std::string_view("0123456789")
                                 : type == 'Y' ? GS1CharacterSet39
                                 : type == 'Z' ? GS1CharacterSet64
                                               : GS1CharacterSet82;
    for (std::size_t i = 0; i < Segment.Text.size(); ++i) {
        const char ch = Segment.Text[i];
        if (set.find(ch) != std::string_view::npos || (type == 'Z' && IsPadding(Segment.Text, i)))
            continue;
        const std::string name = type == 'N'   ? "a digit"
                                 : type == 'Y' ? "in GS1's character set 39"
                                 : type == 'Z' ? "in GS1's character set 64"
                                               : "in GS1's character set 82";
        throw Exception(Where(AI, Segment.Offset + i) + CharacterName(ch) + " is not " + name);
    }
}

// A fault in a component's value as a whole names where the component starts, unless it
// starts the data.
void CheckRules(std::string_view AI, const TSegment& Segment) {
    for (const TGS1LinterUse& use : Segment.Component->Linters) {
        const std::optional<TGS1LintFault> fault = LintGS1(use.Linter, Segment.Text);
        if (!fault)
            continue;
        std::optional<std::size_t> at;
        if (fault->Offset)
            at = Segment.Offset + *fault->Offset;
        else if (Segment.Offset > 0)
            at = Segment.Offset;
        throw Exception(Where(AI, at) + fault->Text);
    }
}

} // namespace

void CheckGS1Element(const TGS1AIEntry& Entry, std::string_view AI, std::string_view Data) {
    const std::vector<TSegment> segments = Segments(Entry, AI, Data);
    for (const TSegment& segment : segments)
        CheckCharacters(AI, segment);
    for (const TSegment& segment : segments)
        CheckRules(AI, segment);
}

} // namespace quillmark
