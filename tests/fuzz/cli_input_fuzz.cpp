// The command line's input handling on arbitrary bytes: arguments, name templates and the
// batch's line reader. Each must raise its own errors and nothing else, and keep its promises.
#include "arguments.h"
#include "line_reader.h"
#include "name_template.h"
#include "text_bytes.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include <sys/mman.h>
#include <unistd.h>

namespace {

using namespace quillmark::cli;

void Require(bool Condition) {
    if (!Condition)
        std::abort();
}

std::vector<std::string> Split(std::string_view Bytes) {
    std::vector<std::string> pieces;
    std::size_t from = 0;
    for (std::size_t at; (at = Bytes.find('\0', from)) != std::string_view::npos; from = at + 1)
        pieces.emplace_back(Bytes.substr(from, at - from));
    pieces.emplace_back(Bytes.substr(from));
    return pieces;
}

void Arguments(const std::vector<std::string>& Pieces) {
    try {
        ParseArguments(Pieces);
    } catch (const UsageError&) {
    }
}

void Template(const std::string& Template, const std::string& Value) {
    try {
        const TNameTemplate names(Template);
        const std::string name = names.Expand(42, ValueFromInput(Value));
        Require(name.find('\0') == std::string::npos || Template.find('\0') != std::string::npos);
        // Every name lands in the template's folder.
        if (const std::string folder = names.Folder(); names.HasFixedFolder() && folder != ".")
            Require(name.compare(0, folder.size(), folder) == 0 &&
                    name.find('/', folder.size() + 1) == std::string::npos);
        // A value's part never adds a folder.
        Require(SafeFileNamePart(Value).find('/') == std::string::npos);
    } catch (const UsageError&) {
    } catch (const quillmark::ENotLatin1& refused) {
        // Text beyond Latin-1 is refused by its code point.
        Require(refused.Message().find(" (U+") != std::string::npos);
    }
}

// Lines read back from a file hold every byte but the line feeds, and stay within bounds.
void Lines(std::string_view Bytes) {
    constexpr std::size_t Longest = 64;
    const int fd = ::memfd_create("lines", 0);
    Require(fd >= 0);
    Require(::write(fd, Bytes.data(), Bytes.size()) == static_cast<ssize_t>(Bytes.size()));
    Require(::lseek(fd, 0, SEEK_SET) == 0);
    TLineReader reader(fd, Longest);
    TLine line;
    std::uint64_t number = 0;
    std::uint64_t bytes = 0;
    while (reader.Next(line)) {
        Require(line.Number == ++number);
        Require(line.Text.find('\n') == std::string::npos);
        if (line.TooLong)
            Require(line.Text.empty() && line.Length > Longest);
        else
            Require(line.Text.size() <= Longest && line.Text.size() <= line.Length);
        bytes += line.Length + 1;
    }
    // Every byte was in a line or was its line feed (the last line may have none), but for a
    // carriage return before the feed.
    Require(bytes <= Bytes.size() + 1 && bytes + number >= Bytes.size());
    ::close(fd);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
    const std::string_view bytes(reinterpret_cast<const char*>(Data), Size);
    const std::vector<std::string> pieces = Split(bytes);
    Arguments(pieces);
    Template(pieces[0], pieces.size() > 1 ? pieces[1] : std::string());
    Lines(bytes);
    return 0;
}
