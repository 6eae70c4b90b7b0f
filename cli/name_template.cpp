#include "name_template.h"

#include "option_values.h"

#include <quillmark/engine.h>

namespace quillmark::cli {

TNameTemplate::TNameTemplate(std::string_view Template, const TFieldIndex& Fields) try : quillmark
    ::TNameTemplate(Template, Fields) {}
catch (const Exception& e) {
    throw UsageError(e.Message());
}

} // namespace quillmark::cli
