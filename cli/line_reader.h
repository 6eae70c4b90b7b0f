// Lines of a batch read as a stream, in constant memory whatever the input's size.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quillmark::cli {

struct TLine {
    std::uint64_t Number = 0; // from 1, counting empty lines
    std::string Text;         // without the line feed and a trailing carriage return
    bool TooLong = false;     // more than the reader's limit: Text is empty
    std::uint64_t Length = 0; // bytes in the line, even when too long
};

class TLineReader {
public:
    // Reads the file descriptor Fd (not owned) as data arrives, so lines from a pipe are
    // taken as they come; a line longer than Longest bytes is skipped without being held.
    TLineReader(int Fd, std::size_t Longest);

    // The next line, empty ones included; false at the end of the input, and once SIGINT or
    // SIGTERM has asked a batch to stop (TInterruption), within one block of input. Raises
    // std::runtime_error on a read error.
    bool Next(TLine& Line);

private:
    bool Fill();

    int fd_;
    std::size_t longest_;
    std::vector<char> buffer_;
    std::size_t begin_ = 0;
    std::size_t end_ = 0;
    bool atEnd_ = false;
    bool interrupted_ = false;
    std::uint64_t number_ = 0;
};

// The bytes read from an input at a time.
inline constexpr std::size_t ReadBlockSize = 64 * 1024;

// read(2) of Fd into Into, again after a signal that asks nothing; raises std::runtime_error
// on an error. None once SIGINT or SIGTERM has asked a batch to stop (TInterruption).
std::optional<std::size_t> ReadSome(int Fd, char* Into, std::size_t Size);

// Space, tab, carriage return, vertical tab and form feed: what a line may hold and still
// hold no value.
bool IsWhiteSpace(char Byte);
// Whether Text holds white space only (or nothing).
bool IsBlank(std::string_view Text);

// Lines of the file Fd that hold more than white space, read to the end in constant memory, for a
// progress total. Rewinds Fd afterwards; none when it can't seek (a pipe).
std::optional<std::uint64_t> CountValueLines(int Fd);

} // namespace quillmark::cli
