// The start-up's timeline: the marked build in turn with the controls floor,
// its phases over all starts, fast starts beside slow ones.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "figures.h"
#include "measurements.h"
#include "painted.h"
#include "timed_start.h"

namespace bench {
namespace {

// A mark's key as printed: messages and pictures by name.
std::string Described(const std::string& key) {
    static const std::pair<const char*, const char*> kNames[] = {
        {"message#15", "message WM_PAINT"},          {"message#16", "message WM_CLOSE"},
        {"message#275", "message WM_TIMER"},         {"message#280", "message WM_SYSTIMER (caret)"},
        {"message#512", "message WM_MOUSEMOVE"},     {"message#675", "message WM_MOUSELEAVE"},
    };
    const std::size_t bracket = key.find(" (");
    const std::string base = key.substr(0, bracket), rest = bracket == std::string::npos ? "" : key.substr(bracket);
    for (const auto& [raw, name] : kNames)
        if (base == raw) return name + rest;
    return key;
}

// Every key of the starts shown, in the order of its moment in the median
// start (the second shown), or in the first start that has it.
std::vector<std::string> KeysInOrder(const std::vector<const TimedStart*>& shown) {
    std::vector<std::pair<std::string, double>> keys;   // key, time to sort by
    for (const TimedStart* run : shown)
        for (const Moment& m : run->moments)
            if (std::none_of(keys.begin(), keys.end(), [&](const auto& k) { return k.first == m.key; })) {
                const double inMedian = shown[1]->At(m.key);
                keys.emplace_back(m.key, std::isnan(inMedian) ? m.ms : inMedian);
            }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    std::vector<std::string> ordered;
    for (const auto& key : keys) ordered.push_back(key.first);
    return ordered;
}

// The fastest, median and slowest start (by first complete paint) side by
// side, each moment in ms since CreateProcess with the step from the one
// before it in the same start.
void PrintSideBySide(const std::vector<const TimedStart*>& shown) {
    std::printf("  %-30s %-18s %-18s %-18s\n", "moment (ms since CreateProcess)", "fastest", "median", "slowest");
    std::vector<double> previous(shown.size(), 0.0);
    for (const std::string& key : KeysInOrder(shown)) {
        std::printf("  %-30s", Described(key).c_str());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const double at = shown[i]->At(key);
            char cell[40] = "";
            if (!std::isnan(at)) {
                std::snprintf(cell, sizeof cell, "%7.1f (%+6.1f)", at, at - previous[i]);
                previous[i] = at;
            }
            std::printf(" %-18s", cell);
        }
        std::printf("\n");
    }
}

// One unmeasured start each fills the file cache; then they take turns.
// Each start lingers 600 ms after its first complete paint, so that what the
// program does once it is shown (its first idle moments, the caret's first
// blink, OLE Automation if anything loads it) falls inside it.
bool StartInTurnMarked(const Program& marked, const Program& floor, const std::wstring& marksFile, int runs,
                       std::vector<TimedStart>& starts, std::vector<Start>& floors) {
    for (int run = -1; run < runs; ++run) {
        DeleteFileW(marksFile.c_str());
        TimedStart timed;
        if (!StartOnce(marked, timed.outside, false, 600)) return false;
        if (!ReadMarks(marksFile, timed)) {
            std::fprintf(stderr, "%s wrote no marks to %ls\n", marked.name, marksFile.c_str());
            return false;
        }
        Start start;
        if (!StartOnce(floor, start, false, 600)) return false;
        if (run >= 0) {
            starts.push_back(std::move(timed));
            floors.push_back(start);
        }
    }
    DeleteFileW(marksFile.c_str());
    return true;
}

// The fastest, median and slowest start side by side, and the floor's start
// that followed each of them: slow too when the machine, not the program,
// was slow at that moment.
void PrintPickedStarts(const std::vector<const TimedStart*>& order, const std::vector<TimedStart>& starts,
                       const std::vector<Start>& floors) {
    const std::size_t n = order.size();
    const std::vector<const TimedStart*> picked{order.front(), order[(n - 1) / 2], order.back()};
    PrintSideBySide(picked);
    std::printf("  %-30s", "[floor's next start: complete]");
    for (const TimedStart* run : picked)
        std::printf(" %7.1f            ", floors[static_cast<std::size_t>(run - starts.data())].paintedMs);
    std::printf("\n");
}

using Figure = std::function<double(const TimedStart&)>;

// p10, median and p90 of one figure over all starts (`order`, fastest
// first), then its median in the fastest and in the slowest quarter.
void PrintPhaseRow(const char* name, const std::vector<const TimedStart*>& order, const Figure& value) {
    const std::size_t n = order.size(), quarter = std::max<std::size_t>(1, n / 4);
    std::vector<double> all, fast, slow;
    for (std::size_t i = 0; i < n; ++i) {
        const double v = value(*order[i]);
        if (std::isnan(v)) continue;
        all.push_back(v);
        if (i < quarter) fast.push_back(v);
        if (i >= n - quarter) slow.push_back(v);
    }
    if (all.empty()) {
        std::printf("  %-36s %7s\n", name, "-");
        return;
    }
    std::printf("  %-36s %7.1f %7.1f %7.1f   %8.1f %8.1f\n", name, Percentile(all, 0.1), Median(all),
                Percentile(all, 0.9), fast.empty() ? NAN : Median(fast), slow.empty() ? NAN : Median(slow));
}

struct Phase {
    const char* name;
    std::string from, to;
};

// The phases up to the first complete paint follow one another: they add up
// to the total. The rows in brackets are other spans.
const Phase kPhases[] = {
    {"process start -> wWinMain", "", "wWinMain"},
    {"wWinMain -> CreateWindowEx", "wWinMain", "CreateWindowEx"},
    {"CreateWindowEx (main window)", "CreateWindowEx", "window"},
    {"window -> control windows made", "window", "control window (last)"},
    {"controls -> ShowWindow (Form_Load)", "control window (last)", "ShowWindow"},
    {"ShowWindow -> activated, paint begins", "ShowWindow", "paint"},
    {"first paint: drawn", "paint", "paint-drawn"},
    {"first paint: EndPaint", "paint-drawn", "paint-end"},
    {"first paint end -> seen complete", "paint-end", kSeenComplete},
    {"total: seen complete", "", kSeenComplete},
    {"(process start -> seen visible)", "", kSeenVisible},
    {"(ShowWindow called -> returned)", "ShowWindow", "ShowWindow done"},
    {"(first paint end -> Show done)", "paint-end", "UpdateWindow done (last)"},
    {"(Show done -> first idle)", "UpdateWindow done (last)", "idle#0"},
    {"(OLE Automation loading)", "OLE Automation", "OLE Automation-end"},
};

// Moments of a label counted before another moment ("" for to the end).
struct Tally {
    const char* name;
    std::string label, stop;
};

const Tally kTallies[] = {
    {"(DIB sections made before first paint)", "DIB", "paint"},
    {"(messages taken before first idle)", "message", "idle#0"},
    {"(form paints before seen complete)", "paint", kSeenComplete},
    {"(form paints in all)", "paint", ""},
};

// Each phase, then counts: the phase that grows in slow starts is the one
// whose two quarters differ.
void PrintPhases(const std::vector<const TimedStart*>& order) {
    const std::size_t n = order.size(), quarter = std::max<std::size_t>(1, n / 4);
    std::printf("\nPhases (ms): over all %zu starts, and medians of the fastest and slowest %zu (by first complete paint)\n",
                n, quarter);
    std::printf("  %-36s %7s %7s %7s   %8s %8s\n", "phase", "p10", "median", "p90", "fast 1/4", "slow 1/4");
    for (const Phase& p : kPhases)
        PrintPhaseRow(p.name, order,
                      [&](const TimedStart& s) { return s.At(p.to) - (p.from.empty() ? 0.0 : s.At(p.from)); });
    for (const Tally& c : kTallies)
        PrintPhaseRow(c.name, order, [&](const TimedStart& s) { return double(s.Count(c.label, c.stop)); });
}

// Percentiles would hide a second paint in a few starts: the starts are counted by paints.
void PrintStartsByPaints(const std::vector<TimedStart>& starts) {
    int byPaints[4] = {};
    for (const TimedStart& s : starts) ++byPaints[std::min(s.Count("paint"), 3)];
    std::printf("  starts by form paints: none %d, one %d, two %d, more %d\n", byPaints[0], byPaints[1], byPaints[2],
                byPaints[3]);
}

double Correlation(const std::vector<double>& a, const std::vector<double>& b) {
    const double n = double(a.size());
    double meanA = 0, meanB = 0;
    for (std::size_t i = 0; i < a.size(); ++i) meanA += a[i] / n, meanB += b[i] / n;
    double cov = 0, varA = 0, varB = 0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        cov += (a[i] - meanA) * (b[i] - meanB);
        varA += (a[i] - meanA) * (a[i] - meanA);
        varB += (b[i] - meanB) * (b[i] - meanB);
    }
    return varA > 0 && varB > 0 ? cov / std::sqrt(varA * varB) : 0.0;
}

