// The peer library's side of the benchmarks, compiled only where the peer is installed.
#pragma once

#include "peer_cases.h"

#include <optional>
#include <string>

namespace quillmark::benchmarks {

// The peer's name as used in benchmark names, or an empty string when there is no peer.
std::string PeerName();

// Register the peer's side of one case; nothing when there is no peer. Registered right
// after ours, each pair runs back to back, close together in time on a busy machine.
void RegisterPeerPaint(const PaintCase& Case);
void RegisterPeerEncode(const EncodeCase& Case);

// The peer's Code 128 (code sets of its own choice) for Bytes, one '1' (bar) or '0' (space)
// per module from the start character to the stop's termination bar; none without a peer
// or where it refuses.
std::optional<std::string> PeerCode128Modules(const std::string& Bytes);

} // namespace quillmark::benchmarks
