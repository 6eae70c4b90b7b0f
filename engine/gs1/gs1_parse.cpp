// Element strings read from and written as the bracketed text people type and read.
#include "gs1.h"

#include "encoders.h"
#include "engine.h"
#include "gs1_ai_table.h"
#include "gs1_element_check.h"
#include "gs1_elements.h"

namespace quillmark {
namespace {

// GS1-128's limit on its data characters, AIs included and FNC1 separators not, as GS1's
// general standard sets it.
constexpr std::size_t MostDataCharacters = 48;

struct TNotation {
    char Open;
    char Close;
    bool Escapes; // "\(" in the data: the parenthesis form needs them, the bracket form not
};

std::string Position(std::size_t Offset) {
    return "position " + std::to_string(Offset + 1);
}

// The AI between Value[At] and its closing bracket, At moved past it.
std::string ReadAI(std::string_view Value, std::size_t& At, const TNotation& Form) {
    const std::size_t close = Value.find(Form.Close, At + 1);
    if (close == std::string_view::npos)
        throw Exception(std::string("The '") + Form.Open + "' at " + Position(At) +
                        " has no closing '" + Form.Close + "'");
    const std::string ai(Value.substr(At + 1, close - At - 1));
    if (ai.size() < 2 || ai.size() > 4 || !AllDigits(ai))
        throw Exception(Form.Open + ai + Form.Close +
                        " is not an Application Identifier: those are 2 to 4 digits");
    At = close + 1;
    return ai;
}

// The data up to the next AI, At moved past it; in the parenthesis form "\(", "\)" and "\\"
// stand for the character escaped, and any other backslash for itself.
std::string ReadData(std::string_view Value, std::size_t& At, const TNotation& Form) {
    std::string data;
    while (At < Value.size() && Value[At] != Form.Open) {
        const char ch = Value[At];
        if (Form.Escapes && ch == '\\' && At + 1 < Value.size() &&
            std::string_view("()\\").find(Value[At + 1]) != std::string_view::npos)
            ++At;
        data += Value[At++];
    }
    return data;
}

void CheckDataCharacters(const std::vector<TGS1Element>& Elements) {
    std::size_t total = 0;
    for (const TGS1Element& element : Elements)
        total += element.AI.size() + element.Data.size();
    if (total <= MostDataCharacters)
        return;
    std::size_t running = 0;
    for (const TGS1Element& element : Elements) {
        running += element.AI.size() + element.Data.size();
        if (running > MostDataCharacters)
            throw Exception("(" + element.AI + "): the element strings come to " +
                            std::to_string(total) + " data characters; GS1-128 carries at most " +
                            std::to_string(MostDataCharacters));
    }
}

// The notation Value opens with; raises naming Carrier for text that isn't bracketed AIs.
TNotation NotationOf(std::string_view Value, TBarType Carrier) {
    if (Value.empty() || (Value[0] != '(' && Value[0] != '['))
        throw Exception(BarTypeName(Carrier) + " takes Application Identifiers in parentheses, as "
                                               "(01)09501101530003(10)ABC123.");
    return Value[0] == '(' ? TNotation{'(', ')', true} : TNotation{'[', ']', false};
}

} // namespace

std::vector<TGS1Element> ReadGS1Elements(std::string_view Value, TBarType Carrier) {
    const TNotation form = NotationOf(Value, Carrier);
    std::vector<TGS1Element> elements;
    std::size_t at = 0;
    while (at < Value.size()) {
        // Each element checked before the next is read, so the first fault in the text is
        // the one named.
        const std::string ai = ReadAI(Value, at, form);
        elements.push_back(CheckedGS1Element(ai, ReadData(Value, at, form)));
    }
    return elements;
}

std::vector<TGS1Element> SplitGS1(std::string_view Value) {
    const TNotation form = NotationOf(Value, bcCodeGS1_128);
    std::vector<TGS1Element> elements;
    std::size_t at = 0;
    while (at < Value.size()) {
        std::string ai = ReadAI(Value, at, form);
        const TGS1AIEntry* entry = FindGS1AI(ai);
        std::string data = ReadData(Value, at, form);
        elements.push_back({std::move(ai), std::move(data), entry != nullptr && entry->Predefined});
    }
    return elements;
}

TGS1Element CheckedGS1Element(std::string_view AI, std::string_view Data) {
    const TGS1AIEntry* entry = FindGS1AI(AI);
    if (entry == nullptr)
        throw Exception("AI (" + std::string(AI) + ") is not defined");
    CheckGS1Element(*entry, AI, Data);
    return {std::string(AI), std::string(Data), entry->Predefined};
}

std::string_view GS1AITitle(std::string_view AI) {
    const TGS1AIEntry* entry = FindGS1AI(AI);
    return entry == nullptr ? std::string_view() : entry->Title;
}

std::vector<TGS1Element> ParseGS1(std::string_view Value) {
    std::vector<TGS1Element> elements = ReadGS1Elements(Value);
    CheckDataCharacters(elements);
    return elements;
}

std::string SeparatedElementString(const std::vector<TGS1Element>& Elements) {
    std::string out;
    for (std::size_t i = 0; i < Elements.size(); ++i) {
        out += Elements[i].AI + Elements[i].Data;
        if (!Elements[i].Predefined && i + 1 < Elements.size())
            out += GroupSeparator;
    }
    return out;
}

std::string GS1Text(const std::vector<TGS1Element>& Elements) {
    std::string text;
    for (const TGS1Element& element : Elements)
        text += "(" + element.AI + ")" + element.Data;
    return text;
}

std::string GS1Value(const std::vector<TGS1Element>& Elements) {
    std::string text;
    for (const TGS1Element& element : Elements) {
        text += "(" + element.AI + ")";
        for (const char ch : element.Data) {
            if (ch == '(' || ch == ')' || ch == '\\')
                text += '\\';
            text += ch;
        }
    }
    return text;
}

} // namespace quillmark
