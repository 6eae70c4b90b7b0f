#include "line_reader.h"

#include "atomic_file.h"
#include "interruption.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <unistd.h>

namespace quillmark::cli {

namespace {

constexpr std::size_t BlockSize = 64 * 1024;

[[noreturn]] void ReadFailed() {
    throw std::runtime_error("read error: " + SystemErrorText(errno));
}

// read(2), again after a signal that asks nothing; raises on an error. A signal that stops
// the batch ends the input here.
std::size_t ReadSome(int Fd, char* Into, std::size_t Size) {
    for (;;) {
        const ssize_t got = ::read(Fd, Into, Size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            ReadFailed();
        if (TInterruption::Signal() != 0)
            return 0;
    }
}

} // namespace

TLineReader::TLineReader(int Fd, std::size_t Longest)
    : fd_(Fd), longest_(Longest), buffer_(BlockSize) {}

bool TLineReader::Fill() {
    if (atEnd_)
        return false;
    // Keep the unread part, at the front of the buffer.
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    if (end_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2);
    const std::size_t got = ReadSome(fd_, buffer_.data() + end_, buffer_.size() - end_);
    end_ += got;
    if (got == 0) {
        atEnd_ = true;
        return false;
    }
    return true;
}

bool TLineReader::Next(TLine& Line) {
    // One byte more is held, for the carriage return of a line that ends in CR LF.
    const std::size_t hold = longest_ + 1;
    Line.Text.clear();
    Line.TooLong = false;
    Line.Length = 0;
    std::size_t scanned = 0; // bytes after begin_ known to hold no line feed
    for (;;) {
        const char* from = buffer_.data() + begin_ + scanned;
        const auto* feed =
            static_cast<const char*>(std::memchr(from, '\n', end_ - begin_ - scanned));
        if (feed) {
            const std::size_t length = static_cast<std::size_t>(feed - (buffer_.data() + begin_));
            Line.Length += length;
            if (!Line.TooLong && Line.Length <= hold)
                Line.Text.assign(buffer_.data() + begin_, length);
            begin_ += length + 1;
            break;
        }
        scanned = end_ - begin_;
        if (scanned > hold || Line.TooLong) {
            // Too long to hold: count the bytes and drop them.
            Line.TooLong = true;
            Line.Length += scanned;
            begin_ = end_;
            scanned = 0;
        }
        if (!Fill()) {
            if (end_ == begin_ && Line.Length == 0 && !Line.TooLong)
                return false; // nothing after the last line feed
            Line.Length += end_ - begin_;
            if (!Line.TooLong && Line.Length <= hold)
                Line.Text.assign(buffer_.data() + begin_, end_ - begin_);
            begin_ = end_;
            break;
        }
    }
    if (!Line.TooLong && !Line.Text.empty() && Line.Text.back() == '\r') {
        Line.Text.pop_back();
        --Line.Length;
    }
    if (Line.Length > longest_) {
        Line.TooLong = true;
        Line.Text.clear();
    }
    Line.Number = ++number_;
    return true;
}

std::optional<std::uint64_t> CountValueLines(int Fd) {
    const off_t start = ::lseek(Fd, 0, SEEK_CUR);
    if (start < 0)
        return std::nullopt;
    std::vector<char> block(BlockSize);
    std::optional<std::uint64_t> count = 0;
    std::size_t lineLength = 0; // bytes of the current line, counted up to 2
    char last = '\n';
    // Empty lines, and lines of a lone carriage return, hold no value.
    const auto endLine = [&] {
        if (lineLength > 1 || (lineLength == 1 && last != '\r'))
            ++*count;
        lineLength = 0;
    };
    try {
        while (const std::size_t got = ReadSome(Fd, block.data(), block.size())) {
            for (std::size_t i = 0; i < got; ++i) {
                if (block[i] == '\n')
                    endLine();
                else
                    lineLength = std::min<std::size_t>(lineLength + 1, 2);
                last = block[i];
            }
        }
        endLine();
    } catch (const std::runtime_error&) {
        count.reset();
    }
    if (::lseek(Fd, start, SEEK_SET) != start)
        return std::nullopt;
    return count;
}

} // namespace quillmark::cli
