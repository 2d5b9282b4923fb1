// The start-up tables: programs started in turn, seen from outside.
#include <cstdio>

#include "figures.h"
#include "measurements.h"
#include "painted.h"
#include "started_program.h"

namespace bench {
namespace {

enum { kEmpty, kControls, kBandora, kNotepad, kCount };

struct Row {
    double shownMedian, shownP90, paintMedian, paintP90;
};

// One program's window visible and first complete paint, median [p10..p90].
Row PrintStartUpRow(const char* name, const std::vector<Start>& starts) {
    const auto shown = ColumnOf(starts, &Start::shownMs), paint = ColumnOf(starts, &Start::paintedMs);
    const Row row{Median(shown), Percentile(shown, 0.9), Median(paint), Percentile(paint, 0.9)};
    char a[64], b[64];
    std::snprintf(a, sizeof a, "%6.1f [%.1f..%.1f]", row.shownMedian, Percentile(shown, 0.1), row.shownP90);
    std::snprintf(b, sizeof b, "%6.1f [%.1f..%.1f]", row.paintMedian, Percentile(paint, 0.1), row.paintP90);
    std::printf("  %-26s %-24s %-24s\n", name, a, b);
    return row;
}

void PrintStartUpRatios(const Row (&rows)[kCount]) {
    const double ratio = rows[kBandora].paintMedian / rows[kControls].paintMedian;
    std::printf("  ratio of medians: bandora/floor %.2f, notepad/floor %.2f, controls-floor/floor %.2f\n",
                rows[kBandora].paintMedian / rows[kEmpty].paintMedian,
                rows[kNotepad].paintMedian / rows[kEmpty].paintMedian,
                rows[kControls].paintMedian / rows[kEmpty].paintMedian);
    std::printf("  window visible: bandora/controls-floor %.2f (medians), %.2f (p90s)\n",
                rows[kBandora].shownMedian / rows[kControls].shownMedian,
                rows[kBandora].shownP90 / rows[kControls].shownP90);
    std::printf("bandora/controls-floor %.2f\n", ratio);
    const double ratioP90 = rows[kBandora].paintP90 / rows[kControls].paintP90;
    std::printf("bandora/controls-floor p90 %.2f\n", ratioP90);
    std::printf("  target: bandora/controls-floor at most 1.00 (medians) and 1.05 (p90s): %s\n\n",
                ratio <= 1.00 && ratioP90 <= 1.05 ? "met" : "NOT met");
}

void PrintMemory(const std::vector<Program>& programs, const std::vector<std::vector<Start>>& starts, int runs) {
    std::printf("Memory after start-up (MiB, median of %d), and file size (MiB)\n", runs);
    std::printf("  %-26s %16s %14s %10s\n", "program", "peak working set", "private (USS)", "file size");
    for (std::size_t i = 0; i < programs.size(); ++i)
        std::printf("  %-26s %16.1f %14.2f %10.2f\n", programs[i].name,
                    Median(ColumnOf(starts[i], &Start::peakWorkingSetMiB)),
                    Median(ColumnOf(starts[i], &Start::privateMiB)), FileMiB(programs[i].path));
    std::printf("\n");
}

}  // namespace

bool MeasureStartUp(int runs) {
    const std::vector<Program> programs = {
        {"empty_window.exe (floor)", Beside(L"empty_window.exe"), EmptyWindowPainted},
        {"controls_floor.exe", Beside(L"controls_floor.exe"), ControlsFloorPainted},
        {"bandora.exe", Beside(L"bandora.exe"), BandoraPainted},
        {"notepad.exe (Wine's)", WindowsFile(L"notepad.exe"), NotepadPainted},
    };
    const std::vector<std::vector<Start>> starts = StartInTurn(programs, runs);
    if (starts.empty()) return false;
    // The spread is given by the 10th and 90th percentiles rather than the
    // extremes: on a shared machine a single start can take several times the
    // usual, and a floor's p90 against Bandora's p90 tells how the slow
    // starts compare.
    std::printf("Start-up, CreateProcess to window (ms), %d runs each: median [p10..p90]\n", runs);
    std::printf("  %-26s %-24s %-24s\n", "program", "window visible", "first complete paint");
    Row rows[kCount];
    for (int i = 0; i < kCount; ++i) rows[i] = PrintStartUpRow(programs[i].name, starts[i]);
    PrintStartUpRatios(rows);
    PrintMemory(programs, starts, runs);
    return true;
}

// For measuring what a start-up mechanism saves: the first file is the build
// with it, the others without; each is compared with the first.
bool MeasureVariants(const std::vector<std::wstring>& files, int runs) {
    std::vector<Program> programs = {{"controls_floor.exe", Beside(L"controls_floor.exe"), ControlsFloorPainted}};
    std::vector<std::string> names(files.size());
    for (std::size_t i = 0; i < files.size(); ++i) {
        names[i] = std::string(files[i].begin(), files[i].end());
        programs.push_back({names[i].c_str(), Beside(files[i].c_str()), BandoraPainted});
    }
    const std::vector<std::vector<Start>> starts = StartInTurn(programs, runs);
    if (starts.empty()) return false;
    std::printf("Start-up at %d dpi, %d runs each, first complete paint (ms) and private memory (MiB)\n", ScreenDpi(), runs);
    std::printf("  %-28s %8s %8s %8s %8s %12s %12s\n", "program", "p10", "median", "p90", "USS", "median/1st", "p90/1st");
    std::vector<double> medians, p90s;
    const std::size_t first = programs.size() > 1 ? 1 : 0;
    for (std::size_t i = 0; i < programs.size(); ++i) {
        const auto paint = ColumnOf(starts[i], &Start::paintedMs);
        medians.push_back(Median(paint));
        p90s.push_back(Percentile(paint, 0.9));
        std::printf("  %-28s %8.1f %8.1f %8.1f %8.2f %12.3f %12.3f\n", programs[i].name, Percentile(paint, 0.1),
                    medians[i], p90s[i], Median(ColumnOf(starts[i], &Start::privateMiB)),
                    i >= first ? medians[i] / medians[first] : 0.0, i >= first ? p90s[i] / p90s[first] : 0.0);
    }
    std::printf("\n");
    return true;
}

}  // namespace bench
