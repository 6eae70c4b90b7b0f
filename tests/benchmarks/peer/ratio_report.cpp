#include "ratio_report.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ostream>
#include <utility>

namespace quillmark::benchmarks {

namespace {

constexpr double PaintGoal = 1.0;
constexpr double EncodeGoal = 0.2;
constexpr double WidgetGoalMicroseconds = 45;

constexpr std::string_view Ours = "/Ours/";

// printf layout of numbers into a string.
template <typename... Numbers> std::string Format(const char* Layout, Numbers... Values) {
    char line[200];
    std::snprintf(line, sizeof line, Layout, Values...);
    return line;
}

// The case names of one area ("Paint/Ours/<case>"), in the summary's order.
std::vector<std::string> CasesOf(const std::vector<std::string>& Order, const std::string& Area) {
    const std::string prefix = Area + std::string(Ours);
    std::vector<std::string> cases;
    for (const std::string& name : Order)
        if (name.rfind(prefix, 0) == 0)
            cases.push_back(name.substr(prefix.size()));
    return cases;
}

double PerThousandPixels(const RatioReporter::Timing& Timing) {
    return Timing.Pixels == 0 ? 0 : Timing.Nanoseconds / Timing.Pixels * 1000;
}

} // namespace

void RatioReporter::ReportRuns(const std::vector<Run>& Runs) {
    for (const Run& run : Runs) {
        if (run.run_type != Run::RT_Iteration || run.error_occurred)
            continue;
        const std::string name = run.run_name.str();
        Timing timing;
        timing.Nanoseconds = run.GetAdjustedCPUTime() *
                             benchmark::GetTimeUnitMultiplier(benchmark::kNanosecond) /
                             benchmark::GetTimeUnitMultiplier(run.time_unit);
        const auto pixels = run.counters.find("pixels");
        timing.Pixels = pixels == run.counters.end() ? 0 : pixels->second.value;
        const auto [it, added] = fastest_.try_emplace(name, timing);
        if (!added && timing.Nanoseconds < it->second.Nanoseconds)
            it->second = timing;
    }
    ConsoleReporter::ReportRuns(Runs);
}

const RatioReporter::Timing* RatioReporter::Find(const std::string& Name) const {
    const auto it = fastest_.find(Name);
    return it == fastest_.end() ? nullptr : &it->second;
}

void RatioReporter::PrintPaint(std::ostream& Out) const {
    const std::vector<std::string> cases = CasesOf(order_, "Paint");
    if (cases.empty())
        return;
    Out << "\nPaint, ns per 1000 output pixels";
    if (!peer_.empty())
        Out << " (" << peer_ << " writes its text below the bars, and none at Modul 1, into its\n"
            << "24-bit buffer whatever our format)";
    Out << "\n  case                            ours"
        << (peer_.empty() ? "" : "      peer     ratio") << "\n";
    double worst = 0;
    std::string extras;
    for (const std::string& c : cases) {
        const Timing* ours = Find("Paint/Ours/" + c);
        // "M1/Bars/LeftRight/RGB32": the peer's case is the name without the format.
        const std::string peerCase = c.substr(0, c.rfind('/'));
        const Timing* peer = peer_.empty() ? nullptr : Find("Paint/" + peer_ + "/" + peerCase);
        if (ours == nullptr || ours->Pixels == 0)
            continue;
        const double oursPerPixel = PerThousandPixels(*ours);
        const std::string padded = c + std::string(c.size() < 28 ? 28 - c.size() : 1, ' ');
        Out << "  " << padded;
        const double peerPerPixel = peer == nullptr ? 0 : PerThousandPixels(*peer);
        if (peerPerPixel == 0) {
            Out << Format("%8.1f\n", oursPerPixel);
        } else {
            worst = std::max(worst, oursPerPixel / peerPerPixel);
            Out << Format("%8.1f  %8.1f  %8.3f\n", oursPerPixel, peerPerPixel,
                          oursPerPixel / peerPerPixel);
        }
        if (const Timing* floor = Find("Paint/Floor/" + c); floor != nullptr && floor->Pixels > 0) {
            const double perPixel = PerThousandPixels(*floor);
            extras += "  " + padded + "Floor" + Format("%10.1f", perPixel) +
                      (peerPerPixel == 0 ? "" : Format("  %8.3f", perPixel / peerPerPixel)) + "\n";
        }
    }
    if (worst > 0)
        Out << Format("  worst ratio %.3f (goal <= %.2f): ", worst, PaintGoal)
            << (worst <= PaintGoal ? "met" : "NOT met") << "\n";
    if (!extras.empty())
        Out << "\nFloor: a fresh 32-bit image of the size with each row copied from one prepared\n"
               "row, no painter, the least any left-to-right drawing into it can cost.\n"
            << extras;
}

void RatioReporter::PrintEncode(std::ostream& Out) const {
    const std::vector<std::string> cases = CasesOf(order_, "Encode");
    if (cases.empty())
        return;
    Out << "\nEncode, ns per MakeModules + PatternWidth";
    if (!peer_.empty())
        Out << " against ZBarcode_Encode";
    Out << "\n  case                ours"
        << (peer_.empty() ? "" : "  peer(clear+encode)  ratio  peer(create+encode+delete)  ratio")
        << "\n";
    double logSum = 0, logSumFresh = 0;
    int count = 0;
    for (const std::string& c : cases) {
        const Timing* ours = Find("Encode/Ours/" + c);
        const Timing* peer = peer_.empty() ? nullptr : Find("Encode/" + peer_ + "/" + c);
        const Timing* fresh = peer_.empty() ? nullptr : Find("Encode/" + peer_ + "Fresh/" + c);
        if (ours == nullptr)
            continue;
        Out << "  " << c << std::string(c.size() < 16 ? 16 - c.size() : 1, ' ');
        if (peer == nullptr || fresh == nullptr) {
            Out << Format("%8.1f\n", ours->Nanoseconds);
            continue;
        }
        const double ratio = ours->Nanoseconds / peer->Nanoseconds;
        const double ratioFresh = ours->Nanoseconds / fresh->Nanoseconds;
        logSum += std::log(ratio);
        logSumFresh += std::log(ratioFresh);
        ++count;
        Out << Format("%8.1f  %18.1f  %5.3f  %26.1f  %5.3f\n", ours->Nanoseconds, peer->Nanoseconds,
                      ratio, fresh->Nanoseconds, ratioFresh);
    }
    if (count == 0)
        return;
    const double mean = std::exp(logSum / count);
    const double meanFresh = std::exp(logSumFresh / count);
    const auto verdict = [](double Ratio) { return Ratio <= EncodeGoal ? "met" : "NOT met"; };
    Out << Format("  geometric mean ratio (goal <= %.2f): %.3f against clear+encode, ", EncodeGoal,
                  mean)
        << verdict(mean)
        << Format("; %.3f against create+encode+delete, as first measured, ", meanFresh)
        << verdict(meanFresh) << "\n";
}

void RatioReporter::PrintWidget(std::ostream& Out) const {
    const Timing* change = Find("Widget/BarCodeChange");
    if (change == nullptr)
        return;
    const double microseconds = change->Nanoseconds / 1000;
    Out << Format("\nWidget: BarCode change on the window's control %.1f us (goal <= %.0f us): ",
                  microseconds, WidgetGoalMicroseconds)
        << (microseconds <= WidgetGoalMicroseconds ? "met" : "NOT met") << "\n";
}

void RatioReporter::Finalize() {
    std::ostream& out = GetOutputStream();
    out << "\n== Quillmark against " << (peer_.empty() ? "no peer (libzint absent)" : peer_)
        << ", fastest repetition, CPU time ==\n";
    PrintPaint(out);
    PrintEncode(out);
    PrintWidget(out);
    ConsoleReporter::Finalize();
}

} // namespace quillmark::benchmarks
