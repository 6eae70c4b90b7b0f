#include "progress.h"

#include <cmath>

namespace quillmark::cli {

namespace {

std::string Duration(double Seconds) {
    const auto whole = static_cast<long long>(std::ceil(Seconds));
    char text[32];
    if (whole >= 3600)
        std::snprintf(text, sizeof text, "%lld:%02lld:%02lld", whole / 3600, whole / 60 % 60,
                      whole % 60);
    else
        std::snprintf(text, sizeof text, "%lld:%02lld", whole / 60, whole % 60);
    return text;
}

} // namespace

std::string ProgressText(std::uint64_t Done, std::optional<std::uint64_t> Total, double Seconds) {
    const double rate = Seconds > 0 ? Done / Seconds : 0;
    std::string text = std::to_string(Done);
    if (Total)
        text += "/" + std::to_string(*Total);
    text += "  " + std::to_string(std::llround(rate)) + "/s";
    if (Total && rate > 0 && *Total >= Done)
        text += "  " + Duration((*Total - Done) / rate) + " left";
    return text;
}

TProgress::TProgress(std::FILE* Stream, bool Enabled, std::optional<std::uint64_t> Total)
    : stream_(Stream), enabled_(Enabled), total_(Total), start_(std::chrono::steady_clock::now()),
      drawn_(start_) {}

void TProgress::Step() {
    ++done_;
    if (!enabled_)
        return;
    const auto now = std::chrono::steady_clock::now();
    if (shown_ && now - drawn_ < std::chrono::milliseconds(100))
        return;
    drawn_ = now;
    Draw();
}

void TProgress::Draw() {
    const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start_;
    // Carriage return and erase to the end of the line: the line is drawn over in place.
    std::fprintf(stream_, "\r%s\x1B[K", ProgressText(done_, total_, elapsed.count()).c_str());
    std::fflush(stream_);
    shown_ = true;
}

void TProgress::Clear() {
    if (!shown_)
        return;
    std::fputs("\r\x1B[K", stream_);
    shown_ = false;
}

void TProgress::Finish() {
    if (!enabled_ || done_ == 0)
        return;
    Draw();
    std::fputc('\n', stream_);
    shown_ = false;
}

} // namespace quillmark::cli
