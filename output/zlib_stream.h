// A zlib stream (RFC 1950) of some bytes in one deflate call: what a PNG's IDAT chunks and a
// PDF's /FlateDecode streams both hold.
#pragma once

#include <QByteArray>

#include <cstddef>

namespace quillmark {

// Level: zlib's 1 (fastest) to 9 (smallest), or -1 for its default. Raises Exception if
// zlib fails.
QByteArray ZlibStream(const void* Data, std::size_t Size, int Level);

} // namespace quillmark
