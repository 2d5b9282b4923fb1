// Measures bandora.exe where it runs: start-up to first complete paint beside
// two floors (an empty window, and the same window holding only Bandora's six
// standard controls) and Wine's notepad, memory after start-up, file
// sizes, and in this process the time from a swatch click to the new readout
// and from "Calculate" to the repainted bands, beside a click floor (the same
// click on a bare window that sets one text). Prints a plain-text table.
//   bench_driver [runs [--start-up-only]]
//                            (default 41; bandora.exe, empty_window.exe and
//                             controls_floor.exe are looked for beside this program)
//   bench_driver --timeline [runs [--floor]]
//                            the start-up's timeline: bandora_timeline.exe (the
//                            program with its start-up marks) in turn with
//                            controls_floor.exe; the marks put on this process's
//                            clock, phase by phase, fast starts beside slow ones;
//                            with --floor, the floor's own marked build
//                            (controls_floor_timeline.exe) in Bandora's place
//   bench_driver --variants runs file...
//                            the controls floor and each build named, side by side
//   bench_driver --interaction-only
//                            clicks and keys alone, in this process
//   bench_driver --window-only [times]   (at least 2)
//                            the main window built in this process, and its full repaint
// Each table is made in a file of its own: start_up_tables.cpp (programs
// started as a user starts them, started_program.cpp), timeline_table.cpp
// (the marked build's phases) and in_process.cpp (the window in this process).
#include <windows.h>
#include <mmsystem.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "measurements.h"
#include "painted.h"

namespace {

// A measurement with the system timer at one millisecond, its table written
// out at once; the exit code of the driver.
int Measured(const std::function<bool()>& measure) {
    timeBeginPeriod(1);
    const bool ok = measure();
    timeEndPeriod(1);
    std::fflush(stdout);
    return ok ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
    using namespace bench;
    const auto arg = [&](int i) { return argc > i ? std::string_view(argv[i]) : std::string_view(); };
    const auto number = [&](int i) { return argc > i ? std::max(1, std::atoi(argv[i])) : 41; };
    if (arg(1) == "--timeline") return Measured([&] { return MeasureTimeline(number(2), arg(3) == "--floor"); });
    if (arg(1) == "--interaction-only") return Measured([] { return MeasureInteraction(1000); });
    // The first build is shown apart from the median of the later ones: two at least.
    if (arg(1) == "--window-only") return Measured([&] { return MeasureWindowBuild(std::max(2, number(2))); });
    if (arg(1) == "--variants") {
        std::vector<std::wstring> files;
        for (int i = 3; i < argc; ++i) files.emplace_back(argv[i], argv[i] + std::strlen(argv[i]));
        return Measured([&] { return MeasureVariants(files, number(2)); });
    }
    const int runs = number(1);
    if (arg(2) == "--start-up-only") {   // another dpi: the start-up table alone
        std::printf("Bandora start-up at %d dpi\n\n", ScreenDpi());
        return MeasureStartUp(runs) ? 0 : 1;
    }
    return Measured([&] {
        std::printf("Bandora benchmarks\n\n");
        return MeasureStartUp(runs) && MeasureWindowBuild(21) && MeasureInteraction(1000);
    });
}
