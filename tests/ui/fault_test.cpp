// One call to Windows failing, as it fails when the handles or the memory run
// out, at each sampled call of start-up and of a swatch click, "Calculate", a
// readout Enter and a tip: the window must keep working, be put right by a
// full repaint, or not start at all having released everything it made.
#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "glyph/function.h"
#include "glyph/glyph_pixels.h"
#include "support/fault_injection.h"
#include "support/form_fixture.h"

namespace {

using testing_gui::InjectedFault;

enum class Outcome { Kept, Mended, Stopped, Wrong };

// The whole client area of a window, its children included, as the screen
// shows it; with no focus, so that no blinking caret is read.
std::vector<COLORREF> Capture(HWND window) {
    SetFocus(nullptr);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    testing_gui::DispatchWaiting();
    return glyph_test::ReadClient(window).rgb;
}

void FullRepaint(HWND window) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

// What a user does: the first click on a form already shown, or its start.
struct Action {
    const char* name;
    bool startUp;
    std::function<void(ui::Form1&)> run;
};

void KeyOn(ui::Form1& form, const wchar_t* box, UINT key) {
    HWND edit = form.Item(box).hWnd();
    SetFocus(edit);
    MSG down{edit, WM_KEYDOWN, key, 1, 0, {}};
    platform::DispatchWithTab(down);
}

const Action kActions[] = {
    {"start-up", true, [](ui::Form1&) {}},
    {"swatch click", false, [](ui::Form1& f) { testing_gui::Click(f.Item(L"Pict", 4)); }},
    {"Calculate", false,
     [](ui::Form1& f) {
         SetWindowTextW(f.Item(L"Text1").hWnd(), L"330");
         SendMessageW(f.Item(L"CCal").hWnd(), BM_CLICK, 0, 0);
     }},
    {"readout Enter", false,
     [](ui::Form1& f) {
         SetWindowTextW(f.Item(L"Text3").hWnd(), L"4.75k 1%");
         KeyOn(f, L"Text3", VK_RETURN);
     }},
    {"tip", false,
     [](ui::Form1& f) {
         const RECT r = f.Item(L"Pict", 2).ClientInForm();
         SendMessageW(f.hWnd(), WM_MOUSEMOVE, 0, MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2));
     }},
};

// After any of the actions: "Calculate" and a readout still write their bands.
void StillWorks(ui::Form1& f) {
    SetWindowTextW(f.Item(L"Text1").hWnd(), L"68000");
    SendMessageW(f.Item(L"CCal").hWnd(), BM_CLICK, 0, 0);
    SetWindowTextW(f.Item(L"Text4").hWnd(), L"2.2K 2%");
    KeyOn(f, L"Text4", VK_RETURN);
}

struct Picture {
    std::vector<COLORREF> acted, after;   // after the action; after StillWorks
    bool operator==(const Picture&) const = default;
};

// Buttons destroyed while still glyph buttons, their subclass and its
// properties in place: what a failed load left of its Form_Load.
int g_glyphsDestroyed = 0;
LRESULT CALLBACK CountGlyphsDestroyed(int code, WPARAM wp, LPARAM lp) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code == HC_ACTION && sent->message == WM_DESTROY && GetPropW(sent->hwnd, glyph::kPreviousProc))
        ++g_glyphsDestroyed;
    return CallNextHookEx(nullptr, code, wp, lp);
}

// The start of a form, with `fault` armed during the action only; false when
// the form did not start.
struct Started {
    std::unique_ptr<ui::Form1> form;
    bool started = false;
};

