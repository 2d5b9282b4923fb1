// The main window in this process: how long it takes to build, to repaint,
// and to answer a click or a key, beside the click floor.
#include <windows.h>

#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "click_floor.h"
#include "figures.h"
#include "measurements.h"
#include "platform/form.h"
#include "ui/form1.h"

namespace bench {
namespace {

// Dispatches whatever is queued, without waiting, as the program's own loop would.
void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        platform::DispatchWithTab(msg);
    }
}

void Settle(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        PumpPending();
        Sleep(5);
    }
}

// A click in the middle of a picture box, sent to the window that draws it.
void ClickCentre(const platform::Control& box) {
    const RECT r = box.ClientInForm();
    SendClick(box.form().hWnd(), {(r.left + r.right) / 2, (r.top + r.bottom) / 2});
}

std::wstring TextOf(HWND hwnd) {
    wchar_t text[256];
    GetWindowTextW(hwnd, text, 256);
    return text;
}

void PrintMicroseconds(const char* what, const std::vector<double>& ms) {
    std::printf("  %-40s %8.0f %8.0f %8.0f %8.0f %8.0f %8.0f\n", what, Min(ms) * 1000, Percentile(ms, 0.1) * 1000,
                Median(ms) * 1000, Percentile(ms, 0.9) * 1000, Percentile(ms, 0.99) * 1000, Max(ms) * 1000);
}

// Everything the main window draws itself (its surface, labels, lines and
// boxes), drawn again into an off-screen image as a full repaint would draw
// it: after a restore, or when another window moved off it.
bool MeasureFullRepaint(int times) {
    ui::Form1 form;
    if (!form.Show()) return false;
    RECT client{};
    GetClientRect(form.hWnd(), &client);
    platform::Canvas image(client.right, client.bottom);
    std::vector<double> took;
    for (int i = 0; i < times; ++i) {
        const LARGE_INTEGER t0 = Now();
        SendMessageW(form.hWnd(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(image.get()), PRF_CLIENT);
        took.push_back(Ms(t0, Now()));
    }
    std::printf("  %-40s %8s %8.2f   (median of %d; p10 %.2f, p90 %.2f)\n\n", "a full repaint of what it draws", "",
                Median(took), times, Percentile(took, 0.1), Percentile(took, 0.9));
    return true;
}

// One value put in a box, and how the window must look after it: the box's
// text (unless null) and the first band's colour.
struct Entry {
    const wchar_t* typed;
    const wchar_t* shown;
    COLORREF first;
};

// The value set in `box`, then `act` timed to the repainted window, the
// band's pixel and the box's text checked after. False when they are not as
// the entry says.
bool TimeEntry(ui::Form1& form, HWND box, const RECT& band, const Entry& entry, const std::function<void()>& act,
               std::vector<double>& took) {
    SetWindowTextW(box, entry.typed);
    PumpPending();
    const LARGE_INTEGER t0 = Now();
    act();
    UpdateWindow(form.hWnd());
    const LARGE_INTEGER t1 = Now();
    HDC windowDc = GetDC(form.hWnd());
    const bool painted = GetPixel(windowDc, band.left + 2, band.top + 20) == entry.first;
    ReleaseDC(form.hWnd(), windowDc);
    if (!painted || (entry.shown && TextOf(box) != entry.shown)) return false;
    took.push_back(Ms(t0, t1));
    PumpPending();
    return true;
}

// Two entries in turn, `iterations` in all, each timed by TimeEntry. Empty
// when one was not written.
std::vector<double> TimeEntries(ui::Form1& form, HWND box, const RECT& band, const Entry (&entries)[2],
                                const std::function<void()>& act, const char* what, int iterations) {
    std::vector<double> took;
    for (int i = 0; i < iterations; ++i)
        if (!TimeEntry(form, box, band, entries[i % 2], act, took)) {
            std::fprintf(stderr, "%s %d: \"%ls\" not written\n", what, i, entries[i % 2].typed);
            return {};
        }
    return took;
}

// "Calculate": 4700 and 1000 in turn (first band Yellow, then Brown), timed
// from BM_CLICK to the repainted bands.
std::vector<double> MeasureCalculate(ui::Form1& form, int iterations) {
    HWND button = form.Item(L"CCal").hWnd();
    static const Entry kEntries[] = {{L"4700", nullptr, RGB(255, 255, 0)}, {L"1000", nullptr, RGB(128, 64, 0)}};
    return TimeEntries(form, form.Item(L"Text1").hWnd(), form.Item(L"Picture1").ClientInForm(), kEntries,
                       [&] { SendMessageW(button, BM_CLICK, 0, 0); }, "\"Calculate\"", iterations);
}

// Enter in the five-band readout: two values in turn (first band Yellow, then
// Brown), from the key as the message loop hands it on to the readout
// rewritten and the bands repainted.
std::vector<double> MeasureReadoutEnter(ui::Form1& form, int iterations) {
    HWND readout = form.Item(L"Text3").hWnd();
    static const Entry kEntries[] = {{L"4.75K 1%", L" 4.75K Ohm   \u00B11%", RGB(255, 255, 0)},
                                     {L"100", L"100 Ohm   \u00B11%", RGB(128, 64, 0)}};
    const auto pressEnter = [&] {
        MSG key{readout, WM_KEYDOWN, VK_RETURN, 1, 0, {}};
        platform::DispatchWithTab(key);
    };
    return TimeEntries(form, readout, form.Item(L"TT").ClientInForm(), kEntries, pressEnter, "readout Enter",
                       iterations);
}

struct ClickTimes {
    std::vector<double> toText, toPainted, floorToText, floorToPainted;
};

// A click and its two times: to the new text, and on to the moment the
// window is repainted. False when the text did not change.
bool TimeClick(HWND text, HWND window, const std::function<void()>& click, std::vector<double>& toText,
               std::vector<double>& toPainted) {
    const std::wstring before = TextOf(text);
    const LARGE_INTEGER t0 = Now();
    click();
    const std::wstring after = TextOf(text);
    const LARGE_INTEGER t1 = Now();
    UpdateWindow(window);
    const LARGE_INTEGER t2 = Now();
    if (after == before || after.empty()) return false;
    toText.push_back(Ms(t0, t1));
    toPainted.push_back(Ms(t0, t2));
    PumpPending();
    return true;
}

// Swatch clicks: Brown and Red of the first-digit palette in turn, so the
// readout changes every time. Each is followed by a click on the floor,
// timed the same way.
bool MeasureClicks(ui::Form1& form, int iterations, ClickTimes& times) {
    HWND readout = form.Item(L"Text4").hWnd();
    const platform::Control* swatches[2] = {&form.Item(L"Pict", 1), &form.Item(L"Pict", 2)};
    for (int i = 0; i < iterations; ++i) {
        if (!TimeClick(readout, form.hWnd(), [&] { ClickCentre(*swatches[i % 2]); }, times.toText, times.toPainted)) {
            std::fprintf(stderr, "swatch click %d left the readout unchanged or empty\n", i);
            return false;
        }
        if (!TimeClick(ClickFloorEdit(), ClickFloorWindow(), ClickTheFloor, times.floorToText, times.floorToPainted)) {
            std::fprintf(stderr, "floor click %d left its text unchanged\n", i);
            return false;
        }
    }
    return true;
}

// Bandora's times over the click floor's: median, p10 and p90 each over its own.
void PrintOverFloor(const char* what, const std::vector<double>& bandora, const std::vector<double>& floor) {
    std::printf("bandora/click-floor %s %.2f (medians), p10 %.2f, p90 %.2f\n", what, Median(bandora) / Median(floor),
                Percentile(bandora, 0.1) / Percentile(floor, 0.1), Percentile(bandora, 0.9) / Percentile(floor, 0.9));
}

void PrintInteraction(int iterations, const ClickTimes& t, const std::vector<double>& calculate,
                      const std::vector<double>& enter) {
    std::printf("In-process, %d iterations each (microseconds)\n", iterations);
    std::printf("  %-40s %8s %8s %8s %8s %8s %8s\n", "", "min", "p10", "median", "p90", "p99", "max");
    PrintMicroseconds("swatch click -> readout text set", t.toText);
    PrintMicroseconds("swatch click -> readout and band painted", t.toPainted);
    PrintMicroseconds("Calculate -> bands painted", calculate);
    PrintMicroseconds("readout Enter -> bands painted", enter);
    PrintMicroseconds("floor click -> text set", t.floorToText);
    PrintMicroseconds("floor click -> text painted", t.floorToPainted);
    PrintOverFloor("text set", t.toText, t.floorToText);
    PrintOverFloor("painted", t.toPainted, t.floorToPainted);
    std::printf("  target: click to readout below one frame (16 ms = 16000 us): %s\n",
                Percentile(t.toPainted, 0.99) < 16.0 ? "met (p99)" : "NOT met (p99)");
}

}  // namespace

