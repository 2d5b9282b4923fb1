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
#include <windows.h>
#include <mmsystem.h>
#include <psapi.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <cwctype>
#include <string>
#include <string_view>
#include <vector>

#include "platform/form.h"
#include "ui/form1.h"

namespace {

// Dispatches whatever is queued, without waiting, as the program's own loop would.
void PumpPending() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        if (msg.message == WM_QUIT) continue;
        platform::DispatchWithTab(msg);
    }
}

// ---- clock and figures ------------------------------------------------------

double Ms(LARGE_INTEGER from, LARGE_INTEGER to) {
    static const double frequency = [] { LARGE_INTEGER f; QueryPerformanceFrequency(&f); return double(f.QuadPart); }();
    return double(to.QuadPart - from.QuadPart) * 1000.0 / frequency;
}
LARGE_INTEGER Now() {
    LARGE_INTEGER t;
    QueryPerformanceCounter(&t);
    return t;
}

// The value below which a share `p` of the samples lie (nearest rank).
double Percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    const auto rank = static_cast<std::size_t>(std::ceil(p * double(v.size())));
    return v[std::clamp<std::size_t>(rank, 1, v.size()) - 1];
}
double Median(const std::vector<double>& v) { return Percentile(v, 0.5); }
double Min(const std::vector<double>& v) { return *std::min_element(v.begin(), v.end()); }
double Max(const std::vector<double>& v) { return *std::max_element(v.begin(), v.end()); }

// ---- programs started as a user starts them -----------------------------------

std::wstring Beside(const wchar_t* file) {   // a file in this program's folder
    wchar_t self[MAX_PATH];
    GetModuleFileNameW(nullptr, self, MAX_PATH);
    std::wstring path = self;
    return path.substr(0, path.find_last_of(L"\\/") + 1) + file;
}

std::wstring WindowsFile(const wchar_t* file) {
    wchar_t dir[MAX_PATH];
    GetWindowsDirectoryW(dir, MAX_PATH);
    return std::wstring(dir) + L"\\" + file;
}

// The display's dpi: the programs measured lay themselves out at it.
int ScreenDpi() {
    static const int dpi = [] {
        HDC screen = GetDC(nullptr);
        const int d = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        return d;
    }();
    return dpi;
}

// The screen pixel at a point of the window's client area, in its own
// pixels: what the user sees, whichever process drew it.
bool DevicePixelIs(HWND window, POINT at, COLORREF colour) {
    static HDC screen = GetDC(nullptr);
    ClientToScreen(window, &at);
    return GetPixel(screen, at.x, at.y) == colour;
}

// The same at a client point given in 96-dpi pixels.
bool ScreenPixelIs(HWND window, int x, int y, COLORREF colour) {
    return DevicePixelIs(window, {MulDiv(x, ScreenDpi(), 96), MulDiv(y, ScreenDpi(), 96)}, colour);
}

struct Probe { int x, y; COLORREF colour; };

// Both windows hold the six standard controls at the same places, each a
// window of its own that paints after its parent: a first paint is complete
// only when every one of them is on the screen too. Each edit box's sunken
// edge (its inner line, one pixel in from the box's corner at any dpi), the
// drop-down list's arrow, and the push buttons' faces (a glyph button's face
// reaches the screen in the same copy as its glyph).
bool StandardControlsPainted(HWND window) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE), edge = GetSysColor(COLOR_3DDKSHADOW);
    for (const POINT corner : {POINT{120, 3960}, POINT{4680, 3960}, POINT{240, 6300}})   // twips
        if (!DevicePixelIs(window, {MulDiv(corner.x, ScreenDpi(), 1440) + 1, MulDiv(corner.y, ScreenDpi(), 1440) + 1},
                           edge))
            return false;
    const Probe faces[] = {{195, 430, face}, {213, 413, face}, {294, 441, face}, {533, 437, face}};
    for (const Probe& p : faces)
        if (!ScreenPixelIs(window, p.x, p.y, p.colour)) return false;
    return true;
}

// The controls, painted last, are looked at first: until they are on the
// screen a poll reads one pixel, and the polling disturbs the program watched
// as little as it can.
bool ControlsFloorPainted(HWND window) {   // white surface, every control drawn
    return StandardControlsPainted(window) && ScreenPixelIs(window, 2, 2, RGB(255, 255, 255)) &&
           ScreenPixelIs(window, 602, 458, RGB(255, 255, 255));
}

