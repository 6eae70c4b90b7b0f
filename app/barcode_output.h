// The window's control as output takes it, and what the window tells the user about it.
#pragma once

#include <quillmark/description.h>
#include <quillmark/files.h>
#include <quillmark/symbol_value.h>

#include <QString>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace quillmark {

class TBarCode;

// A value the window won't write because the symbol would carry something else; its message,
// in UTF-8, says why, naming the character or digit.
class ERefusedValue : public Exception {
public:
    using Exception::Exception;
};

// Whether the window offers a symbology, for advice that names another.
using TOffered = std::function<bool(TBarType Type)>;

// The value Generate writes for Text under Type, encoded under the control's check mode:
// Latin-1, without the line break a paste leaves at its end, and with the GS1 check digit of
// an EAN/UPC value one digit short, or PostNet's correction digit (CompleteCheckDigit) under
// the control's csNone. Raises ERefusedValue for a character beyond Latin-1, a wrong check
// digit, or a value the engine takes but would change, advising a symbology Offered doesn't
// take with where to find it; a value the engine refuses comes back as it is, for the
// control to refuse.
std::shared_ptr<const TSymbolValue> ValueToWrite(const TBarCode& Control, TBarType Type,
                                                 const QString& Text, const TOffered& Offered);

// Why the control shows no symbol that may leave the window (its value refused by the
// engine, empty, or one the symbol would carry otherwise), or an empty string when it shows
// one.
QString NothingShownReason(const TBarCode& Control);

// Shown (type, value, check mode, ratio, orientation, text settings, colours) in the
// control's font family, at the output's physical defaults.
TBarcodeDescription DescribeForOutput(const TBarCode& Control, const TBarcodeSettings& Shown);

// "<value>.png" (or Format's suffix), with every character a file name may not safely hold
// turned into "_".
QString ProposedFileName(const std::string& Value, TFileFormat Format = TFileFormat::Png);

// A note for the control's tooltip when the symbol is longer than the control shows, or an
// empty string.
QString ClippedPreviewNote(const TBarCode& Control);

// Standards findings, at least one, as one question ending in Action ("Save it anyway?").
QString FindingsText(const std::vector<std::string>& Findings, const QString& Action);

} // namespace quillmark
