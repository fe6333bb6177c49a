// Times a click run of the default 7 x 5 grid on the click recorder, for the
// program's own click path and for reference compositions, and counts where
// every click landed.
//
// Usage: click_bench [runs]     (default 30)
// Every row reports the median microseconds per click over the runs (the time
// to inject the run's clicks; delivery is not waited for), how many clicks
// landed exactly on their points, in order, and whether the pointer came back.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "pointer/click.h"
#include "support/click_recorder.h"
#include "support/input.h"

namespace {

using e2e::ClickRecorder;

constexpr int kColumns = 7, kRows = 5, kXSpacing = 150, kYSpacing = 33;
constexpr POINT kFirstPoint{10, 20};  // client offsets of the first grid point
constexpr POINT kHome{40, 40};        // where the pointer rests between clicks

// One run's clicks, as the grid click command makes them: the client origin, then column by column.
std::vector<POINT> runPoints() {
    std::vector<POINT> points{{0, 0}};
    for (int i = 0; i < kColumns; ++i) {
        for (int j = 0; j < kRows; ++j) points.push_back({kFirstPoint.x + i * kXSpacing, kFirstPoint.y + j * kYSpacing});
    }
    return points;
}

int normalized(int pixel, int start, int extent) {  // the same mapping the program uses, written out
    const long long offset = std::clamp<long long>(pixel, start, start + extent - 1) - start;
    return static_cast<int>(offset * 65536 / extent + 1);
}

INPUT mouseInput(int x, int y, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = x;
    input.mi.dy = y;
    input.mi.dwFlags = flags;
    return input;
}

struct Desktop {
    int left, top, width, height;
};

Desktop readDesktop() {
    return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

constexpr DWORD kAbsolute = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK;

// A composition makes one whole run of clicks on `target`.
using Composition = std::function<void(HWND target, const std::vector<POINT>& points)>;

void programPath(HWND target, const std::vector<POINT>& points) {
    const ClickRun run = beginClickRun();
    for (const POINT& p : points) clickAt(run, target, p.x, p.y);
}

// Exactly the platform calls of the program's path, with nothing around them.
void bareLoop(HWND target, const std::vector<POINT>& points) {
    POINT home{0, 0};
    GetCursorPos(&home);
    const Desktop desk = readDesktop();
    const DWORD buttons = GetSystemMetrics(SM_SWAPBUTTON) ? MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP
                                                          : MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
    for (const POINT& p : points) {
        POINT base{0, 0};
        ClientToScreen(target, &base);
        INPUT inputs[2] = {
            mouseInput(normalized(base.x + p.x, desk.left, desk.width), normalized(base.y + p.y, desk.top, desk.height),
                       kAbsolute | buttons),
            mouseInput(normalized(home.x, desk.left, desk.width), normalized(home.y, desk.top, desk.height), kAbsolute),
        };
        SendInput(2, inputs, sizeof(INPUT));
        SetCursorPos(home.x, home.y);
    }
}

// The program's composition less its final SetCursorPos: the move back only
// travels in the injection.
void withoutFinalWarp(HWND target, const std::vector<POINT>& points) {
    POINT home{0, 0};
    GetCursorPos(&home);
    const Desktop desk = readDesktop();
    for (const POINT& p : points) {
        POINT base{0, 0};
        ClientToScreen(target, &base);
        INPUT inputs[2] = {
            mouseInput(normalized(base.x + p.x, desk.left, desk.width), normalized(base.y + p.y, desk.top, desk.height),
                       kAbsolute | MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP),
            mouseInput(normalized(home.x, desk.left, desk.width), normalized(home.y, desk.top, desk.height), kAbsolute),
        };
        SendInput(2, inputs, sizeof(INPUT));
    }
}

// The least that still carries the position: one injection per click, no way back.
void singleInjection(HWND target, const std::vector<POINT>& points) {
    const Desktop desk = readDesktop();
    for (const POINT& p : points) {
        POINT base{0, 0};
        ClientToScreen(target, &base);
        INPUT input = mouseInput(normalized(base.x + p.x, desk.left, desk.width),
                                 normalized(base.y + p.y, desk.top, desk.height),
                                 kAbsolute | MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP);
        SendInput(1, &input, sizeof(INPUT));
    }
}

// Move, press wherever the pointer is, move back: the press races the moves.
void literalSequence(HWND target, const std::vector<POINT>& points) {
    for (const POINT& p : points) {
        POINT saved{0, 0};
        GetCursorPos(&saved);
        POINT base{0, 0};
        ClientToScreen(target, &base);
        SetCursorPos(base.x + p.x, base.y + p.y);
        mouse_event(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, p.x, p.y, 0, 0);
        SetCursorPos(saved.x, saved.y);
    }
}

// xdotool (through Wine's support for starting Unix programs): the same clicks,
// pointer put back, one xdotool process per run; timed to the last logged event.
bool xdotoolAvailable() { return GetFileAttributesW(L"Z:\\usr\\bin\\xdotool") != INVALID_FILE_ATTRIBUTES; }

std::wstring xdotoolCommand(HWND target, const std::vector<POINT>& points) {
    POINT base{0, 0};
    ClientToScreen(target, &base);
    std::wstring command = L"/usr/bin/xdotool";
    for (const POINT& p : points) {
        command += L" mousemove " + std::to_wstring(base.x + p.x) + L" " + std::to_wstring(base.y + p.y) +
                   L" click 1 mousemove " + std::to_wstring(kHome.x) + L" " + std::to_wstring(kHome.y);
    }
    return command;
}

bool runUnix(std::wstring command) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(L"Z:\\usr\\bin\\xdotool", command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &startup, &process)) {
        return false;
    }
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return true;
}

