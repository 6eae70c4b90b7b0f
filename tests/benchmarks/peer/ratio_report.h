// A console reporter that also keeps the fastest time of every benchmark and, at the end,
// prints ours against the peer's as ratios: paint per output pixel, encode per call with
// the geometric mean, and the widget's property change on its own.
#pragma once

#include <benchmark/benchmark.h>

#include <map>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

namespace quillmark::benchmarks {

class RatioReporter : public benchmark::ConsoleReporter {
public:
    // Peer: the peer's name in benchmark names, empty for none. Order: benchmark names in
    // the order the summary lists them, whatever order they ran in. Plain text, so that
    // the output can be pasted as it is.
    RatioReporter(std::string Peer, std::vector<std::string> Order)
        : ConsoleReporter(OO_Tabular), peer_(std::move(Peer)), order_(std::move(Order)) {}

    void ReportRuns(const std::vector<Run>& Runs) override;
    void Finalize() override;

    struct Timing {
        double Nanoseconds = 0; // CPU time per iteration
        double Pixels = 0;      // output pixels per iteration, for paints
    };

private:
    // The fastest repetition: the one least disturbed by the other work on the machine.
    std::map<std::string, Timing> fastest_;
    std::string peer_;
    std::vector<std::string> order_;

    void PrintPaint(std::ostream& Out) const;
    void PrintEncode(std::ostream& Out) const;
    void PrintWidget(std::ostream& Out) const;
    const Timing* Find(const std::string& Name) const;
};

} // namespace quillmark::benchmarks
