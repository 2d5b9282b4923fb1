// One start of a marked build, on one time line: the marks the program wrote
// (bench/timeline/) and what the driver saw from outside.
//
// bandora_timeline.exe is the program with its start-up marks compiled in,
// and so is controls_floor_timeline.exe: each writes them, label and
// performance counter, to the file named by BANDORA_TIMELINE_FILE when it
// ends. The counter is one clock for all processes under Wine, so the marks
// and the driver's own observations (window visible, first complete paint on
// the screen) share one time line starting just before CreateProcess.
#pragma once

#include <string>
#include <vector>

#include "started_program.h"

namespace bench {

struct Moment {
    std::string key;   // the mark's label, " (2)" and on for a repeated one
    double ms;         // since CreateProcess
};

constexpr const char* kSeenVisible = "[seen: window visible]";
constexpr const char* kSeenComplete = "[seen: first paint complete]";

struct TimedStart {
    Start outside;
    std::vector<Moment> moments;   // in time order, the two observations among them

    // The first moment of that key, or with " (last)" after a label the last
    // moment of that label; NaN when there was none.
    double At(const std::string& key) const;
    // The moments of that label, repeats and items included ("DIB" counts
    // "DIB#302" and "DIB#17 (2)"), before the moment `stop` (all of them when
    // there is none).
    int Count(const std::string& label, const std::string& stop = "") const;
};

// Reads the marks `file` holds into `run`, beside its two observations.
bool ReadMarks(const std::wstring& file, TimedStart& run);

}  // namespace bench
