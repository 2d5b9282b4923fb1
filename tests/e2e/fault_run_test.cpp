// The built program started with one of its calls failing (the heap, which
// operator new draws on, its window class, and what its window is made of:
// child windows, fonts, DCs, DIB sections), at sampled calls of start-up and
// of a session: a swatch click, "Calculate", a tip. Each run must end with
// the window as a working run leaves it, at most after a full repaint, or
// with a box that stays until it is closed, giving the system's words for
// the error, and then that error as the exit code.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>
#include <vector>

#include "support/fault_injection.h"
#include "support/input.h"
#include "support/process.h"

namespace {

using testing_gui::RunningProgram;
using testing_gui::VisibleTopLevelWindows;
using testing_gui::WaitUntil;
using testing_gui::WindowText;

enum Outcome { kKept, kMended, kMessage, kSilentExit, kCrash, kWrong, kOutcomes };
constexpr const char* kOutcomeNames[kOutcomes] = {"kept", "mended", "message", "silent exit", "crash", "wrong"};

HWND WindowOfClass(DWORD process, const wchar_t* windowClass) {
    for (HWND window : VisibleTopLevelWindows(process)) {
        wchar_t name[32] = {};
        GetClassNameW(window, name, 32);
        if (lstrcmpW(name, windowClass) == 0) return window;
    }
    return nullptr;
}

bool Ended(const RunningProgram& program) { return WaitForSingleObject(program.Handle(), 0) == WAIT_OBJECT_0; }

// Waits until `ready`, or until the program shows a message box or ends.
bool Await(RunningProgram& program, const std::function<bool()>& ready, int ms = 3000) {
    return WaitUntil([&] { return ready() || WindowOfClass(program.Id(), L"#32770") || Ended(program); }, ms) && ready();
}

// The client area of `window` as the screen shows it.
std::vector<COLORREF> Capture(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    POINT corner{0, 0};
    ClientToScreen(window, &corner);
    HDC screen = GetDC(nullptr);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < r.bottom; y += 2)   // every other row and column: enough to see a missing part
        for (int x = 0; x < r.right; x += 2) pixels.push_back(GetPixel(screen, corner.x + x, corner.y + y));
    ReleaseDC(nullptr, screen);
    return pixels;
}

HWND CalculateButton(HWND window) {
    for (HWND child = FindWindowExW(window, nullptr, L"Button", nullptr); child;
         child = FindWindowExW(window, child, L"Button", nullptr))
        if (WindowText(child).find(L"Calculate") != std::wstring::npos) return child;
    return nullptr;
}

// The steps of a session, each after the last; false when the program
// stopped (a message box, or its end) before the step was done.
bool Step(RunningProgram& program, int step, HWND& window) {
    switch (step) {
    case 0: return Await(program, [&] { return (window = program.FindMainWindow(0)) != nullptr; }, 10000);
    case 1: return testing_gui::RealClick(window, POINT{448, 128}) &&   // palette Pi, Red
                   Await(program, [&] { return testing_gui::ScreenPixel(window, 444, 40) == RGB(255, 0, 0); });
    case 2: {
        HWND calculate = CalculateButton(window);
        HWND value = FindWindowExW(window, nullptr, L"Edit", nullptr);
        DWORD_PTR ignored = 0;
        SendMessageTimeoutW(value, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"330"), SMTO_ABORTIFHUNG, 2000, &ignored);
        return calculate && PostMessageW(calculate, BM_CLICK, 0, 0) &&
               Await(program, [&] { return testing_gui::ScreenPixel(window, 123, 340) == RGB(255, 128, 0); });
    }
    default: {
        POINT over{448, 112};   // palette Pi, Brown
        ClientToScreen(window, &over);
        SetCursorPos(over.x, over.y);
        const bool shown = Await(program, [&] { return WindowOfClass(program.Id(), L"tooltips_class32") != nullptr; });
        SetCursorPos(0, 0);
        return shown && Await(program, [&] { return !WindowOfClass(program.Id(), L"tooltips_class32"); });
    }
    }
}
constexpr int kSteps = 4;
constexpr const char* kStepNames[kSteps] = {"start-up", "swatch click", "Calculate", "tip"};

std::wstring Trimmed(std::wstring text) {
    text.erase(text.find_last_not_of(L"\r\n ") + 1);
    return text;
}

std::wstring SystemText(DWORD error) {
    wchar_t text[512] = {};
    FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text, 512, nullptr);
    return Trimmed(text);
}

// The last error the failing call leaves, as the injection sets it.
DWORD ErrorOf(const std::string& function) {
    for (const testing_gui::FailingFunction& failing : testing_gui::FailingFunctions())
        if (function == failing.name) return failing.error;
    return ERROR_NOT_ENOUGH_MEMORY;   // the heap
}

