// What the driver measures, each printed as a plain-text table. Each is
// false when a measurement could not be taken.
#pragma once

#include <string>
#include <vector>

namespace bench {

// Start-up of Bandora beside its floors and Wine's notepad, and their memory.
bool MeasureStartUp(int runs);
// Builds of the program (files beside the driver) beside the controls floor.
bool MeasureVariants(const std::vector<std::wstring>& files, int runs);
// The start-up's timeline from the marked build's own marks.
bool MeasureTimeline(int runs, bool markedFloor);
// The main window built in this process, and its full repaint.
bool MeasureWindowBuild(int times);
// Clicks and keys in this process, beside the click floor.
bool MeasureInteraction(int iterations);

}  // namespace bench