Started Start(const Action& action, const char* function, int failAt, int& calls) {
    Started run;
    std::unique_ptr<InjectedFault> fault;
    if (action.startUp && function) fault = std::make_unique<InjectedFault>(function, failAt);
    run.form = std::make_unique<ui::Form1>();
    g_glyphsDestroyed = 0;
    HHOOK watch = SetWindowsHookExW(WH_CALLWNDPROC, CountGlyphsDestroyed, nullptr, GetCurrentThreadId());
    run.started = run.form->Show();
    UnhookWindowsHookEx(watch);
    testing_gui::DispatchWaiting();
    if (!action.startUp && run.started) {
        if (function) fault = std::make_unique<InjectedFault>(function, failAt);
        action.run(*run.form);
        RedrawWindow(run.form->hWnd(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        testing_gui::DispatchWaiting();
    }
    calls = fault ? fault->Calls() : 0;
    return run;
}

// A glyph button whose glyph could not be set up is a plain button, which
// works as the glyph button does: its pixels are left out of the comparison.
void LeaveOutPlainButtons(const ui::Form1& form, Picture& seen, Picture& reference) {
    const RECT client = testing_gui::ClientRectOf(form.hWnd());
    for (const wchar_t* name : {L"CCal", L"CAb"}) {
        HWND button = form.Item(name).hWnd();
        if (GetPropW(button, glyph::kGlyphBox)) continue;
        const RECT r = testing_gui::RectInParent(button);
        for (auto* picture : {&seen, &reference})
            for (auto* pixels : {&picture->acted, &picture->after})
                for (int y = r.top; y < r.bottom; ++y)
                    for (int x = r.left; x < r.right; ++x) (*pixels)[y * client.right + x] = 0;
    }
}

Outcome Judge(Started& run, Picture reference, int gdiBefore) {
    if (!run.started) {   // released by the failed load itself, with the form still there
        testing_gui::DispatchWaiting();
        const bool released = testing_gui::WindowCount() == 0 && testing_gui::GdiObjectCount() <= gdiBefore &&
                              g_glyphsDestroyed == 0;
        return run.form->LoadError() && released ? Outcome::Stopped : Outcome::Wrong;
    }
    Picture seen;
    seen.acted = Capture(run.form->hWnd());
    seen.after = reference.after;
    LeaveOutPlainButtons(*run.form, seen, reference);
    const bool asItWas = seen.acted == reference.acted;
    FullRepaint(run.form->hWnd());
    seen.acted = Capture(run.form->hWnd());
    StillWorks(*run.form);
    FullRepaint(run.form->hWnd());
    seen.after = Capture(run.form->hWnd());
    LeaveOutPlainButtons(*run.form, seen, reference);
    if (!(seen == reference)) return Outcome::Wrong;
    return asItWas ? Outcome::Kept : Outcome::Mended;
}

Picture ReferenceOf(const Action& action) {
    int calls = 0;
    Started run = Start(action, nullptr, 0, calls);
    Picture picture;
    picture.acted = Capture(run.form->hWnd());
    StillWorks(*run.form);
    FullRepaint(run.form->hWnd());
    picture.after = Capture(run.form->hWnd());
    return picture;
}

// Every call up to the eighth, then from 16 on each power of two, the call
// after it and the one half-way to the next: the first calls make what
// lasts, the later ones repeat the same paints.
bool Sampled(int n) {
    if (n <= 8) return true;
    for (int p = 16; p <= (1 << 16); p *= 2)
        if (n == p || n == p + 1 || n == p * 3 / 2) return true;
    return false;
}

// The runs share the screen with no other test's window: the pixels read
// back must be the window's alone.
class FaultTest : public ::testing::Test {};

struct Tally {
    int runs = 0, kept = 0, mended = 0, stopped = 0, wrong = 0;
    std::string wrongAt;
};

ALONE_TEST_F(FaultTest, EverySingleFaultEndsHonestly) {
    for (const Action& action : kActions) {
        const Picture reference = ReferenceOf(action);
        for (const testing_gui::FailingFunction& function : testing_gui::FailingFunctions()) {
            Tally tally;
            for (int n = 1; n <= (1 << 16); ++n) {
                if (!Sampled(n)) continue;
                int calls = 0;
                const int gdiBefore = testing_gui::GdiObjectCount();
                Started run = Start(action, function.name, n, calls);
                if (calls < n) break;   // the action makes fewer calls: nothing failed
                const Outcome outcome = Judge(run, reference, gdiBefore);
                ++tally.runs;
                (outcome == Outcome::Kept ? tally.kept : outcome == Outcome::Mended ? tally.mended
                 : outcome == Outcome::Stopped ? tally.stopped : tally.wrong)++;
                if (outcome == Outcome::Wrong) tally.wrongAt += " " + std::to_string(n);
                run.form.reset();
                testing_gui::DispatchWaiting();
            }
            if (!tally.runs) continue;
            std::printf("%-14s %-22s runs %3d  kept %3d  mended %3d  stopped %3d  wrong %3d%s\n", action.name,
                        function.name, tally.runs, tally.kept, tally.mended, tally.stopped, tally.wrong,
                        tally.wrongAt.c_str());
            std::fflush(stdout);
            EXPECT_EQ(tally.wrong, 0) << action.name << ", " << function.name << " failing at call" << tally.wrongAt;
        }
    }
}

// OLE Automation is loaded when a readout first needs it, and stays loaded:
// where an earlier test of the process loaded it, no load is left to fail.
// So the body runs in a process of its own, this executable started again
// by GoogleTest for this test alone, where nothing has loaded it. Without
// it, a readout shows the same text, or refuses the value with a balloon
// and changes nothing.
void ReadoutsWithoutOleAutomation() {
    ui::Form1 form;
    ASSERT_TRUE(form.Show());
    InjectedFault fault("LoadLibraryExW", 1);
    ASSERT_TRUE(fault.Armed());
    HWND readout = form.Item(L"Text3").hWnd();
    SetWindowTextW(readout, L"4.75k 1%");
    KeyOn(form, L"Text3", VK_RETURN);
    testing_gui::DispatchWaiting();
    ASSERT_TRUE(fault.Fired()) << "OLE Automation was loaded before";
    const std::wstring text = testing_gui::WindowText(readout);
    if (text == L"4.75k 1%") EXPECT_TRUE(form.BalloonWindow() && IsWindowVisible(form.BalloonWindow()));
    else EXPECT_EQ(text, L" 4.75K Ohm   \u00B11%");
    // The four-band reader from White, White, Black, Green.
    testing_gui::Click(form.Item(L"P", 11));
    EXPECT_EQ(testing_gui::WindowText(form.Item(L"Text4").hWnd()), L"9.9 Ohm   \u00B10.5%");
    testing_gui::Click(form.Item(L"P", 4));
    EXPECT_EQ(testing_gui::WindowText(form.Item(L"Text4").hWnd()), L" 990K Ohm   \u00B10.5%");
}

// Runs `body` and ends the process, with status 1 if it failed. GoogleTest
// prints nothing of a failure in such a process of its own, but shows what
// the process wrote to stderr when it ends otherwise than expected: the
// failures are written there.
[[noreturn]] void ExitWithFailuresOf(void (*body)()) {
    testing::TestPartResultArray results;
    {
        const testing::ScopedFakeTestPartResultReporter catching(
            testing::ScopedFakeTestPartResultReporter::INTERCEPT_ONLY_CURRENT_THREAD, &results);
        body();
    }
    int failures = 0;
    for (int i = 0; i < results.size(); ++i) {
        const testing::TestPartResult& result = results.GetTestPartResult(i);
        if (!result.failed()) continue;
        ++failures;
        std::fprintf(stderr, "%s:%d: %s\n", result.file_name() ? result.file_name() : "?", result.line_number(),
                     result.message());
    }
    std::fflush(stderr);
    std::exit(failures ? 1 : 0);
}

TEST_F(FaultTest, ReadoutsWithoutOleAutomation) {
    EXPECT_EXIT(ExitWithFailuresOf(ReadoutsWithoutOleAutomation), testing::ExitedWithCode(0), "");
}

}  // namespace
