// A batch's records written as a folder of files, one a record, each named through a file
// name template as the command line's -o names a batch's files.
#pragma once

#include "batch_records.h"

#include <quillmark/output_job.h>

#include <cstdint>
#include <string>
#include <vector>

namespace quillmark::studio {

struct TFilesOutcome {
    std::uint64_t Written = 0;
    std::vector<std::string> Failures; // "LINE: reason", Latin-1 as the engine writes reasons
};

// Draws each record of Input through Job in Job.Format into Folder, under the name
// NameTemplate gives it ({n}, {value}, a table's columns or a sequence's {seq}) and the
// format's extension; a record
// with no copies is left out. A record that fails is told and the others are written. Raises
// Exception for a template that names no field or names each file alike, and what the
// records raise.
TFilesOutcome WriteFiles(const TOutputJob& Job, const TBatchInput& Input, const std::string& Folder,
                         const std::string& NameTemplate);

} // namespace quillmark::studio