double nowMicroseconds() {
    static const double perMicrosecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return static_cast<double>(counter.QuadPart) / perMicrosecond;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One row of the table: a composition and what its runs gave.
struct Row {
    const char* name;
    std::function<double()> run;  // one timed run; microseconds
    std::vector<double> perClick{};
    size_t exact = 0;
    size_t events = 0;
    int backAtOnce = 0;   // runs right after which the system reported the pointer home
    int pointerBack = 0;  // runs after which the pointer was back home within half a second
};

// How many of one run's clicks appear exactly, in order, as "down x y" then "up x y".
size_t exactClicks(const std::vector<std::string>& events, size_t from, const std::vector<POINT>& points) {
    size_t exact = 0, k = from;
    for (const POINT& p : points) {
        char down[32], up[32];
        std::snprintf(down, sizeof(down), "down %ld %ld", p.x, p.y);
        std::snprintf(up, sizeof(up), "up %ld %ld", p.x, p.y);
        if (k + 1 < events.size() && events[k] == down && events[k + 1] == up) ++exact;
        k += 2;
    }
    return exact;
}

bool pointerAt(POINT expected) {
    return e2e::waitUntil([&] {
        const POINT p = e2e::cursorPosition();
        return p.x == expected.x && p.y == expected.y;
    }, std::chrono::milliseconds(500));
}

// One timed run of the row, then (untimed) its delivery checked: the runs of
// all rows are interleaved so that no row gets a quieter machine than another.
void measureRun(Row& row, const ClickRecorder& recorder, const std::vector<POINT>& points) {
    e2e::movePointer(kHome);
    const size_t before = recorder.events().size();
    row.perClick.push_back(row.run() / static_cast<double>(points.size()));
    const POINT atOnce = e2e::cursorPosition();
    if (atOnce.x == kHome.x && atOnce.y == kHome.y) ++row.backAtOnce;
    const auto events = recorder.waitForEvents(before + 2 * points.size(), std::chrono::milliseconds(2000));
    row.exact += exactClicks(events, before, points);
    row.events += events.size() - before;
    if (pointerAt(kHome)) ++row.pointerBack;
}

}  // namespace

int main(int argc, char** argv) {
    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 30;
    ClickRecorder recorder({100, 100, 1100, 600});
    const HWND target = recorder.window();
    const std::vector<POINT> points = runPoints();

    auto timed = [&](Composition composition) {
        return [&points, target, composition] {
            const double start = nowMicroseconds();
            composition(target, points);
            return nowMicroseconds() - start;
        };
    };

    std::vector<Row> rows;
    rows.push_back({"program click path", timed(programPath)});
    rows.push_back({"bare platform calls", timed(bareLoop)});
    rows.push_back({"injected move back, no SetCursorPos", timed(withoutFinalWarp)});
    rows.push_back({"one injection, no move back", timed(singleInjection)});
    rows.push_back({"literal move/press/move back", timed(literalSequence)});
    if (xdotoolAvailable()) {
        rows.push_back({"xdotool (to last logged click)", [&] {
                             const size_t before = recorder.events().size();
                             const double start = nowMicroseconds();
                             runUnix(xdotoolCommand(target, points));
                             recorder.waitForEvents(before + 2 * points.size(), std::chrono::milliseconds(5000));
                             return nowMicroseconds() - start;
                         }});
    }
    for (int r = 0; r < runs; ++r) {
        for (Row& row : rows) measureRun(row, recorder, points);
    }

    const size_t expected = points.size() * static_cast<size_t>(runs);
    std::printf("click run of %d x %d grid + client origin = %zu clicks; %d runs per row; medians\n", kColumns,
                kRows, points.size(), runs);
    std::printf("%-36s %10s %16s %8s %13s %13s\n", "composition", "us/click", "exact clicks", "events",
                "home at once", "home <0.5 s");
    for (const Row& row : rows) {
        std::printf("%-36s %10.1f %8zu / %-6zu %8zu %7d / %-4d %7d / %-4d\n", row.name, median(row.perClick),
                    row.exact, expected, row.events, row.backAtOnce, runs, row.pointerBack, runs);
    }
    std::printf("program / bare ratio: %.3f (goal: at most 1.10)\n",
                median(rows[0].perClick) / median(rows[1].perClick));
    return 0;
}
