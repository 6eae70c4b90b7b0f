#include "code128_lengths.h"

#include "peer.h"
#include <quillmark/engine.h>
#include <quillmark/read_symbol.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <random>
#include <vector>

namespace quillmark::benchmarks {

namespace {

// Runs of the kinds a label carries, and the bytes that no one code set holds.
std::string RandomBytes(std::mt19937& Random) {
    static const std::array<std::string, 5> kinds{
        "0123456789", "ABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-",
        "abcdefghijklmnopqrstuvwxyz 0123456789", std::string("\x00\x01\x09\x0D\x1D\x1F\x7F", 7),
        "\xA0\xC4\xD6\xDC\xDF\xE4\xE9\xF6\xFC\xFF\x80\x9F\xC3\xCA"};
    std::string value;
    for (std::size_t run = 1 + Random() % 5; run > 0; --run) {
        const std::string& kind = kinds[Random() % kinds.size()];
        for (std::size_t n = 1 + Random() % 12; n > 0; --n)
            value += kind[Random() % kind.size()];
    }
    return value;
}

// Whether zxing-cpp reads the modules ('1' bar, '0' space; 2 pixels each, 10 modules of
// quiet zone) as Bytes.
bool ReadsAs(const std::string& Modules, const std::string& Bytes) {
    constexpr int Scale = 2, Quiet = 10 * Scale, Height = 20;
    const int width = static_cast<int>(Modules.size()) * Scale + 2 * Quiet;
    std::vector<std::uint8_t> pixels(static_cast<std::size_t>(width) * Height, 255);
    for (int y = 0; y < Height; ++y)
        for (std::size_t m = 0; m < Modules.size(); ++m)
            if (Modules[m] == '1')
                for (int s = 0; s < Scale; ++s)
                    pixels[static_cast<std::size_t>(y * width + Quiet) + m * Scale + s] = 0;
    TReadHints hints;
    hints.Only = bcCode128;
    hints.TryRotate = false;
    const std::optional<TReading> reading =
        ReadSymbol({pixels.data(), width, Height, width}, hints);
    return reading && reading->Bytes == Bytes;
}

std::string Modules(const TSymbol& Symbol) {
    std::string modules;
    for (std::size_t i = 0; i < Symbol.Pattern.size(); ++i) {
        int width = 0;
        TLineKind kind = lkSpace;
        DecodeModule(Symbol.Pattern[i], Symbol.Widths, width, kind);
        modules.append(static_cast<std::size_t>(width), kind == lkSpace ? '0' : '1');
    }
    return modules;
}

} // namespace

int CompareCode128Lengths(int Count) {
    if (PeerName().empty()) {
        std::printf("Code 128 lengths: no peer to compare with\n");
        return 0;
    }
    std::mt19937 random(15417);
    int shorter = 0, same = 0, longer = 0, refused = 0, misread = 0, oursMisread = 0;
    for (int i = 0; i < Count; ++i) {
        const std::string value = RandomBytes(random);
        const std::optional<std::string> peer = PeerCode128Modules(value);
        if (!peer) {
            ++refused;
            continue;
        }
        const std::string ours = Modules(MakeSymbol(bcCode128, value, 1, 2.0, csNone));
        oursMisread += !ReadsAs(ours, value);
        // A peer symbol that reads as other bytes is no measure of length.
        if (!ReadsAs(*peer, value)) {
            ++misread;
            continue;
        }
        shorter += ours.size() < peer->size();
        same += ours.size() == peer->size();
        longer += ours.size() > peer->size();
    }
    std::printf("Code 128 against %s over %d random byte strings: ours shorter %d, the same %d, "
                "longer %d; %s refused %d and drew %d that zxing-cpp reads as other bytes; "
                "zxing-cpp misread %d of ours\n",
                PeerName().c_str(), Count, shorter, same, longer, PeerName().c_str(), refused,
                misread, oursMisread);
    std::fflush(stdout); // before the benchmarks' own reporting
    return longer + oursMisread;
}

} // namespace quillmark::benchmarks
