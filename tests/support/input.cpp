#include "support/input.h"

#include <cstdlib>
#include <vector>

namespace testing_gui {
namespace {

// SendInput's absolute coordinates run from 0 to 65535 across the primary
// screen; the system maps them back with a floor, so round up here.
LONG Normalised(int pixel, int extent) {
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent);
}

std::wstring ClassOf(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring Trimmed(std::wstring text) {
    const auto first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return std::wstring();
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

std::wstring TextOf(HWND window) {
    wchar_t text[256] = {};
    DWORD_PTR copied = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, 256, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG, 5000, &copied);
    return text;
}

// Direct children only: EnumChildWindows also walks the grandchildren.
std::vector<HWND> Children(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

}  // namespace

bool RealClick(HWND window, POINT at) {
    ClientToScreen(window, &at);
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    INPUT inputs[3] = {};
    for (INPUT& input : inputs) {
        input.type = INPUT_MOUSE;
        input.mi.dx = Normalised(at.x, width);
        input.mi.dy = Normalised(at.y, height);
    }
    inputs[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    inputs[1].mi.dwFlags = MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_ABSOLUTE;
    inputs[2].mi.dwFlags = MOUSEEVENTF_LEFTUP | MOUSEEVENTF_ABSOLUTE;
    // The button goes down where the cursor is: under Wine the move can still
    // be on its way to the display when the press arrives, and a press sent at
    // once may land where the cursor was. So the press waits for the cursor.
    if (SendInput(1, &inputs[0], sizeof(INPUT)) != 1) return false;
    const bool arrived = WaitUntil([&] {
        POINT cursor{};
        return GetCursorPos(&cursor) && cursor.x == at.x && cursor.y == at.y;
    }, 2000);
    // And it goes down on the target only: a tip or a balloon shown over the
    // point, or a window not yet lowered, would take the press. A tip goes
    // once the pointer has moved; a window that stays on top fails the click.
    const bool reachable = arrived && WaitUntil([&] {
        HWND under = WindowFromPoint(at);
        return under == window || IsChild(window, under);
    }, 3000);
    return reachable && SendInput(2, &inputs[1], sizeof(INPUT)) == 2;
}

bool RealClickMiddle(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return RealClick(window, POINT{client.right / 2, client.bottom / 2});
}

RECT RectInParent(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    MapWindowPoints(nullptr, GetParent(window), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

HWND FindChild(HWND parent, const wchar_t* className, POINT at) {
    HWND best = nullptr;
    int bestDistance = 3;
    for (HWND child : Children(parent)) {
        if (lstrcmpiW(ClassOf(child).c_str(), className) != 0) continue;
        const RECT r = RectInParent(child);
        const int dx = std::abs(r.left - at.x), dy = std::abs(r.top - at.y);
        if (dx > 1 || dy > 1) continue;
        if (dx + dy < bestDistance) {
            best = child;
            bestDistance = dx + dy;
        }
    }
    return best;
}

HWND FindChildByText(HWND parent, const wchar_t* className, const std::wstring& text) {
    for (HWND child : Children(parent))
        if (lstrcmpiW(ClassOf(child).c_str(), className) == 0 && Trimmed(TextOf(child)) == text) return child;
    return nullptr;
}

namespace {
struct TopLevelSearch {
    DWORD process;
    std::vector<HWND> found;
};
BOOL CALLBACK CollectTopLevel(HWND window, LPARAM lp) {
    auto* search = reinterpret_cast<TopLevelSearch*>(lp);
    DWORD owner = 0;
    GetWindowThreadProcessId(window, &owner);
    if (owner == search->process && IsWindowVisible(window)) search->found.push_back(window);
    return TRUE;
}
}  // namespace

std::vector<HWND> VisibleTopLevelWindows(DWORD processId) {
    TopLevelSearch search{processId, {}};
    EnumWindows(CollectTopLevel, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

bool WaitUntil(const std::function<bool()>& done, int ms) {
    const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
    for (;;) {
        if (done()) return true;
        if (static_cast<LONG>(end - GetTickCount()) <= 0) return done();
        Sleep(20);
    }
}

bool Settle(HWND window, int ms) {
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    HANDLE handle = OpenProcess(SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, process);
    if (!handle) return false;
    // Idle once its input is all taken and it waits for more; then its
    // window answers once what that input sent it is done.
    const bool idle = WaitForInputIdle(handle, static_cast<DWORD>(ms)) == 0;
    CloseHandle(handle);
    DWORD_PTR result = 0;
    return idle && SendMessageTimeoutW(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, static_cast<UINT>(ms), &result) != 0;
}

bool RealType(const std::wstring& text, WORD key) {
    std::vector<INPUT> inputs;
    for (wchar_t c : text)
        for (DWORD up : {0ul, static_cast<unsigned long>(KEYEVENTF_KEYUP)}) {
            INPUT input{};
            input.type = INPUT_KEYBOARD;
            input.ki.wScan = c;
            input.ki.dwFlags = KEYEVENTF_UNICODE | up;
            inputs.push_back(input);
        }
    for (DWORD up : {0ul, static_cast<unsigned long>(KEYEVENTF_KEYUP)}) {
        if (!key) break;
        INPUT input{};
        input.type = INPUT_KEYBOARD;
        input.ki.wVk = key;
        input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
        input.ki.dwFlags = up;
        inputs.push_back(input);
    }
    return SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT)) == inputs.size();
}

}  // namespace testing_gui