void PrintSeenRow(const char* name, const std::vector<double>& shown, const std::vector<double>& painted) {
    std::printf("  %-22s %7.1f %7.1f %7.1f   first complete paint %7.1f %7.1f %7.1f\n", name, Percentile(shown, 0.1),
                Median(shown), Percentile(shown, 0.9), Percentile(painted, 0.1), Median(painted),
                Percentile(painted, 0.9));
}

void PrintSeenFromOutside(const char* name, const std::vector<TimedStart>& starts, const std::vector<Start>& floors) {
    const auto bPainted = ColumnOf(starts, [](const TimedStart& s) { return s.outside.paintedMs; });
    const auto fPainted = ColumnOf(floors, &Start::paintedMs);
    std::printf("\nSeen from outside (ms since CreateProcess): p10 median p90\n");
    PrintSeenRow(name, ColumnOf(starts, [](const TimedStart& s) { return s.outside.shownMs; }), bPainted);
    PrintSeenRow("controls_floor.exe", ColumnOf(floors, &Start::shownMs), fPainted);
    std::printf("  timeline build/controls-floor %.2f (medians), p90 %.2f\n", Median(bPainted) / Median(fPainted),
                Percentile(bPainted, 0.9) / Percentile(fPainted, 0.9));
    // Each Bandora start against the floor's start right after it: if the
    // spread is the machine's, the two rise and fall together.
    std::vector<double> pairRatios;
    for (std::size_t i = 0; i < bPainted.size(); ++i) pairRatios.push_back(bPainted[i] / fPainted[i]);
    std::printf("  start by start (each with the floor's next): ratio p10 %.2f, median %.2f, p90 %.2f; correlation %.2f\n\n",
                Percentile(pairRatios, 0.1), Median(pairRatios), Percentile(pairRatios, 0.9),
                Correlation(bPainted, fPainted));
}

}  // namespace

