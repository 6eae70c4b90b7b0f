// A zint symbol that deletes itself.
#pragma once

#include <zint.h>

#include <memory>

namespace quillmark::benchmarks {

struct ZintDeleter {
    void operator()(zint_symbol* Symbol) const { ZBarcode_Delete(Symbol); }
};
using ZintSymbol = std::unique_ptr<zint_symbol, ZintDeleter>;

} // namespace quillmark::benchmarks
