// GS1 DataBar's types as the catalogue draws them: rows of modules, their text and the
// bytes a reader gives back.
#pragma once

#include "carry.h"
#include "engine.h"
#include "module_grid.h"

#include <string>

namespace quillmark {

// The catalogue's rows encoder for every GS1 DataBar type.
TRowsSymbol DataBarSymbol(TBarType Type, const std::string& Value, const TMatrixOptions& Options);

// What a GS1 DataBar symbol of Value carries: "01" and the GTIN, or Expanded's element
// strings with their GS separators; the refusal as a departure.
TCarried CarryDataBar(TBarType Type, const std::string& Value, TCheckSum CheckSum);

// A DataBar type's encoder refuses a row of bars: it is drawn as rows of modules.
[[noreturn]] void NoPatternOfBars(TBarType Type, const std::string& Value, TCheckSum CheckSum,
                                  std::string& Text, std::string& Pattern);

} // namespace quillmark