// A box counts only if it is still there a second later, so that it can be
// read. Out of memory, the box is system modal: it stays above every window.
Outcome Ending(RunningProgram& program, const std::string& function) {
    HWND box = WindowOfClass(program.Id(), L"#32770");
    const bool read = box && !WaitUntil([&] { return !IsWindowVisible(box); }, 1000) &&
                      (function != "malloc" || (GetWindowLongW(box, GWL_EXSTYLE) & WS_EX_TOPMOST));
    bool said = false;
    for (HWND child = box ? FindWindowExW(box, nullptr, L"Static", nullptr) : nullptr; child;
         child = FindWindowExW(box, child, L"Static", nullptr))
        said = said || Trimmed(WindowText(child)) == SystemText(ErrorOf(function));
    if (box) PostMessageW(box, WM_COMMAND, IDOK, 0);
    DWORD code = 0;
    WaitForSingleObject(program.Handle(), 5000);
    GetExitCodeProcess(program.Handle(), &code);
    if (box) return read && said && code == ErrorOf(function) ? kMessage : kWrong;
    return code == STILL_ACTIVE ? kWrong : code >= 0xC0000000 ? kCrash : kSilentExit;
}

Outcome Judge(RunningProgram& program, HWND window, const std::vector<COLORREF>& reference) {
    if (WaitUntil([&] { return Capture(window) == reference; }, 1500)) return kKept;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    if (WaitUntil([&] { return Capture(window) == reference; }, 3000)) return kMended;
    return kWrong;
}

Outcome FailingRun(const char* function, long failAt, const std::vector<COLORREF>& reference) {
    RunningProgram program(function, failAt);
    if (program.FaultCalls() < 0) return kWrong;
    HWND window = nullptr;
    for (int step = 0; step < kSteps; ++step)
        if (!Step(program, step, window)) return Ending(program, function);
    const Outcome outcome = Judge(program, window, reference);
    program.CloseAndWait(window);
    return outcome;
}

// Calls of `function` by the end of each step of a session none fails, and
// the window at the end.
struct Working {
    std::vector<long> callsAfter;
    std::vector<COLORREF> picture;
};
Working WorkingRun(const char* function) {
    Working run;
    RunningProgram program(function, 0);
    HWND window = nullptr;
    for (int step = 0; step < kSteps; ++step) {
        EXPECT_TRUE(Step(program, step, window)) << kStepNames[step];
        run.callsAfter.push_back(program.FaultCalls());
    }
    run.picture = Capture(window);
    program.CloseAndWait(window);
    return run;
}

// The first three calls of a step, its middle one and its last. The first
// two allocations of all are the C runtime's copy of the command line, made
// before the program's own code runs and used unchecked (it writes through
// the pointer it got): a failure there is outside the program's reach.
std::vector<long> Sampled(long from, long to) {
    std::vector<long> calls;
    for (long n : {from + 1, from + 2, from + 3, (from + to + 1) / 2, to})
        if (n > from && n <= to && (calls.empty() || n > calls.back())) calls.push_back(n);
    return calls;
}

TEST(FaultRun, EverySingleFaultEndsHonestly) {
    for (const char* function :
         {"RegisterClassExW", "malloc", "CreateWindowExW", "CreateFontIndirectW", "CreateCompatibleDC", "CreateDIBSection"}) {
        const Working working = WorkingRun(function);
        ASSERT_EQ(working.callsAfter.size(), static_cast<std::size_t>(kSteps));
        long from = std::string(function) == "malloc" ? 2 : 0;
        for (int step = 0; step < kSteps; ++step) {
            int tally[kOutcomes] = {};
            std::string wrong;
            for (long n : Sampled(from, working.callsAfter[static_cast<std::size_t>(step)])) {
                const Outcome outcome = FailingRun(function, n, working.picture);
                ++tally[outcome];
                if (outcome >= kSilentExit) wrong += " " + std::to_string(n) + " (" + kOutcomeNames[outcome] + ")";
            }
            from = working.callsAfter[static_cast<std::size_t>(step)];
            std::printf("%-17s %-13s kept %d  mended %d  message %d  silent exit %d  crash %d  wrong %d\n", function,
                        kStepNames[step], tally[kKept], tally[kMended], tally[kMessage], tally[kSilentExit],
                        tally[kCrash], tally[kWrong]);
            std::fflush(stdout);
            EXPECT_EQ(wrong, "") << function << " failing during " << kStepNames[step];
        }
    }
}

}  // namespace
