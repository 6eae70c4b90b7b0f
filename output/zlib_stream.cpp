#include "zlib_stream.h"

#include <quillmark/engine.h>

#include <zlib.h>

#include <memory>
#include <vector>

namespace quillmark {

namespace {

// A compressor kept by its thread and reset between streams: zlib's state takes a few
// hundred kilobytes, which a batch of small files would otherwise have mapped and zeroed
// anew for each. A reset stream writes the same bytes as a new one.
class TDeflater {
public:
    explicit TDeflater(int Level) : level_(Level) {
        if (deflateInit(&stream_, Level) != Z_OK)
            throw Exception("the compressor could not start");
    }
    ~TDeflater() { deflateEnd(&stream_); }
    TDeflater(const TDeflater&) = delete;
    TDeflater& operator=(const TDeflater&) = delete;

    int Level() const { return level_; }
    z_stream& Stream() { return stream_; }

private:
    z_stream stream_{};
    int level_;
};

// The thread's compressor at Level, ready for a new stream: one per level it has used.
z_stream& Deflater(int Level) {
    thread_local std::vector<std::unique_ptr<TDeflater>> deflaters;
    for (const std::unique_ptr<TDeflater>& deflater : deflaters)
        if (deflater->Level() == Level) {
            deflateReset(&deflater->Stream());
            return deflater->Stream();
        }
    return deflaters.emplace_back(std::make_unique<TDeflater>(Level))->Stream();
}

} // namespace

QByteArray ZlibStream(const void* Data, std::size_t Size, int Level) {
    z_stream& stream = Deflater(Level);
    QByteArray out(static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(Size))),
                   Qt::Uninitialized);
    stream.next_in = const_cast<Bytef*>(static_cast<const Bytef*>(Data));
    stream.avail_in = static_cast<uInt>(Size);
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    // The bound holds the whole stream, so one call finishes it.
    const int result = deflate(&stream, Z_FINISH);
    if (result != Z_STREAM_END)
        throw Exception("the data could not be compressed");
    out.truncate(static_cast<qsizetype>(stream.total_out));
    return out;
}

} // namespace quillmark
