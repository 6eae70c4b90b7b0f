#include "table_columns.h"

#include <quillmark/engine.h>
#include <quillmark/error_messages.h>

#include <algorithm>
#include <charconv>
#include <utility>

namespace quillmark {
namespace {

// How many of the header's names a refusal lists before it says how many more there are.
constexpr std::size_t ListedNames = 8;

// The column number Name writes, or 0 when it writes none.
std::size_t ColumnNumber(std::string_view Name) {
    std::size_t Number = 0;
    const auto* End = Name.data() + Name.size();
    const auto [Stop, Error] = std::from_chars(Name.data(), End, Number);
    if (Name.empty() || Error != std::errc() || Stop != End || Name.front() == '+')
        return 0;
    return Number;
}

} // namespace

TTableColumns::TTableColumns(std::vector<std::string> Header, std::size_t FieldCount)
    : FHeader(std::move(Header)), FFieldCount(FieldCount) {}

std::size_t TTableColumns::Resolve(std::string_view Name) const {
    const auto Found = std::find(FHeader.begin(), FHeader.end(), Name);
    if (Found != FHeader.end()) {
        const auto Again = std::find(std::next(Found), FHeader.end(), Name);
        if (Again != FHeader.end())
            throw Exception("Two columns are named '" + Shortened(std::string(Name)) + "', " +
                            std::to_string(Found - FHeader.begin() + 1) + " and " +
                            std::to_string(Again - FHeader.begin() + 1) +
                            "; name the column by its number.");
        return static_cast<std::size_t>(Found - FHeader.begin());
    }
    if (const std::size_t Number = ColumnNumber(Name); Number > 0 && Number <= FFieldCount)
        return Number - 1;
    if (FFieldCount == 0)
        throw Exception("There is no column '" + Shortened(std::string(Name)) +
                        "': the table has no rows.");
    const std::string Range = "1 to " + std::to_string(FFieldCount);
    if (ColumnNumber(Name) > 0 || Name == "0")
        throw Exception("There is no column " + std::string(Name) + ": the table's columns are " +
                        Range + ".");
    if (FHeader.empty())
        throw Exception("There is no column named '" + Shortened(std::string(Name)) +
                        "': the table has no header row, so name a column by its number, " + Range +
                        ".");
    throw Exception("There is no column named '" + Shortened(std::string(Name)) +
                    "'; the header names " + Known() + ", or give a column's number, " + Range +
                    ".");
}

std::string TTableColumns::Known() const {
    std::string List;
    const std::size_t Shown = std::min(FHeader.size(), ListedNames);
    for (std::size_t I = 0; I < Shown; ++I)
        List += (I > 0 ? ", '" : "'") + Shortened(FHeader[I]) + "'";
    if (FHeader.size() > Shown)
        List += " and " + std::to_string(FHeader.size() - Shown) + " more";
    return List;
}

} // namespace quillmark
