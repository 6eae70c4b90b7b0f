// The settings each symbol's type completes: -t's type, and each type a table's type column
// names, alike.
#pragma once

#include "arguments.h"

namespace quillmark::cli {

// Options' description for a symbol of Type: the type's own text unless --text chose one,
// --qr-version and --bearer-width read for it where it takes them, its two-dimensional
// options checked. Raises UsageError where the options name no symbol of Type.
TBarcodeDescription DescriptionOfType(const TOptions& Options, TBarType Type);

} // namespace quillmark::cli
