// The widget under hostile sizes: peak memory and wall time of one step each, for a widget
// left unshown, one shown inside a 640 x 480 window, and one shown as a window of its own
// (where Qt's backing store of the window's whole size is counted too). The memory counter
// is the rise of the process's peak resident set over the step (VmHWM, reset through
// clear_refs). Targets: under 200 MB and 1 s a step, unshown and in a window.
#include <quillmark/barcode.h>

#include <QApplication>
#include <QWidget>

#include <benchmark/benchmark.h>

#include <chrono>
#include <exception>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace {

using namespace quillmark;

// A VmRSS or VmHWM line of /proc/self/status, in MB.
double StatusMB(const std::string& Key) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind(Key + ":", 0) == 0)
            return std::stod(line.substr(Key.size() + 1)) / 1024.0;
    return 0;
}

void ResetPeak() {
    std::ofstream("/proc/self/clear_refs") << "5";
}

enum class Where { Unshown, InWindow, TopLevel };

// Runs Prepare untimed, then Step once per iteration, reporting the step's peak memory rise.
void Measure(benchmark::State& State, const std::function<void(TBarCode&)>& Prepare,
             const std::function<void(TBarCode&)>& Step, Where Place) {
    for (auto _ : State) {
        auto window = std::make_unique<QWidget>();
        window->resize(640, 480);
        std::unique_ptr<TBarCode> own;
        TBarCode* control = nullptr;
        if (Place == Where::TopLevel) {
            own = std::make_unique<TBarCode>();
            control = own.get();
        } else {
            control = new TBarCode(window.get());
        }
        control->setGeometry(10, 10, 337, 89);
        if (Place == Where::InWindow)
            window->show();
        if (Place == Where::TopLevel)
            control->show();
        Prepare(*control);
        QApplication::processEvents();
        ResetPeak();
        const double before = StatusMB("VmRSS");
        const auto start = std::chrono::steady_clock::now();
        try {
            Step(*control);
            QApplication::processEvents(); // the paint events the step asked for
        } catch (const std::exception& error) {
            State.SkipWithError(error.what());
            break;
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
        State.SetIterationTime(elapsed.count());
        State.counters["peak_MB"] = StatusMB("VmHWM") - before;
        State.counters["width"] = control->Width();
        State.counters["height"] = control->Height();
    }
}

// Code 128B, Count times 'A' at Modul, AutoWidth on; the step turns it vertical, leaving
// the widget square.
void TurnAutoWidth(benchmark::State& State, int Count, int Modul, Where Place) {
    Measure(
        State,
        [&](TBarCode& c) {
            c.SetBarType(bcCode128B);
            c.SetBarCode(std::string(static_cast<std::size_t>(Count), 'A'));
            c.SetModul(Modul);
            c.SetAutoWidth(true);
        },
        [](TBarCode& c) { c.SetOrientation(toTopBottom); }, Place);
}

void Huge(benchmark::State& State, Where Place) {
    Measure(
        State, [](TBarCode&) {},
        [](TBarCode& c) {
            c.setGeometry(0, 0, 30000, 30000);
            c.Repaint();
        },
        Place);
}

void Register() {
    const std::pair<Where, const char*> places[] = {{Where::Unshown, "/unshown"},
                                                    {Where::InWindow, "/in_window"},
                                                    {Where::TopLevel, "/top_level"}};
    for (const auto& [place, where] : places) {
        const auto add = [&](const std::string& name, auto&& fn) {
            benchmark::RegisterBenchmark((name + where).c_str(), fn)
                ->Iterations(1)
                ->UseManualTime()
                ->Unit(benchmark::kMillisecond);
        };
        add("AutoWidthTurned_100A_Modul10",
            [place](benchmark::State& s) { TurnAutoWidth(s, 100, 10, place); });
        // A window of its own is backed by Qt at its whole size: only the smallest case.
        if (place == Where::TopLevel)
            continue;
        add("AutoWidthTurned_200A_Modul20",
            [place](benchmark::State& s) { TurnAutoWidth(s, 200, 20, place); });
        add("AutoWidthTurned_2000A_Modul49",
            [place](benchmark::State& s) { TurnAutoWidth(s, 2000, 49, place); });
        add("Geometry30000", [place](benchmark::State& s) { Huge(s, place); });
    }
}

// Registered before main, which the shared Qt benchmark main provides.
[[maybe_unused]] const bool Registered = (Register(), true);

} // namespace
