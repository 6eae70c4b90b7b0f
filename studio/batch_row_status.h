// Whether a record's label will be drawn, asked before anything is written: the value
// prepared as the output job will prepare it, and the job's checks on it.
#pragma once

#include <label_record.h>
#include <quillmark/output_job.h>

#include <string>

namespace quillmark::studio {

struct TRowStatus {
    bool Draws = false;
    std::string Why; // the refusal or the findings, Latin-1 as the engine writes them
};

// Job's description for a record of its own type: that type's defaults for what the run left
// to the type (DescriptionForType).
TBarcodeDescription RecordDescription(const TOutputJob& Job, const TLabelRecord& Record);

// The status of Record's symbol drawn through Job in Job.Format: refused with the engine's
// reason, the GS1 pairings' or the gate's; drawn, with any findings said.
TRowStatus RowStatus(const TOutputJob& Job, const TLabelRecord& Record);

} // namespace quillmark::studio
