// A batch's records written on a sheet of labels through the labels library, as the command
// line's --sheet writes them, each label that fails told with its record's line.
#pragma once

#include "batch_records.h"

#include <label_template.h>
#include <quillmark/output_job.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quillmark::studio {

struct TSheetOutcome {
    bool Written = false;
    std::uint64_t Labels = 0;
    int Pages = 0;
    std::vector<std::string> Failures; // "LINE: reason", Latin-1 as the engine writes reasons
};

// Draws Input's records through Job on Sheet's labels into the PDF FileName, written only
// when every label was drawn. The text lines take the description's font and size. Raises
// what the records raise (a table's fault) and EWriteError.
TSheetOutcome WriteSheet(const TOutputJob& Job, const TBatchInput& Input,
                         const TLabelTemplate& Sheet, const std::string& FileName);

} // namespace quillmark::studio