// The main window built in this process, split into its steps: the first time
// also pays for fonts, artwork and window classes; the later ones show what
// the window itself costs, apart from starting a process.
bool MeasureWindowBuild(int times) {
    std::vector<double> load, show, total;
    for (int i = 0; i < times; ++i) {
        {
            ui::Form1 form;
            const LARGE_INTEGER t0 = Now();
            if (!form.Load()) {   // the window, its controls, Form_Load
                std::fprintf(stderr, "no main window: is DISPLAY set?\n");
                return false;
            }
            const LARGE_INTEGER t1 = Now();
            form.Show();                      // shown, focused and painted
            const LARGE_INTEGER t2 = Now();
            load.push_back(Ms(t0, t1));
            show.push_back(Ms(t1, t2));
            total.push_back(Ms(t0, t2));
        }
        Settle(20);
    }
    auto later = [](const std::vector<double>& v) { return Median(std::vector<double>(v.begin() + 1, v.end())); };
    std::printf("In-process, main window built (ms): first time, then median of %d more\n", times - 1);
    std::printf("  %-40s %8.1f %8.1f\n", "created with its controls, Form_Load", load[0], later(load));
    std::printf("  %-40s %8.1f %8.1f\n", "shown and painted", show[0], later(show));
    std::printf("  %-40s %8.1f %8.1f\n", "total", total[0], later(total));
    return MeasureFullRepaint(200);
}

bool MeasureInteraction(int iterations) {
    ui::Form1 form;
    if (!form.Show()) {
        std::fprintf(stderr, "no main window: is DISPLAY set?\n");
        return false;
    }
    Settle(300);
    if (!CreateClickFloor()) {
        std::fprintf(stderr, "cannot create the click floor's window\n");
        return false;
    }
    Settle(100);
    ClickTimes clicks;
    if (!MeasureClicks(form, iterations, clicks)) return false;
    const std::vector<double> calculate = MeasureCalculate(form, iterations);
    if (calculate.empty()) return false;
    const std::vector<double> enter = MeasureReadoutEnter(form, iterations);
    if (enter.empty()) return false;
    PrintInteraction(iterations, clicks, calculate, enter);
    DestroyClickFloor();
    form.Unload();
    return true;
}

}  // namespace bench
