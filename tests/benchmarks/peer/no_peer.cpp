// Built when libzint is absent: Quillmark is measured alone and no ratios are printed.
#include "peer.h"

namespace quillmark::benchmarks {

std::string RegisterPeerBenchmarks() {
    return {};
}

} // namespace quillmark::benchmarks