// The final look of each program at a few client points spread over its window;
// all must be on the screen for the first paint to count as complete.
bool BandoraPainted(HWND window) {
    if (!StandardControlsPainted(window)) return false;
    static const Probe kProbes[] = {
        {123, 340, RGB(255, 255, 0)},    // writer, first band Yellow (from "4700")
        {155, 340, RGB(255, 0, 0)},      // writer, multiplier band Red
        {529, 40, RGB(0, 255, 0)},       // four-band reader, tolerance band
        {448, 128, RGB(255, 0, 0)},      // palette Pi, Red swatch
        {120, 112, RGB(192, 64, 0)},     // palette T, Brown swatch
        {376, 336, RGB(128, 64, 0)},     // legend, Brown swatch
    };
    for (const Probe& p : kProbes)
        if (!ScreenPixelIs(window, p.x, p.y, p.colour)) return false;
    return true;
}

bool AllWhite(HWND window, RECT r) {   // r in the window's own pixels
    for (LONG* edge : {&r.left, &r.top, &r.right, &r.bottom}) *edge = MulDiv(*edge, 96, ScreenDpi());
    const POINT points[] = {{r.left + 2, r.top + 2}, {r.right - 3, r.top + 2}, {(r.left + r.right) / 2, (r.top + r.bottom) / 2},
                            {r.left + 2, r.bottom - 3}, {r.right - 3, r.bottom - 3}};
    for (const POINT& p : points)
        if (!ScreenPixelIs(window, p.x, p.y, RGB(255, 255, 255))) return false;
    return true;
}

bool EmptyWindowPainted(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return AllWhite(window, client);
}

bool NotepadPainted(HWND window) {   // its edit area, white
    HWND edit = FindWindowExW(window, nullptr, L"Edit", nullptr);
    if (!edit || !IsWindowVisible(edit)) return false;
    RECT client;
    GetClientRect(edit, &client);
    if (client.right < 8 || client.bottom < 8) return false;
    return AllWhite(edit, client);
}

struct Program {
    const char* name;
    std::wstring path;
    bool (*painted)(HWND);
};

struct Start {
    LARGE_INTEGER created{};   // the clock just before CreateProcess
    double shownMs = 0, paintedMs = 0;
    double peakWorkingSetMiB = 0, privateMiB = 0;
};

struct WindowSearch {
    DWORD process;
    HWND found;
};
BOOL CALLBACK MatchTopWindow(HWND hwnd, LPARAM lp) {
    auto* search = reinterpret_cast<WindowSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(hwnd, &owner);
    if (owner != search->process || !IsWindowVisible(hwnd) || GetWindow(hwnd, GW_OWNER)) return TRUE;
    search->found = hwnd;
    return FALSE;
}
HWND VisibleTopWindowOf(DWORD process) {
    WindowSearch search{process, nullptr};
    EnumWindows(MatchTopWindow, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Wine 8 gives the peak working set of another process (VmHWM of its Linux
// process) but PrivateUsage only as its swap, 0 here. The private memory is
// read from Linux instead, through Wine's Z: drive: a Wine process's Linux
// command line is its Windows one, so the started process is the one whose
// first argument is the program's path and that was not there before.
std::string ReadWholeFile(const std::wstring& path) {
    HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string text;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0) text.append(chunk, got);
    CloseHandle(file);
    return text;
}

// The /proc folders of the Linux processes running `program`.
std::vector<std::wstring> LinuxProcessesOf(const std::wstring& program) {
    const std::string wanted(program.begin(), program.end());   // the paths used here are ASCII
    std::vector<std::wstring> found;
    WIN32_FIND_DATAW entry;
    HANDLE find = FindFirstFileW(L"Z:\\proc\\*", &entry);
    if (find == INVALID_HANDLE_VALUE) return found;
    do {
        if (!iswdigit(entry.cFileName[0])) continue;
        const std::wstring dir = std::wstring(L"Z:\\proc\\") + entry.cFileName + L"\\";
        const std::string arguments = ReadWholeFile(dir + L"cmdline");
        if (_stricmp(arguments.c_str(), wanted.c_str()) == 0) found.push_back(dir);
    } while (FindNextFileW(find, &entry));
    FindClose(find);
    return found;
}

// Private resident memory (unique set size) of the one new process; 0 if unsure.
double PrivateMiB(const std::wstring& program, const std::vector<std::wstring>& before) {
    std::vector<std::wstring> fresh;
    for (const std::wstring& dir : LinuxProcessesOf(program))
        if (std::find(before.begin(), before.end(), dir) == before.end()) fresh.push_back(dir);
    if (fresh.size() != 1) return 0;
    const std::string rollup = ReadWholeFile(fresh[0] + L"smaps_rollup");
    double kib = 0;
    for (const char* field : {"Private_Clean:", "Private_Dirty:"})
        if (const auto at = rollup.find(field); at != std::string::npos)
            kib += std::atof(rollup.c_str() + at + std::strlen(field));
    return kib / 1024.0;
}

constexpr DWORD kSettleMs = 300;

// Starts the program, polls every millisecond for its window and its final
// pixels, reads its memory (or, without `readMemory`, only lets `lingerMs`
// pass), then closes it and waits for it to end.
bool StartOnce(const Program& program, Start& out, bool readMemory = true, DWORD lingerMs = 300) {
    std::wstring command = L"\"" + program.path + L"\"";
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION pi{};
    const std::vector<std::wstring> before = readMemory ? LinuxProcessesOf(program.path) : std::vector<std::wstring>{};
    const LARGE_INTEGER t0 = Now();
    out.created = t0;
    if (!CreateProcessW(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &pi)) {
        std::fprintf(stderr, "cannot start %ls (error %lu)\n", program.path.c_str(), GetLastError());
        return false;
    }
    HWND window = nullptr;
    bool painted = false;
    while (Ms(t0, Now()) < 15000) {
        if (!window && (window = VisibleTopWindowOf(pi.dwProcessId))) out.shownMs = Ms(t0, Now());
        if (window && program.painted(window)) {
            out.paintedMs = Ms(t0, Now());
            painted = true;
            break;
        }
        Sleep(1);
    }
    if (painted && !readMemory) {
        Sleep(lingerMs);
    } else if (painted) {
        Sleep(lingerMs);   // let start-up finish before reading its memory
        PROCESS_MEMORY_COUNTERS memory{};
        memory.cb = sizeof memory;
        if (GetProcessMemoryInfo(pi.hProcess, &memory, sizeof memory))
            out.peakWorkingSetMiB = double(memory.PeakWorkingSetSize) / (1024.0 * 1024.0);
        out.privateMiB = PrivateMiB(program.path, before);
    } else {
        std::fprintf(stderr, "%s: no complete window within 15 s\n", program.name);
    }
    if (window) PostMessageW(window, WM_CLOSE, 0, 0);
    if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) {
        std::fprintf(stderr, "%s: did not end after WM_CLOSE; terminated\n", program.name);
        TerminateProcess(pi.hProcess, 1);
        WaitForSingleObject(pi.hProcess, 5000);
        painted = false;
    }
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    // A Wine process is still being torn down (its Linux process, its X
    // windows) after it has ended for Windows: the next start waits for a
    // quiet machine, as a user's start would find it.
    Sleep(kSettleMs);
    return painted;
}

double FileMiB(const std::wstring& path) {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(path.c_str(), GetFileExInfoStandard, &data)) return 0;
    return double((ULONGLONG(data.nFileSizeHigh) << 32) | data.nFileSizeLow) / (1024.0 * 1024.0);
}

