// Writes the engine's AI table (the TGS1AIEntry array of gs1_ai_table.h) as C++ source from
// the GS1 Barcode Syntax Dictionary, so the table follows the carried file and nobody types
// it by hand. Usage: ai_table_generator gs1-syntax-dictionary.txt gs1_ai_table.cpp
//
// A line reads "AIs [Flags] Components [Attributes...] [# Title]", as the head of the
// dictionary describes. Rules (linters) are written out by name; the table resolves the
// names it knows when it is compiled, so a new rule in the dictionary is left unchecked.
#include <algorithm>
#include <cctype>
#include <fstream>
#include <iostream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

struct TComponent {
    char Type = 'N';
    int Min = 0;
    int Max = 0;
    bool Optional = false;
    std::vector<std::string> Linters;
};

struct TEntry {
    std::string First;
    std::string Last;
    bool Predefined = false;
    std::vector<TComponent> Components;
    std::vector<std::vector<std::string>> Requires; // one list of alternatives per "req="
    std::vector<std::string> Excludes;
    bool DataAttribute = false;              // the '?' flag
    bool PrimaryKey = false;                 // "dlpkey", with or without qualifier paths
    std::vector<std::string> QualifierPaths; // "22,10,21" and "235" of "dlpkey=22,10,21|235"
    std::string Title;
};

[[noreturn]] void Fail(const std::string& Message) {
    throw std::runtime_error(Message);
}

bool AllDigits(std::string_view Text) {
    return !Text.empty() && std::all_of(Text.begin(), Text.end(), [](char Ch) {
        return std::isdigit(static_cast<unsigned char>(Ch)) != 0;
    });
}

std::vector<std::string> Split(std::string_view Text, char Separator) {
    std::vector<std::string> pieces;
    std::size_t start = 0;
    while (true) {
        const std::size_t end = Text.find(Separator, start);
        pieces.emplace_back(Text.substr(start, end - start));
        if (end == std::string_view::npos)
            return pieces;
        start = end + 1;
    }
}

std::string Trimmed(std::string_view Text) {
    const auto first = Text.find_first_not_of(" \t\r");
    if (first == std::string_view::npos)
        return {};
    const auto last = Text.find_last_not_of(" \t\r");
    return std::string(Text.substr(first, last - first + 1));
}

void ReadAIs(const std::string& Token, TEntry& Entry) {
    const auto dash = Token.find('-');
    Entry.First = Token.substr(0, dash);
    Entry.Last = dash == std::string::npos ? Entry.First : Token.substr(dash + 1);
    for (const std::string& ai : {Entry.First, Entry.Last})
        if (!AllDigits(ai) || ai.size() < 2 || ai.size() > 4)
            Fail("'" + Token + "' is not an AI or a range of AIs");
    if (Entry.First.size() != Entry.Last.size() || Entry.First > Entry.Last)
        Fail("the range '" + Token + "' is not of AIs of one length in order");
}

// "N14,csum,gcppos2", "X..20", "[N3],iso3166" or "[X..17]".
TComponent ReadComponent(std::string Token) {
    TComponent component;
    if (Token.front() == '[') {
        const auto close = Token.find(']');
        if (close == std::string::npos)
            Fail("the optional component '" + Token + "' has no ']'");
        component.Optional = true;
        Token.erase(close, 1);
        Token.erase(0, 1);
    }
    const std::vector<std::string> pieces = Split(Token, ',');
    const std::string& format = pieces.front();
    if (format.size() < 2 || std::string_view("NXYZ").find(format[0]) == std::string_view::npos)
        Fail("'" + format + "' is not a component type and length");
    component.Type = format[0];
    const bool variable = format.compare(1, 2, "..") == 0;
    const std::string digits = format.substr(variable ? 3 : 1);
    if (!AllDigits(digits) || digits.size() > 3)
        Fail("'" + format + "' has no length");
    component.Max = std::stoi(digits);
    component.Min = variable ? 1 : component.Max;
    if (component.Max < 1 || component.Max > 255)
        Fail("'" + format + "' has a length out of range");
    for (std::size_t i = 1; i < pieces.size(); ++i) {
        if (pieces[i].empty())
            Fail("'" + Token + "' has an empty rule name");
        component.Linters.push_back(pieces[i]);
    }
    return component;
}

// A list of AIs or patterns such as "35nn"; in a requirement, AIs joined by '+' go together.
void ReadPatterns(const std::string& List, std::vector<std::string>& Patterns, bool Joined) {
    for (const std::string& pattern : Split(List, ',')) {
        for (const std::string& ai : Joined ? Split(pattern, '+') : std::vector{pattern}) {
            const bool fits =
                ai.size() >= 2 && ai.size() <= 4 && std::all_of(ai.begin(), ai.end(), [](char c) {
                    return std::isdigit(static_cast<unsigned char>(c)) != 0 || c == 'n';
                });
            if (!fits)
                Fail("'" + ai + "' is not an AI or an AI pattern");
        }
        Patterns.push_back(pattern);
    }
}

