// Written symbols read back with zxing-cpp, an independent decoder.
#pragma once

#include "description.h"

#include <QImage>

#include <optional>
#include <string>

namespace quillmark::cli {

// Whether zxing-cpp reads the symbology: not Industrial or Matrix 2 of 5, MSI, PostNet,
// or the UPC add-ons on their own.
bool CanVerify(TBarType Type);

// What a symbol of Type made from Value carries, as a reader reports it (Latin-1): the
// value as the engine encodes it, with the characters it drops left out and those it
// replaces replaced, check characters a reader strips left off, and EAN/UPC digits as
// drawn. None when the value holds bytes the engine turns into Code 128 function
// characters, whose reading depends on the reader.
std::optional<std::string> CarriedText(TBarType Type, const std::string& Value, TCheckSum CheckSum);

enum class TVerified { Matches, ScansUncompared };

// Decodes Image, which holds the symbol Description describes, and compares it with what
// the symbol carries. Raises Exception (a Latin-1 message quoting the value) when no
// symbol of its symbology is found or it reads differently.
TVerified VerifyImage(const QImage& Image, const TBarcodeDescription& Description);

} // namespace quillmark::cli