// Starts the programs in turn, `runs` times each after one unmeasured start
// of each that fills the file cache, so any drift of the machine touches all
// of them alike. Each program's starts; none when a start failed.
std::vector<std::vector<Start>> StartInTurn(const std::vector<Program>& programs, int runs) {
    std::vector<std::vector<Start>> starts(programs.size());
    for (int run = -1; run < runs; ++run)
        for (std::size_t i = 0; i < programs.size(); ++i) {
            Start start;
            if (!StartOnce(programs[i], start)) return {};
            if (run >= 0) starts[i].push_back(start);
        }
    return starts;
}

bool MeasureStartUp(int runs) {
    const std::vector<Program> programs = {
        {"empty_window.exe (floor)", Beside(L"empty_window.exe"), EmptyWindowPainted},
        {"controls_floor.exe", Beside(L"controls_floor.exe"), ControlsFloorPainted},
        {"bandora.exe", Beside(L"bandora.exe"), BandoraPainted},
        {"notepad.exe (Wine's)", WindowsFile(L"notepad.exe"), NotepadPainted},
    };
    enum { kEmpty, kControls, kBandora, kNotepad, kCount };
    const std::vector<std::vector<Start>> starts = StartInTurn(programs, runs);
    if (starts.empty()) return false;

    auto column = [&](int i, double Start::*field) {
        std::vector<double> v;
        for (const Start& s : starts[i]) v.push_back(s.*field);
        return v;
    };
    // The spread is given by the 10th and 90th percentiles rather than the
    // extremes: on a shared machine a single start can take several times the
    // usual, and a floor's p90 against Bandora's p90 tells how the slow
    // starts compare.
    std::printf("Start-up, CreateProcess to window (ms), %d runs each: median [p10..p90]\n", runs);
    std::printf("  %-26s %-24s %-24s\n", "program", "window visible", "first complete paint");
    double shownMedian[kCount], shownP90[kCount], paintMedian[kCount], paintP90[kCount];
    for (int i = 0; i < kCount; ++i) {
        const auto shown = column(i, &Start::shownMs), paint = column(i, &Start::paintedMs);
        shownMedian[i] = Median(shown);
        shownP90[i] = Percentile(shown, 0.9);
        paintMedian[i] = Median(paint);
        paintP90[i] = Percentile(paint, 0.9);
        char a[64], b[64];
        std::snprintf(a, sizeof a, "%6.1f [%.1f..%.1f]", shownMedian[i], Percentile(shown, 0.1), shownP90[i]);
        std::snprintf(b, sizeof b, "%6.1f [%.1f..%.1f]", paintMedian[i], Percentile(paint, 0.1), paintP90[i]);
        std::printf("  %-26s %-24s %-24s\n", programs[i].name, a, b);
    }
    const double ratio = paintMedian[kBandora] / paintMedian[kControls];
    std::printf("  ratio of medians: bandora/floor %.2f, notepad/floor %.2f, controls-floor/floor %.2f\n",
                paintMedian[kBandora] / paintMedian[kEmpty], paintMedian[kNotepad] / paintMedian[kEmpty],
                paintMedian[kControls] / paintMedian[kEmpty]);
    std::printf("  window visible: bandora/controls-floor %.2f (medians), %.2f (p90s)\n",
                shownMedian[kBandora] / shownMedian[kControls], shownP90[kBandora] / shownP90[kControls]);
    std::printf("bandora/controls-floor %.2f\n", ratio);
    const double ratioP90 = paintP90[kBandora] / paintP90[kControls];
    std::printf("bandora/controls-floor p90 %.2f\n", ratioP90);
    std::printf("  target: bandora/controls-floor at most 1.00 (medians) and 1.05 (p90s): %s\n\n",
                ratio <= 1.00 && ratioP90 <= 1.05 ? "met" : "NOT met");

    std::printf("Memory after start-up (MiB, median of %d), and file size (MiB)\n", runs);
    std::printf("  %-26s %16s %14s %10s\n", "program", "peak working set", "private (USS)", "file size");
    for (int i = 0; i < kCount; ++i)
        std::printf("  %-26s %16.1f %14.2f %10.2f\n", programs[i].name, Median(column(i, &Start::peakWorkingSetMiB)),
                    Median(column(i, &Start::privateMiB)), FileMiB(programs[i].path));
    std::printf("\n");
    return true;
}