// "22,10,21|235": alternative paths, each of AIs (no patterns) in the order a URI gives them.
void ReadQualifierPaths(const std::string& List, std::vector<std::string>& Paths) {
    for (const std::string& path : Split(List, '|')) {
        for (const std::string& ai : Split(path, ','))
            if (!AllDigits(ai) || ai.size() < 2 || ai.size() > 4)
                Fail("'" + ai + "' in dlpkey is not an AI");
        Paths.push_back(path);
    }
}

void ReadAttribute(const std::string& Token, TEntry& Entry) {
    const auto equals = Token.find('=');
    const std::string key = Token.substr(0, equals);
    const std::string value = equals == std::string::npos ? "" : Token.substr(equals + 1);
    if (key == "req") {
        ReadPatterns(value, Entry.Requires.emplace_back(), true);
    } else if (key == "ex") {
        // Each "ex=" forbids its AIs; repeated ones forbid them all.
        ReadPatterns(value, Entry.Excludes, false);
    } else if (key == "dlpkey") {
        Entry.PrimaryKey = true;
        if (equals != std::string::npos)
            ReadQualifierPaths(value, Entry.QualifierPaths);
    }
}

// Only the final component may vary in length and no mandatory one follows an optional one:
// the checker cuts the data from the front on that promise.
void CheckComponentOrder(const TEntry& Entry) {
    const auto& components = Entry.Components;
    if (components.empty())
        Fail("the AI has no components");
    for (std::size_t i = 0; i + 1 < components.size(); ++i) {
        if (components[i].Min != components[i].Max)
            Fail("a variable-length component is not the last");
        if (components[i].Optional && !components[i + 1].Optional)
            Fail("a mandatory component follows an optional one");
    }
    if (components.front().Optional)
        Fail("the first component is optional");
}

TEntry ReadLine(const std::string& Line) {
    TEntry entry;
    const auto hash = Line.find('#');
    if (hash != std::string::npos)
        entry.Title = Trimmed(std::string_view(Line).substr(hash + 1));
    std::istringstream words(Line.substr(0, hash));
    std::vector<std::string> tokens;
    for (std::string token; words >> token;)
        tokens.push_back(token);
    std::size_t at = 0;
    ReadAIs(tokens[at++], entry);
    // Flags are punctuation only, which tells them from a component such as "[N3]".
    if (at < tokens.size() && std::none_of(tokens[at].begin(), tokens[at].end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) != 0;
        })) {
        entry.Predefined = tokens[at].find('*') != std::string::npos;
        entry.DataAttribute = tokens[at++].find('?') != std::string::npos;
    }
    for (; at < tokens.size() &&
           (tokens[at][0] == '[' || std::isupper(static_cast<unsigned char>(tokens[at][0])));
         ++at)
        entry.Components.push_back(ReadComponent(tokens[at]));
    CheckComponentOrder(entry);
    for (; at < tokens.size(); ++at) {
        if (!std::islower(static_cast<unsigned char>(tokens[at][0])))
            Fail("'" + tokens[at] + "' follows the attributes");
        ReadAttribute(tokens[at], entry);
    }
    return entry;
}

std::vector<TEntry> ReadDictionary(std::istream& In) {
    std::vector<TEntry> entries;
    std::string line;
    for (int number = 1; std::getline(In, line); ++number) {
        const std::string content = Trimmed(line);
        if (content.empty() || content[0] == '#')
            continue;
        try {
            entries.push_back(ReadLine(content));
        } catch (const std::runtime_error& error) {
            Fail("line " + std::to_string(number) + ": " + error.what());
        }
    }
    for (std::size_t i = 0; i < entries.size(); ++i)
        for (std::size_t j = i + 1; j < entries.size(); ++j)
            if (entries[i].First.size() == entries[j].First.size() &&
                entries[i].First <= entries[j].Last && entries[j].First <= entries[i].Last)
                Fail("the entries of " + entries[i].First + " and " + entries[j].First +
                     " overlap");
    // A qualifier is looked up when a URI is written, so it must be an AI of the dictionary.
    for (const TEntry& entry : entries)
        for (const std::string& path : entry.QualifierPaths)
            for (const std::string& ai : Split(path, ','))
                if (std::none_of(entries.begin(), entries.end(), [&ai](const TEntry& e) {
                        return e.First.size() == ai.size() && e.First <= ai && ai <= e.Last;
                    }))
                    Fail("the qualifier " + ai + " of " + entry.First + " is not defined");
    return entries;
}

