#include "zlib_stream.h"

#include <quillmark/engine.h>

#include <zlib.h>

namespace quillmark {

QByteArray ZlibStream(const void* Data, std::size_t Size, int Level) {
    z_stream stream{};
    if (deflateInit(&stream, Level) != Z_OK)
        throw Exception("the compressor could not start");
    QByteArray out(static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(Size))),
                   Qt::Uninitialized);
    stream.next_in = const_cast<Bytef*>(static_cast<const Bytef*>(Data));
    stream.avail_in = static_cast<uInt>(Size);
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    // The bound holds the whole stream, so one call finishes it.
    const int result = deflate(&stream, Z_FINISH);
    const auto size = static_cast<qsizetype>(stream.total_out);
    deflateEnd(&stream);
    if (result != Z_STREAM_END)
        throw Exception("the data could not be compressed");
    out.truncate(size);
    return out;
}

} // namespace quillmark
