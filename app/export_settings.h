// The export dialog's choices, kept between runs of the program.
#pragma once

#include <quillmark/description.h>
#include <quillmark/files.h>

namespace quillmark {

// Sets on Description and Format what the last accepted export dialog chose: X-dimension,
// resolution, bar height, quiet zone, text layout, font size and colours. What was never
// kept, or no longer reads as a value, stays as it is.
void LoadExportSettings(TBarcodeDescription& Description, TFileFormat& Format);
void SaveExportSettings(const TBarcodeDescription& Description, TFileFormat Format);

} // namespace quillmark
