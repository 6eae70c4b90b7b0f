#include "code128_lengths.h"

#include "engine.h"
#include "peer.h"

#include <array>
#include <cstdio>
#include <random>

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

} // namespace

int CompareCode128Lengths(int Count) {
    if (PeerName().empty()) {
        std::printf("Code 128 lengths: no peer to compare with\n");
        return 0;
    }
    std::mt19937 random(15417);
    int shorter = 0, same = 0, longer = 0, refused = 0;
    long long ours = 0, theirs = 0;
    for (int i = 0; i < Count; ++i) {
        const std::string value = RandomBytes(random);
        const std::optional<int> peer = PeerCode128Modules(value);
        if (!peer) {
            ++refused;
            continue;
        }
        const int width = MakeSymbol(bcCode128, value, 1, 2.0, csNone).Width;
        ours += width;
        theirs += *peer;
        shorter += width < *peer;
        same += width == *peer;
        if (width > *peer) {
            ++longer;
            std::printf("Code 128 longer than %s: %d modules against %d for %zu bytes\n",
                        PeerName().c_str(), width, *peer, value.size());
        }
    }
    std::printf("Code 128 lengths against %s over %d random values: %d shorter, %d the same, "
                "%d longer, %d refused by the peer; %lld modules against %lld\n",
                PeerName().c_str(), Count, shorter, same, longer, refused, ours, theirs);
    return longer;
}

} // namespace quillmark::benchmarks
