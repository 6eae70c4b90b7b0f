// Sheets of labels by name, from the label template database carried with the program: the
// one place the command line reads it.
#pragma once

#include <label_template.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace quillmark::cli {

struct TSheetFacts {
    std::string Name; // "Brand Part" as the database writes it
    std::uint64_t LabelsPerPage = 0;
};

// The sheet named "Brand Part" in any letter case; raises UsageError naming the nearest.
const TLabelTemplate& FindSheetTemplate(std::string_view Name);
TSheetFacts FindSheet(std::string_view Name);

// --list-sheets: each sheet whose name or description holds Filter (any letter case), one a
// line: its name, page, label size and labels a page. Raises UsageError when none does.
std::string SheetList(std::string_view Filter);

} // namespace quillmark::cli