bool MeasureTimeline(int runs, bool markedFloor) {
    const Program marked = markedFloor ? Program{"floor, marked", Beside(L"controls_floor_timeline.exe"),
                                                 ControlsFloorPainted}
                                       : Program{"bandora_timeline.exe", Beside(L"bandora_timeline.exe"), BandoraPainted};
    const Program floor{"controls_floor.exe", Beside(L"controls_floor.exe"), ControlsFloorPainted};
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    const std::wstring marksFile = std::wstring(temp) + L"bandora_timeline_marks.txt";
    SetEnvironmentVariableW(L"BANDORA_TIMELINE_FILE", marksFile.c_str());   // inherited by the programs started

    std::printf("Start-up timeline at %d dpi, %d starts of each, load average %s at the start\n", ScreenDpi(), runs,
                LoadAverage().c_str());
    std::vector<TimedStart> starts;
    std::vector<Start> floors;
    if (!StartInTurnMarked(marked, floor, marksFile, runs, starts, floors)) return false;
    std::printf("load average %s at the end\n\n", LoadAverage().c_str());

    std::vector<const TimedStart*> order;   // by first complete paint
    for (const TimedStart& s : starts) order.push_back(&s);
    std::stable_sort(order.begin(), order.end(),
                     [](const TimedStart* a, const TimedStart* b) { return a->outside.paintedMs < b->outside.paintedMs; });
    PrintPickedStarts(order, starts, floors);
    PrintPhases(order);
    PrintStartsByPaints(starts);
    PrintSeenFromOutside(marked.name, starts, floors);
    return true;
}

}  // namespace bench
