// The peer library's side of the benchmarks, compiled only where the peer is installed.
#pragma once

#include "peer_cases.h"

#include <string>

namespace quillmark::benchmarks {

// The peer's name as used in benchmark names, or an empty string when there is no peer.
std::string PeerName();

// Register the peer's side of one case; nothing when there is no peer. Registered right
// after ours, each pair runs back to back, close together in time on a busy machine.
void RegisterPeerPaint(const PaintCase& Case);
void RegisterPeerEncode(const EncodeCase& Case);

} // namespace quillmark::benchmarks
