// The timeline build's marks: each keeps a label and the performance counter
// in a fixed array, with no allocation and no I/O, so that marking changes the
// start-up it observes as little as possible. They are written out once, when
// the program ends, to the file named by the environment variable
// BANDORA_TIMELINE_FILE, one line per mark: label (with "#item" when it has
// one), then counter ticks. The performance counter is one clock for every
// process under Wine, so the benchmark puts the marks on its own time line.
#pragma once

#include <windows.h>

#include <cstdio>

namespace timeline {

struct Mark {
    const char* label;   // a string literal: never copied
    int item;            // -1 for none
    LONGLONG ticks;
};

inline constexpr LONG kCapacity = 256;
inline Mark g_marks[kCapacity];
inline LONG g_count = 0;   // may pass kCapacity: the marks beyond are dropped

// The slot is taken atomically, so a mark is safe from any thread.
inline void Record(const char* label, int item) {
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    const LONG slot = InterlockedIncrement(&g_count) - 1;
    if (slot < kCapacity) g_marks[slot] = {label, item, now.QuadPart};
}

// The message loop's idle moments: the queue empty, the thread about to wait.
// Asked with PeekMessage, which on an empty queue does what GetMessage does
// before it waits (Wine copies the windows' pending drawing to the X server
// then) and nothing else. GetQueueStatus would not do: it copies the drawing
// whenever the X server has no events waiting, even with messages queued,
// earlier than the program itself would. Only the first few are kept.
inline int g_idles = 0;
inline bool g_waiting = false;
inline void Idle() {
    if (g_idles >= 8) return;
    MSG msg;
    if (PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) return;
    Record("idle", g_idles++);
    g_waiting = true;
}
// Each message the loop takes before its first idle moment, then the one
// that ends each idle moment marked: label "message", item its number.
inline void Taken(const MSG& msg) {
    if (g_idles > 0 && !g_waiting) return;
    g_waiting = false;
    Record("message", static_cast<int>(msg.message));
}

inline void Write() {
    wchar_t path[MAX_PATH];
    const DWORD length = GetEnvironmentVariableW(L"BANDORA_TIMELINE_FILE", path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH) return;
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return;
    const LONG count = g_count < kCapacity ? g_count : kCapacity;
    for (LONG i = 0; i < count; ++i) {
        char line[96];
        const Mark& m = g_marks[i];
        const int n = m.item >= 0 ? std::snprintf(line, sizeof line, "%s#%d %lld\n", m.label, m.item, m.ticks)
                                  : std::snprintf(line, sizeof line, "%s %lld\n", m.label, m.ticks);
        DWORD written = 0;
        if (n > 0) WriteFile(file, line, static_cast<DWORD>(n < int(sizeof line) ? n : int(sizeof line) - 1), &written, nullptr);
    }
    CloseHandle(file);
}

}  // namespace timeline
