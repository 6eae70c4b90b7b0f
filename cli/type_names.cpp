#include "type_names.h"

#include <array>
#include <cctype>
#include <cstdio>

namespace quillmark::cli {

namespace {

struct TTypeName {
    TBarType Type;
    std::string_view Identifier;
    std::string_view Aliases; // comma-separated, lower case
};

// Indexed by TBarType. "code128" and "ean128" take set B, the output default's set.
constexpr std::array<TTypeName, BarTypeCount> Names{{
    {bcCode_2_5_interleaved, "bcCode_2_5_interleaved", "itf,i25,interleaved25"},
    {bcCode_2_5_industrial, "bcCode_2_5_industrial", "industrial25"},
    {bcCode_2_5_matrix, "bcCode_2_5_matrix", "matrix25"},
    {bcCode39, "bcCode39", "c39"},
    {bcCode39Extended, "bcCode39Extended", "code39ext,code39ascii"},
    {bcCode128A, "bcCode128A", "c128a"},
    {bcCode128B, "bcCode128B", "code128,c128,c128b"},
    {bcCode128C, "bcCode128C", "c128c"},
    {bcCode93, "bcCode93", "c93"},
    {bcCode93Extended, "bcCode93Extended", "code93ext,code93ascii"},
    {bcCodeMSI, "bcCodeMSI", "msi"},
    {bcCodePostNet, "bcCodePostNet", "postnet"},
    {bcCodeCodabar, "bcCodeCodabar", "codabar"},
    {bcCodeEAN8, "bcCodeEAN8", "ean8"},
    {bcCodeEAN13, "bcCodeEAN13", "ean13"},
    {bcCodeUPC_A, "bcCodeUPC_A", "upca"},
    {bcCodeUPC_E0, "bcCodeUPC_E0", "upce,upce0"},
    {bcCodeUPC_E1, "bcCodeUPC_E1", "upce1"},
    {bcCodeUPC_Supp2, "bcCodeUPC_Supp2", "upc2,ean2,addon2"},
    {bcCodeUPC_Supp5, "bcCodeUPC_Supp5", "upc5,ean5,addon5"},
    {bcCodeEAN128A, "bcCodeEAN128A", "gs1128a"},
    {bcCodeEAN128B, "bcCodeEAN128B", "ean128,gs1128,gs1128b"},
    {bcCodeEAN128C, "bcCodeEAN128C", "gs1128c"},
}};

constexpr bool RowsInOrder() {
    for (std::size_t i = 0; i < Names.size(); ++i)
        if (Names[i].Type != static_cast<TBarType>(i))
            return false;
    return true;
}
static_assert(RowsInOrder(), "one row per TBarType, in its order");

// Lower case without separators; identifiers also lose their "bc".
std::string Folded(std::string_view Name) {
    std::string folded;
    for (const char ch : Name)
        if (ch != '_' && ch != '-' && ch != ' ')
            folded += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
    return folded;
}

std::string WithoutBc(std::string_view Identifier) {
    return Folded(Identifier.substr(2));
}

} // namespace

std::string_view TypeIdentifier(TBarType Type) {
    return Names.at(Type).Identifier;
}

std::string_view TypeAliases(TBarType Type) {
    return Names.at(Type).Aliases;
}

std::optional<TBarType> FindBarType(std::string_view Name) {
    const std::string wanted = Folded(Name);
    if (wanted.empty())
        return std::nullopt;
    for (const TTypeName& row : Names) {
        if (wanted == Folded(row.Identifier) || wanted == WithoutBc(row.Identifier) ||
            wanted == Folded(BarTypeName(row.Type)))
            return row.Type;
        std::string_view aliases = row.Aliases;
        while (!aliases.empty()) {
            const std::size_t comma = aliases.find(',');
            if (wanted == aliases.substr(0, comma))
                return row.Type;
            aliases = comma == std::string_view::npos ? "" : aliases.substr(comma + 1);
        }
    }
    return std::nullopt;
}

std::string TypeTable() {
    std::string table;
    char line[160];
    std::snprintf(line, sizeof line, "%-24s %-20s %-26s %s\n", "IDENTIFIER", "NAME", "ALIASES",
                  "DIGITS ONLY");
    table += line;
    for (const TTypeName& row : Names) {
        std::string aliases(row.Aliases);
        for (std::size_t at = aliases.find(','); at != std::string::npos;
             at = aliases.find(',', at + 2))
            aliases.replace(at, 1, ", ");
        std::snprintf(line, sizeof line, "%-24s %-20s %-26s %s\n",
                      std::string(row.Identifier).c_str(), BarTypeName(row.Type).c_str(),
                      aliases.c_str(), BarTypeData(row.Type).DigitsOnly ? "yes" : "no");
        table += line;
    }
    return table;
}

std::string TypeNameList() {
    std::string list;
    for (const TTypeName& row : Names) {
        if (!list.empty())
            list += ", ";
        list += row.Identifier.substr(2);
    }
    return list;
}

} // namespace quillmark::cli
