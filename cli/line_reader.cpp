#include "line_reader.h"

#include "interruption.h"
#include <quillmark/atomic_file.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <stdexcept>

#include <unistd.h>

namespace quillmark::cli {

namespace {

[[noreturn]] void ReadFailed() {
    throw std::runtime_error("read error: " + SystemErrorText(errno));
}

} // namespace

// Looked at before every block as well as on EINTR, since a read of a file or a full pipe
// returns data at once and is never interrupted.
std::optional<std::size_t> ReadSome(int Fd, char* Into, std::size_t Size) {
    for (;;) {
        if (TInterruption::Signal() != 0)
            return std::nullopt;
        const ssize_t got = ::read(Fd, Into, Size);
        if (got >= 0)
            return static_cast<std::size_t>(got);
        if (errno != EINTR)
            ReadFailed();
    }
}

TLineReader::TLineReader(int Fd, std::size_t Longest)
    : fd_(Fd), longest_(Longest), buffer_(ReadBlockSize) {}

bool TLineReader::Fill() {
    if (atEnd_)
        return false;
    // Keep the unread part, at the front of the buffer.
    std::memmove(buffer_.data(), buffer_.data() + begin_, end_ - begin_);
    end_ -= begin_;
    begin_ = 0;
    if (end_ == buffer_.size())
        buffer_.resize(buffer_.size() * 2);
    const std::optional<std::size_t> got =
        ReadSome(fd_, buffer_.data() + end_, buffer_.size() - end_);
    interrupted_ = !got;
    end_ += got.value_or(0);
    if (got.value_or(0) == 0) {
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
            // A line cut short by a signal isn't the line the input holds.
            if (interrupted_)
                return false;
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

bool IsWhiteSpace(char Byte) {
    return Byte == ' ' || Byte == '\t' || Byte == '\r' || Byte == '\v' || Byte == '\f';
}

bool IsBlank(std::string_view Text) {
    return std::all_of(Text.begin(), Text.end(), IsWhiteSpace);
}

std::optional<std::uint64_t> CountValueLines(int Fd) {
    const off_t start = ::lseek(Fd, 0, SEEK_CUR);
    if (start < 0)
        return std::nullopt;
    std::vector<char> block(ReadBlockSize);
    std::optional<std::uint64_t> count = 0;
    bool hasValue = false; // the current line holds more than white space
    // Empty lines, and lines of white space alone, hold no value.
    const auto endLine = [&] {
        if (hasValue)
            ++*count;
        hasValue = false;
    };
    try {
        for (;;) {
            const std::optional<std::size_t> got = ReadSome(Fd, block.data(), block.size());
            if (!got)
                throw std::runtime_error("interrupted");
            if (*got == 0)
                break;
            for (std::size_t i = 0; i < *got; ++i) {
                if (block[i] == '\n')
                    endLine();
                else
                    hasValue = hasValue || !IsWhiteSpace(block[i]);
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
