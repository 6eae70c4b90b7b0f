// A file descriptor as a stream's buffer, for the table reader: read a block at a time, and
// at an end once SIGINT or SIGTERM has asked a batch to stop.
#pragma once

#include <streambuf>
#include <vector>

namespace quillmark::cli {

class TFdStreamBuf : public std::streambuf {
public:
    explicit TFdStreamBuf(int Fd); // not owned

protected:
    int_type underflow() override;

private:
    int fd_;
    std::vector<char> buffer_;
};

} // namespace quillmark::cli
