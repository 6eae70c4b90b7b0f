// The peer library's side of the benchmarks, compiled only where the peer is installed.
#pragma once

#include <string>

namespace quillmark::benchmarks {

// Registers the peer's benchmarks for the cases of peer_cases.h and returns the peer's
// name as used in benchmark names, or an empty string when there is no peer.
std::string RegisterPeerBenchmarks();

} // namespace quillmark::benchmarks
