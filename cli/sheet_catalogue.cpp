#include "sheet_catalogue.h"

#include "help_text.h"
#include "option_values.h"
#include <quillmark/decimal_text.h>
#include <template_database.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace quillmark::cli {
namespace {

// Read once, on first use: the run that names no sheet never reads the files.
const labels::TemplateDatabase& Database() {
    static const labels::TemplateDatabase database;
    return database;
}

std::uint64_t LabelsPerPage(const labels::LabelTemplate& Sheet) {
    std::uint64_t labels = 0;
    for (const labels::LabelLayout& layout : Sheet.layouts)
        labels += static_cast<std::uint64_t>(layout.nx) * static_cast<std::uint64_t>(layout.ny);
    return labels;
}

// Millimetres to a tenth, as the sizes are printed on the packets.
std::string Millimetres(double Length) {
    return ShortestText(std::round(Length * 10) / 10);
}

std::string PageText(const labels::LabelTemplate& Sheet) {
    if (Sheet.isRoll())
        return "roll " + Millimetres(Sheet.pageWidth) + " mm wide";
    const std::string size =
        Millimetres(Sheet.pageWidth) + " x " + Millimetres(Sheet.pageHeight) + " mm";
    return Sheet.paperName == "Other" ? size : Sheet.paperName + " " + size;
}

std::string LabelText(const labels::LabelTemplate& Sheet) {
    using labels::LabelShape;
    const std::string size = Millimetres(Sheet.width) + " x " + Millimetres(Sheet.height) + " mm";
    switch (Sheet.shape) {
    case LabelShape::Round:
        return size + " round";
    case LabelShape::Ellipse:
        return size + " elliptical";
    case LabelShape::Cd:
        return size + " CD";
    case LabelShape::Path:
        return size + " shaped";
    case LabelShape::Continuous:
        return size + " continuous";
    case LabelShape::Rectangle:
        break;
    }
    return size;
}

} // namespace

const labels::LabelTemplate& FindSheetTemplate(std::string_view Name) {
    try {
        return Database().find(Name);
    } catch (const std::exception& e) {
        throw UsageError(std::string("--sheet: ") + e.what());
    }
}

TSheetFacts FindSheet(std::string_view Name) {
    const labels::LabelTemplate& sheet = FindSheetTemplate(Name);
    return {sheet.name(), LabelsPerPage(sheet)};
}

std::string SheetList(std::string_view Filter) {
    using TRow = std::array<std::string, 4>;
    std::vector<TRow> rows;
    for (const labels::LabelTemplate* sheet : Database().list(Filter))
        rows.push_back({sheet->name(), PageText(*sheet), LabelText(*sheet),
                        std::to_string(LabelsPerPage(*sheet)) + " a page"});
    if (rows.empty())
        throw UsageError("no sheet's name or description holds '" + std::string(Filter) +
                         "'; try part of a brand or a part number, as avery or l7160");
    return AlignedRows(rows, 2);
}

} // namespace quillmark::cli
