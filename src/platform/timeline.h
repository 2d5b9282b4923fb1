// Start-up marks for the benchmark's timeline build (bandora_timeline.exe,
// compiled with BANDORA_TIMELINE): each mark keeps a label and the
// performance counter in a fixed array, with no allocation and no I/O, so that
// marking changes the start-up it observes as little as possible. The marks
// are written out once, when the program ends, to the file named by the
// environment variable BANDORA_TIMELINE_FILE, one line per mark: label, then
// counter ticks. The performance counter is one clock for every process under
// Wine, so the benchmark puts the marks on its own time line.
//
// In every other build the macros are empty: the program is the same bytes.
//   BANDORA_MARK("label")            a moment
//   BANDORA_MARK_N("label", n)       a moment of item n (written "label#n")
//   BANDORA_MARK_IDLE()              the message queue empty (the first few times)
//   BANDORA_MARK_TAKEN(msg)          a message the loop took (before the first
//                                    idle moment, and each that ends one)
//   BANDORA_TIMELINE_WRITE()         writes the marks out
#pragma once

#ifdef BANDORA_TIMELINE

#include <windows.h>

#include <cstdio>

namespace platform::timeline {

struct Mark {
    const char* label;   // a string literal: never copied
    int item;            // -1 for none
    LONGLONG ticks;
};

inline constexpr LONG kCapacity = 256;
inline Mark g_marks[kCapacity];
inline LONG g_count = 0;   // may pass kCapacity: the marks beyond are dropped

// Pictures may be drawn on another thread: the slot is taken atomically.
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

}  // namespace platform::timeline

#define BANDORA_MARK(label) ::platform::timeline::Record(label, -1)
#define BANDORA_MARK_N(label, n) ::platform::timeline::Record(label, static_cast<int>(n))
#define BANDORA_MARK_IDLE() ::platform::timeline::Idle()
#define BANDORA_MARK_TAKEN(msg) ::platform::timeline::Taken(msg)
#define BANDORA_TIMELINE_WRITE() ::platform::timeline::Write()

#else

#define BANDORA_MARK(label) ((void)0)
#define BANDORA_MARK_N(label, n) ((void)0)
#define BANDORA_MARK_IDLE() ((void)0)
#define BANDORA_MARK_TAKEN(msg) ((void)0)
#define BANDORA_TIMELINE_WRITE() ((void)0)

#endif
