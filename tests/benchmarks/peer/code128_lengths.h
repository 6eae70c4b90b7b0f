// Our Code 128's choice of code sets against the peer's, symbol by symbol.
#pragma once

namespace quillmark::benchmarks {

// Encodes Count random byte strings with both and prints how many of ours are shorter, the
// same and longer, each read back with zxing-cpp; returns how many of ours are longer or
// misread (0 without a peer).
int CompareCode128Lengths(int Count);

} // namespace quillmark::benchmarks
