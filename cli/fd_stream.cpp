#include "fd_stream.h"

#include "line_reader.h"

namespace quillmark::cli {

TFdStreamBuf::TFdStreamBuf(int Fd) : fd_(Fd), buffer_(ReadBlockSize) {
    setg(buffer_.data(), buffer_.data(), buffer_.data());
}

TFdStreamBuf::int_type TFdStreamBuf::underflow() {
    if (gptr() < egptr())
        return traits_type::to_int_type(*gptr());
    const std::optional<std::size_t> got = ReadSome(fd_, buffer_.data(), buffer_.size());
    if (!got || *got == 0)
        return traits_type::eof();
    setg(buffer_.data(), buffer_.data(), buffer_.data() + *got);
    return traits_type::to_int_type(*gptr());
}

} // namespace quillmark::cli