std::string Quoted(std::string_view Text) {
    std::string quoted = "\"";
    for (const char ch : Text) {
        if (ch == '"' || ch == '\\')
            quoted += '\\';
        quoted += ch;
    }
    return quoted + '"';
}

std::string QuotedList(const std::vector<std::string>& Items) {
    std::string list;
    for (const std::string& item : Items)
        list += (list.empty() ? "" : ", ") + Quoted(item);
    return list;
}

std::string_view Flag(bool Set) {
    return Set ? "true" : "false";
}

// The arrays an entry's spans point at, named for its first AI.
void WriteArrays(std::ostream& Out, const TEntry& Entry) {
    const std::string& ai = Entry.First;
    for (std::size_t k = 0; k < Entry.Components.size(); ++k) {
        const auto& linters = Entry.Components[k].Linters;
        if (linters.empty())
            continue;
        Out << "constexpr TGS1LinterUse Linters" << ai << '_' << k << "[] = {";
        for (std::size_t l = 0; l < linters.size(); ++l)
            Out << (l ? ", " : "") << '{' << Quoted(linters[l]) << '}';
        Out << "};\n";
    }
    Out << "constexpr TGS1Component Components" << ai << "[] = {";
    for (std::size_t k = 0; k < Entry.Components.size(); ++k) {
        const TComponent& c = Entry.Components[k];
        Out << (k ? ", " : "") << "{'" << c.Type << "', " << c.Min << ", " << c.Max << ", "
            << Flag(c.Optional) << ", ";
        if (c.Linters.empty())
            Out << "{}}";
        else
            Out << "Linters" << ai << '_' << k << '}';
    }
    Out << "};\n";
    for (std::size_t r = 0; r < Entry.Requires.size(); ++r)
        Out << "constexpr std::string_view Requires" << ai << '_' << r << "[] = {"
            << QuotedList(Entry.Requires[r]) << "};\n";
    if (!Entry.Requires.empty()) {
        Out << "constexpr TGS1Requirement Requires" << ai << "[] = {";
        for (std::size_t r = 0; r < Entry.Requires.size(); ++r)
            Out << (r ? ", " : "") << "{Requires" << ai << '_' << r << '}';
        Out << "};\n";
    }
    if (!Entry.Excludes.empty())
        Out << "constexpr std::string_view Excludes" << ai << "[] = {" << QuotedList(Entry.Excludes)
            << "};\n";
    if (!Entry.QualifierPaths.empty())
        Out << "constexpr std::string_view QualifierPaths" << ai << "[] = {"
            << QuotedList(Entry.QualifierPaths) << "};\n";
}

void WriteTable(std::ostream& Out, const std::vector<TEntry>& Entries) {
    Out << "// Generated by ai_table_generator from gs1-syntax-dictionary.txt; edits are lost.\n"
           "#include \"gs1_ai_table.h\"\n\n"
           "namespace quillmark {\n"
           "namespace {\n\n";
    for (const TEntry& entry : Entries)
        WriteArrays(Out, entry);
    Out << "\nconstexpr TGS1AIEntry Entries[] = {\n";
    for (const TEntry& e : Entries)
        Out << "    {" << Quoted(e.First) << ", " << Quoted(e.Last) << ", " << Flag(e.Predefined)
            << ", Components" << e.First << ", "
            << (e.Requires.empty() ? "{}" : "Requires" + e.First) << ", "
            << (e.Excludes.empty() ? "{}" : "Excludes" + e.First) << ", " << Flag(e.DataAttribute)
            << ", " << Flag(e.PrimaryKey) << ", "
            << (e.QualifierPaths.empty() ? "{}" : "QualifierPaths" + e.First) << ", "
            << Quoted(e.Title) << "},\n";
    Out << "};\n\n"
           "} // namespace\n\n"
           "std::span<const TGS1AIEntry> GS1AIEntries() { return Entries; }\n\n"
           "} // namespace quillmark\n";
}

} // namespace

int main(int Count, char** Arguments) {
    if (Count != 3) {
        std::cerr << "usage: ai_table_generator gs1-syntax-dictionary.txt output.cpp\n";
        return 2;
    }
    const std::string input = Arguments[1];
    const std::string output = Arguments[2];
    try {
        std::ifstream in(input);
        if (!in)
            Fail("cannot be read");
        const std::vector<TEntry> entries = ReadDictionary(in);
        if (entries.empty())
            Fail("holds no AIs");
        std::ofstream out(output);
        WriteTable(out, entries);
        if (!out.flush())
            Fail("the table cannot be written to " + output);
    } catch (const std::runtime_error& error) {
        std::cerr << input << ": " << error.what() << '\n';
        return 1;
    }
    return 0;
}
