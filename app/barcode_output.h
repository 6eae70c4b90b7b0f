// The window's control as output takes it, and what the window tells the user about it.
#pragma once

#include "description.h"

#include <QString>

#include <string>
#include <vector>

namespace quillmark {

class TBarCode;

// The symbol the control shows (type, value, check mode, ratio, orientation, text settings,
// colours, font family) at the output's physical defaults.
TBarcodeDescription DescribeForOutput(const TBarCode& Control);

// "<value>.png", with every character a file name may not safely hold turned into "_".
QString ProposedFileName(const std::string& Value);

// A note for the control's tooltip when the symbol is longer than the control shows, or an
// empty string.
QString ClippedPreviewNote(const TBarCode& Control);

// Standards findings, at least one, as one question ending in Action ("Save it anyway?").
QString FindingsText(const std::vector<std::string>& Findings, const QString& Action);

} // namespace quillmark
