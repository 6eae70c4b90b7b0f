// The progress line of a batch on a terminal: done/total, rate and time left.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>

namespace quillmark::cli {

// "1200/10000  2400/s  0:04 left", or "1200  2400/s" when the total isn't known.
std::string ProgressText(std::uint64_t Done, std::optional<std::uint64_t> Total, double Seconds);

class TProgress {
public:
    // Shown on Stream (stderr) only when Enabled; the caller decides that from the stream
    // being a terminal and --quiet.
    TProgress(std::FILE* Stream, bool Enabled, std::optional<std::uint64_t> Total);

    // One more line done; redraws at most ten times a second.
    void Step();
    // Takes the line off the terminal so that a message can be printed; the next Step
    // draws it again.
    void Clear();
    // The final count, then a new line.
    void Finish();

private:
    void Draw();

    std::FILE* stream_;
    bool enabled_;
    std::optional<std::uint64_t> total_;
    std::uint64_t done_ = 0;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point drawn_;
};

} // namespace quillmark::cli
