#include "timed_start.h"

#include <windows.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "figures.h"

namespace bench {
namespace {

// A moment is of a label when its key is the label itself, a repeat of it
// ("label (2)") or one of its items ("label#item").
bool IsOf(const Moment& m, const std::string& label) {
    return m.key == label || m.key.rfind(label + " (", 0) == 0 || m.key.rfind(label + "#", 0) == 0;
}

// Each line of the file is a label and the counter's ticks, after a space.
std::vector<std::pair<std::string, double>> ParseMarks(const std::string& text, LARGE_INTEGER created) {
    std::vector<std::pair<std::string, double>> marks;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        const std::size_t space = line.rfind(' ');
        if (space == std::string::npos) continue;
        LARGE_INTEGER ticks;
        ticks.QuadPart = std::atoll(line.c_str() + space + 1);
        marks.emplace_back(line.substr(0, space), Ms(created, ticks));
    }
    return marks;
}

}  // namespace

double TimedStart::At(const std::string& key) const {
    const std::string last = " (last)";
    if (key.size() > last.size() && key.compare(key.size() - last.size(), last.size(), last) == 0) {
        const std::string label = key.substr(0, key.size() - last.size());
        double at = NAN;
        for (const Moment& m : moments)
            if (IsOf(m, label)) at = m.ms;
        return at;
    }
    for (const Moment& m : moments)
        if (m.key == key) return m.ms;
    return NAN;
}

int TimedStart::Count(const std::string& label, const std::string& stop) const {
    int count = 0;
    for (const Moment& m : moments) {
        if (!stop.empty() && m.key == stop) break;
        if (IsOf(m, label)) ++count;
    }
    return count;
}

bool ReadMarks(const std::wstring& file, TimedStart& run) {
    const std::string text = ReadWholeFile(file);
    if (text.empty()) return false;
    std::vector<std::pair<std::string, double>> marks = ParseMarks(text, run.outside.created);
    marks.emplace_back(kSeenVisible, run.outside.shownMs);
    marks.emplace_back(kSeenComplete, run.outside.paintedMs);
    std::stable_sort(marks.begin(), marks.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const auto& [label, ms] : marks) {
        const int seen = run.Count(label);
        run.moments.push_back({seen ? label + " (" + std::to_string(seen + 1) + ")" : label, ms});
    }
    return true;
}

}  // namespace bench