// Builds of the program side by side: each named file (beside the driver)
// and the controls floor start in turn (StartInTurn). For measuring what a start-up
// mechanism saves: the first file is the build with it, the others without.
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
    for (std::size_t i = 0; i < programs.size(); ++i) {
        std::vector<double> paint, uss;
        for (const Start& s : starts[i]) {
            paint.push_back(s.paintedMs);
            uss.push_back(s.privateMiB);
        }
        medians.push_back(Median(paint));
        p90s.push_back(Percentile(paint, 0.9));
        const std::size_t first = programs.size() > 1 ? 1 : 0;
        std::printf("  %-28s %8.1f %8.1f %8.1f %8.2f %12.3f %12.3f\n", programs[i].name, Percentile(paint, 0.1),
                    medians[i], p90s[i], Median(uss), i >= first ? medians[i] / medians[first] : 0.0,
                    i >= first ? p90s[i] / p90s[first] : 0.0);
    }
    std::printf("\n");
    return true;
}

// ---- the click floor -------------------------------------------------------

// The least a click that changes a readout can cost: a bare top-level window
// of our own with one edit box the size of Bandora's four-band readout, in
// the same font, whose handler sets the box's text on the button's release.
// It is clicked as Bandora's window is (the two mouse messages, sent), timed
// as Bandora's click is, and it takes turns with Bandora's clicks.
constexpr const wchar_t* kFloorTexts[2] = {L"19 Ohm   \u00B10.5%", L"29 Ohm   \u00B10.5%"};   // Brown, Red first digit

struct ClickFloor {
    HWND window = nullptr, edit = nullptr;
    HFONT font = nullptr;
    int next = 0;
};
ClickFloor g_floor;

LRESULT CALLBACK ClickFloorProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_LBUTTONUP) {
        SetWindowTextW(g_floor.edit, kFloorTexts[g_floor.next]);
        g_floor.next ^= 1;
        return 0;
    }
    return DefWindowProcW(hwnd, msg, wp, lp);
}

