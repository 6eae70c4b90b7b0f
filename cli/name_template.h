// Output file names of a batch (-o), through the labels library's template: its faults are
// the command line's usage errors.
#pragma once

#include <file_name_template.h>

#include <string_view>

namespace quillmark::cli {

using quillmark::SafeFileNamePart;
using quillmark::TFieldIndex;

class TNameTemplate : public quillmark::TNameTemplate {
public:
    // Raises UsageError for an unknown field or an unmatched brace.
    explicit TNameTemplate(std::string_view Template, const TFieldIndex& Fields = {});
};

} // namespace quillmark::cli
