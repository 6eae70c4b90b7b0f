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
const TTemplateDatabase& Database() {
    static const TTemplateDatabase database;
    return database;
}

std::uint64_t LabelsPerPage(const TLabelTemplate& Sheet) {
    std::uint64_t labels = 0;
    for (const TLabelLayout& layout : Sheet.Layouts)
        labels += static_cast<std::uint64_t>(layout.Nx) * static_cast<std::uint64_t>(layout.Ny);
    return labels;
}

// Millimetres to a tenth, as the sizes are printed on the packets.
std::string Millimetres(double Length) {
    return ShortestText(std::round(Length * 10) / 10);
}

std::string PageText(const TLabelTemplate& Sheet) {
    if (Sheet.IsRoll())
        return "roll " + Millimetres(Sheet.PageWidth) + " mm wide";
    const std::string size =
        Millimetres(Sheet.PageWidth) + " x " + Millimetres(Sheet.PageHeight) + " mm";
    return Sheet.PaperName == "Other" ? size : Sheet.PaperName + " " + size;
}

std::string LabelText(const TLabelTemplate& Sheet) {

    const std::string size = Millimetres(Sheet.Width) + " x " + Millimetres(Sheet.Height) + " mm";
    switch (Sheet.Shape) {
    case TLabelShape::Round:
        return size + " round";
    case TLabelShape::Ellipse:
        return size + " elliptical";
    case TLabelShape::Cd:
        return size + " CD";
    case TLabelShape::Path:
        return size + " shaped";
    case TLabelShape::Continuous:
        return size + " continuous";
    case TLabelShape::Rectangle:
        break;
    }
    return size;
}

} // namespace

const TLabelTemplate& FindSheetTemplate(std::string_view Name) {
    try {
        return Database().Find(Name);
    } catch (const Exception& e) {
        throw UsageError("--sheet: " + e.Message());
    }
}

TSheetFacts FindSheet(std::string_view Name) {
    const TLabelTemplate& sheet = FindSheetTemplate(Name);
    return {sheet.Name(), LabelsPerPage(sheet)};
}

std::string SheetList(std::string_view Filter) {
    using TRow = std::array<std::string, 4>;
    std::vector<TRow> rows;
    for (const TLabelTemplate* sheet : Database().List(Filter))
        rows.push_back({sheet->Name(), PageText(*sheet), LabelText(*sheet),
                        std::to_string(LabelsPerPage(*sheet)) + " a page"});
    if (rows.empty())
        throw UsageError("no sheet's name or description holds '" + std::string(Filter) +
                         "'; try part of a brand or a part number, as avery or l7160");
    return AlignedRows(rows, 2);
}

} // namespace quillmark::cli