// At the screen's top-left corner, clear of Bandora's centred window, so that
// neither covers the other's readout.
bool CreateClickFloor() {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    WNDCLASSW wc{};
    wc.lpfnWndProc = ClickFloorProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    wc.lpszClassName = L"BandoraClickFloor";
    if (!RegisterClassW(&wc)) return false;
    auto px = [](int twips) { return MulDiv(twips, ScreenDpi(), 1440); };
    g_floor.window = CreateWindowExW(0, wc.lpszClassName, L"Click floor", WS_POPUP | WS_VISIBLE, 0, 0,
                                     px(1935 + 240), px(285 + 240), nullptr, nullptr, instance, nullptr);
    if (!g_floor.window) return false;
    g_floor.edit = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"", WS_CHILD | WS_VISIBLE | ES_LEFT | ES_AUTOHSCROLL,
                                   px(120), px(120), px(1935), px(285), g_floor.window, nullptr, instance, nullptr);
    LOGFONTW lf{};
    lf.lfHeight = -MulDiv(825, ScreenDpi(), 7200);   // Tahoma 8.25, as Bandora's text boxes
    lf.lfWeight = FW_NORMAL;
    lstrcpyW(lf.lfFaceName, L"Tahoma");
    g_floor.font = CreateFontIndirectW(&lf);
    SendMessageW(g_floor.edit, WM_SETFONT, reinterpret_cast<WPARAM>(g_floor.font), FALSE);
    UpdateWindow(g_floor.window);
    return g_floor.edit != nullptr;
}

void DestroyClickFloor() {
    DestroyWindow(g_floor.window);
    DeleteObject(g_floor.font);
}

// ---- the main window in this process ----------------------------------------

