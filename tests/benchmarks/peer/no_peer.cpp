// Built when libzint is absent: Quillmark is measured alone and no ratios are printed.
#include "peer.h"

namespace quillmark::benchmarks {

std::string PeerName() {
    return {};
}

void RegisterPeerPaint(const PaintCase&) {}

void RegisterPeerEncode(const EncodeCase&) {}

std::optional<std::string> PeerCode128Modules(const std::string&) {
    return std::nullopt;
}

} // namespace quillmark::benchmarks