// A click in the middle of a picture box, sent to the window that draws it.
void ClickCentre(const platform::Control& box) {
    const RECT r = box.ClientInForm();
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(box.form().hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(box.form().hWnd(), WM_LBUTTONUP, 0, at);
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

void Settle(int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    while (static_cast<LONG>(end - GetTickCount()) > 0) {
        PumpPending();
        Sleep(5);
    }
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

// Enter in the five-band readout: two values in turn (first band Yellow, then
// Brown), from the key as the message loop hands it on to the readout
// rewritten and the bands repainted; the text and the band's pixel are
// checked after. Empty when a value was not written.
std::vector<double> MeasureReadoutEnter(ui::Form1& form, int iterations) {
    HWND readout = form.Item(L"Text3").hWnd();
    const RECT band = form.Item(L"TT").ClientInForm();
    const struct { const wchar_t* typed; const wchar_t* shown; COLORREF first; } kEntries[] = {
        {L"4.75K 1%", L" 4.75K Ohm   \u00B11%", RGB(255, 255, 0)}, {L"100", L"100 Ohm   \u00B11%", RGB(128, 64, 0)}};
    std::vector<double> enter;
    HDC windowDc = GetDC(form.hWnd());
    for (int i = 0; i < iterations; ++i) {
        const auto& entry = kEntries[i % 2];
        SetWindowTextW(readout, entry.typed);
        PumpPending();
        MSG key{readout, WM_KEYDOWN, VK_RETURN, 1, 0, {}};
        const LARGE_INTEGER t0 = Now();
        platform::DispatchWithTab(key);
        UpdateWindow(form.hWnd());
        const LARGE_INTEGER t1 = Now();
        if (TextOf(readout) != entry.shown || GetPixel(windowDc, band.left + 2, band.top + 20) != entry.first) {
            std::fprintf(stderr, "readout Enter %d: \"%ls\" not written\n", i, entry.typed);
            enter.clear();
            break;
        }
        enter.push_back(Ms(t0, t1));
        PumpPending();
    }
    ReleaseDC(form.hWnd(), windowDc);
    return enter;
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

    // Swatch click: Brown and Red of the first-digit palette in turn, so the
    // readout changes every time. Timed to the new text, and on to the moment
    // the readout and the band are repainted. Each is followed by a click on
    // the floor, timed the same way.
    HWND readout = form.Item(L"Text4").hWnd();
    const platform::Control* swatches[2] = {&form.Item(L"Pict", 1), &form.Item(L"Pict", 2)};
    std::vector<double> toText, toPainted, floorToText, floorToPainted;
    for (int i = 0; i < iterations; ++i) {
        const std::wstring before = TextOf(readout);
        const LARGE_INTEGER t0 = Now();
        ClickCentre(*swatches[i % 2]);
        const std::wstring after = TextOf(readout);
        const LARGE_INTEGER t1 = Now();
        UpdateWindow(form.hWnd());
        const LARGE_INTEGER t2 = Now();
        if (after == before || after.empty()) {
            std::fprintf(stderr, "swatch click %d left the readout at \"%ls\"\n", i, after.c_str());
            return false;
        }
        toText.push_back(Ms(t0, t1));
        toPainted.push_back(Ms(t0, t2));
        PumpPending();

        const std::wstring floorBefore = TextOf(g_floor.edit);
        const LPARAM at = MAKELPARAM(40, 20);
        const LARGE_INTEGER f0 = Now();
        SendMessageW(g_floor.window, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageW(g_floor.window, WM_LBUTTONUP, 0, at);
        const std::wstring floorAfter = TextOf(g_floor.edit);
        const LARGE_INTEGER f1 = Now();
        UpdateWindow(g_floor.window);
        const LARGE_INTEGER f2 = Now();
        if (floorAfter == floorBefore) {
            std::fprintf(stderr, "floor click %d left its text at \"%ls\"\n", i, floorAfter.c_str());
            return false;
        }
        floorToText.push_back(Ms(f0, f1));
        floorToPainted.push_back(Ms(f0, f2));
        PumpPending();
    }

    // "Calculate": 4700 and 1000 in turn (first band Yellow, then Brown), timed
    // from BM_CLICK to the repainted bands; the band's pixel is checked after.
    HWND text1 = form.Item(L"Text1").hWnd(), button = form.Item(L"CCal").hWnd();
    const RECT band = form.Item(L"Picture1").ClientInForm();   // drawn on the main window
    const struct { const wchar_t* value; COLORREF first; } kEntries[] = {{L"4700", RGB(255, 255, 0)},
                                                                         {L"1000", RGB(128, 64, 0)}};
    std::vector<double> calculate;
    HDC windowDc = GetDC(form.hWnd());
    for (int i = 0; i < iterations; ++i) {
        const auto& entry = kEntries[i % 2];
        SetWindowTextW(text1, entry.value);
        PumpPending();
        const LARGE_INTEGER t0 = Now();
        SendMessageW(button, BM_CLICK, 0, 0);
        UpdateWindow(form.hWnd());
        const LARGE_INTEGER t1 = Now();
        if (GetPixel(windowDc, band.left + 2, band.top + 20) != entry.first) {
            std::fprintf(stderr, "\"Calculate\" %d: first band not painted for %ls\n", i, entry.value);
            return false;
        }
        calculate.push_back(Ms(t0, t1));
        PumpPending();
    }
    ReleaseDC(form.hWnd(), windowDc);
    const std::vector<double> enter = MeasureReadoutEnter(form, iterations);
    if (enter.empty()) return false;

    std::printf("In-process, %d iterations each (microseconds)\n", iterations);
    std::printf("  %-40s %8s %8s %8s %8s %8s %8s\n", "", "min", "p10", "median", "p90", "p99", "max");
    PrintMicroseconds("swatch click -> readout text set", toText);
    PrintMicroseconds("swatch click -> readout and band painted", toPainted);
    PrintMicroseconds("Calculate -> bands painted", calculate);
    PrintMicroseconds("readout Enter -> bands painted", enter);
    PrintMicroseconds("floor click -> text set", floorToText);
    PrintMicroseconds("floor click -> text painted", floorToPainted);
    std::printf("bandora/click-floor text set %.2f (medians), p10 %.2f, p90 %.2f\n",
                Median(toText) / Median(floorToText), Percentile(toText, 0.1) / Percentile(floorToText, 0.1),
                Percentile(toText, 0.9) / Percentile(floorToText, 0.9));
    std::printf("bandora/click-floor painted %.2f (medians), p10 %.2f, p90 %.2f\n",
                Median(toPainted) / Median(floorToPainted), Percentile(toPainted, 0.1) / Percentile(floorToPainted, 0.1),
                Percentile(toPainted, 0.9) / Percentile(floorToPainted, 0.9));
    std::printf("  target: click to readout below one frame (16 ms = 16000 us): %s\n",
                Percentile(toPainted, 0.99) < 16.0 ? "met (p99)" : "NOT met (p99)");
    DestroyClickFloor();
    form.Unload();
    return true;
}

// ---- the start-up's timeline -------------------------------------------------

// bandora_timeline.exe is the program with its start-up marks compiled in
// (bench/timeline/), and so is controls_floor_timeline.exe: each writes them,
// label and performance counter, to the file named by BANDORA_TIMELINE_FILE
// when it ends. The counter is one clock for all processes under Wine, so the
// marks and this process's own observations (window visible, first complete
// paint on the screen) share one time line starting just before CreateProcess.
struct Moment {
    std::string key;   // the mark's label, " (2)" and on for a repeated one
    double ms;         // since CreateProcess
};

struct TimedStart {
    Start outside;
    std::vector<Moment> moments;   // in time order, the two observations among them

    // The first moment of that key, or with " (last)" after a label the last
    // moment of that label; NaN when there was none.
    double At(const std::string& key) const {
        const std::string last = " (last)";
        if (key.size() > last.size() && key.compare(key.size() - last.size(), last.size(), last) == 0) {
            const std::string label = key.substr(0, key.size() - last.size());
            double at = NAN;
            for (const Moment& m : moments)
                if (m.key == label || m.key.rfind(label + " (", 0) == 0) at = m.ms;
            return at;
        }
        for (const Moment& m : moments)
            if (m.key == key) return m.ms;
        return NAN;
    }
    // The moments whose key begins with `prefix`, before the moment `stop`.
    double CountBefore(const std::string& prefix, const std::string& stop) const {
        int count = 0;
        for (const Moment& m : moments) {
            if (m.key == stop) break;
            if (m.key.rfind(prefix, 0) == 0) ++count;
        }
        return double(count);
    }
    int Count(const std::string& label) const {
        int n = 0;
        for (const Moment& m : moments)
            if (m.key == label || m.key.rfind(label + " (", 0) == 0) ++n;
        return n;
    }
};

constexpr const char* kSeenVisible = "[seen: window visible]";
constexpr const char* kSeenComplete = "[seen: first paint complete]";

bool ReadMarks(const std::wstring& file, LARGE_INTEGER created, TimedStart& run) {
    const std::string text = ReadWholeFile(file);
    if (text.empty()) return false;
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    std::vector<std::pair<std::string, double>> marks;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        const std::string line = text.substr(at, end - at);
        at = end + 1;
        const std::size_t space = line.rfind(' ');
        if (space == std::string::npos) continue;
        const long long ticks = std::atoll(line.c_str() + space + 1);
        marks.emplace_back(line.substr(0, space),
                           double(ticks - created.QuadPart) * 1000.0 / double(frequency.QuadPart));
    }
    marks.emplace_back(kSeenVisible, run.outside.shownMs);
    marks.emplace_back(kSeenComplete, run.outside.paintedMs);
    std::stable_sort(marks.begin(), marks.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    for (const auto& [label, ms] : marks) {
        int seen = 0;
        for (const Moment& m : run.moments)
            if (m.key == label || m.key.rfind(label + " (", 0) == 0) ++seen;
        run.moments.push_back({seen ? label + " (" + std::to_string(seen + 1) + ")" : label, ms});
    }
    return true;
}

std::string LoadAverage() {
    std::string text = ReadWholeFile(L"Z:\\proc\\loadavg");
    int fields = 0;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == ' ' && ++fields == 3) return text.substr(0, i);
    return text;
}

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

// The fastest, median and slowest start (by first complete paint) side by
// side, each moment in ms since CreateProcess with the step from the one
// before it in the same start.
void PrintSideBySide(const std::vector<const TimedStart*>& shown) {
    std::vector<std::pair<std::string, double>> keys;   // key, time to sort by
    for (const TimedStart* run : shown)
        for (const Moment& m : run->moments)
            if (std::none_of(keys.begin(), keys.end(), [&](const auto& k) { return k.first == m.key; })) {
                const double inMedian = shown[1]->At(m.key);
                keys.emplace_back(m.key, std::isnan(inMedian) ? m.ms : inMedian);
            }
    std::stable_sort(keys.begin(), keys.end(), [](const auto& a, const auto& b) { return a.second < b.second; });
    std::printf("  %-30s %-18s %-18s %-18s\n", "moment (ms since CreateProcess)", "fastest", "median", "slowest");
    std::vector<double> previous(shown.size(), 0.0);
    for (const auto& key : keys) {
        std::printf("  %-30s", Described(key.first).c_str());
        for (std::size_t i = 0; i < shown.size(); ++i) {
            const double at = shown[i]->At(key.first);
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
    // One unmeasured start each fills the file cache; then they take turns.
    // Each start lingers 600 ms after its first complete paint, so that the
    // timer 250 ms after showing (OLE Automation's loading) falls inside it.
    for (int run = -1; run < runs; ++run) {
        DeleteFileW(marksFile.c_str());
        TimedStart timed;
        if (!StartOnce(marked, timed.outside, false, 600)) return false;
        if (!ReadMarks(marksFile, timed.outside.created, timed)) {
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
    std::printf("load average %s at the end\n\n", LoadAverage().c_str());

    // Starts ordered by first complete paint.
    std::vector<const TimedStart*> order;
    for (const TimedStart& s : starts) order.push_back(&s);
    std::stable_sort(order.begin(), order.end(),
                     [](const TimedStart* a, const TimedStart* b) { return a->outside.paintedMs < b->outside.paintedMs; });
    const std::size_t n = order.size();
    const std::vector<const TimedStart*> picked{order.front(), order[(n - 1) / 2], order.back()};
    PrintSideBySide(picked);
    // The floor's start that followed each of them: slow too when the
    // machine, not the program, was slow at that moment.
    std::printf("  %-30s", "[floor's next start: complete]");
    for (const TimedStart* run : picked)
        std::printf(" %7.1f            ", floors[static_cast<std::size_t>(run - starts.data())].paintedMs);
    std::printf("\n");

    // Each phase: p10, median and p90 over all starts, then its median in
    // the fastest and in the slowest quarter of the starts: the phase that
    // grows in slow starts is the one whose two quarters differ.
    // The phases up to the first complete paint follow one another: they add
    // up to the total. The rows in brackets are other spans and counts.
    struct Phase { const char* name; std::string from, to; };
    const Phase phases[] = {
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
        {"(Show done -> timer)", "UpdateWindow done (last)", "timer"},
    };
    const std::size_t quarter = std::max<std::size_t>(1, n / 4);
    std::printf("\nPhases (ms): over all %zu starts, and medians of the fastest and slowest %zu (by first complete paint)\n",
                n, quarter);
    std::printf("  %-36s %7s %7s %7s   %8s %8s\n", "phase", "p10", "median", "p90", "fast 1/4", "slow 1/4");
    auto printRow = [&](const char* name, auto value) {
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
    };
    for (const Phase& p : phases)
        printRow(p.name, [&](const TimedStart& s) { return s.At(p.to) - (p.from.empty() ? 0.0 : s.At(p.from)); });
    printRow("(DIB sections made before first paint)", [](const TimedStart& s) { return s.CountBefore("DIB", "paint"); });
    printRow("(messages taken before first idle)", [](const TimedStart& s) { return s.CountBefore("message#", "idle#0"); });
    printRow("(form paints before seen complete)", [](const TimedStart& s) {
        int count = 0;
        for (const Moment& m : s.moments) {
            if (m.key == kSeenComplete) break;
            if (m.key == "paint" || m.key.rfind("paint (", 0) == 0) ++count;
        }
        return double(count);
    });
    printRow("(form paints in all)", [](const TimedStart& s) { return double(s.Count("paint")); });
    // Percentiles would hide a second paint in a few starts: the starts are counted by paints.
    int byPaints[4] = {};
    for (const TimedStart& s : starts) ++byPaints[std::min(s.Count("paint"), 3)];
    std::printf("  starts by form paints: none %d, one %d, two %d, more %d\n", byPaints[0], byPaints[1], byPaints[2],
                byPaints[3]);

    auto column = [](const auto& v, auto field) {
        std::vector<double> out;
        for (const auto& s : v) out.push_back(field(s));
        return out;
    };
    const auto bShown = column(starts, [](const TimedStart& s) { return s.outside.shownMs; });
    const auto bPainted = column(starts, [](const TimedStart& s) { return s.outside.paintedMs; });
    const auto fShown = column(floors, [](const Start& s) { return s.shownMs; });
    const auto fPainted = column(floors, [](const Start& s) { return s.paintedMs; });
    std::printf("\nSeen from outside (ms since CreateProcess): p10 median p90\n");
    std::printf("  %-22s %7.1f %7.1f %7.1f   first complete paint %7.1f %7.1f %7.1f\n", marked.name,
                Percentile(bShown, 0.1), Median(bShown), Percentile(bShown, 0.9), Percentile(bPainted, 0.1),
                Median(bPainted), Percentile(bPainted, 0.9));
    std::printf("  %-22s %7.1f %7.1f %7.1f   first complete paint %7.1f %7.1f %7.1f\n", "controls_floor.exe",
                Percentile(fShown, 0.1), Median(fShown), Percentile(fShown, 0.9), Percentile(fPainted, 0.1),
                Median(fPainted), Percentile(fPainted, 0.9));
    std::printf("  timeline build/controls-floor %.2f (medians), p90 %.2f\n", Median(bPainted) / Median(fPainted),
                Percentile(bPainted, 0.9) / Percentile(fPainted, 0.9));
    // Each Bandora start against the floor's start right after it: if the
    // spread is the machine's, the two rise and fall together.
    std::vector<double> pairRatios;
    for (std::size_t i = 0; i < n; ++i) pairRatios.push_back(bPainted[i] / fPainted[i]);
    double meanB = 0, meanF = 0;
    for (std::size_t i = 0; i < n; ++i) meanB += bPainted[i] / double(n), meanF += fPainted[i] / double(n);
    double cov = 0, varB = 0, varF = 0;
    for (std::size_t i = 0; i < n; ++i) {
        cov += (bPainted[i] - meanB) * (fPainted[i] - meanF);
        varB += (bPainted[i] - meanB) * (bPainted[i] - meanB);
        varF += (fPainted[i] - meanF) * (fPainted[i] - meanF);
    }
    std::printf("  start by start (each with the floor's next): ratio p10 %.2f, median %.2f, p90 %.2f; correlation %.2f\n\n",
                Percentile(pairRatios, 0.1), Median(pairRatios), Percentile(pairRatios, 0.9),
                varB > 0 && varF > 0 ? cov / std::sqrt(varB * varF) : 0.0);
    return true;
}

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
