// Times click runs on the click recorder: the program's own click path beside
// bare loops of the same platform calls, reference compositions and xdotool,
// and counts where every click landed.
//
// Usage: click_bench [--runs N] [--long-runs N] [--xdotool UNIX-PATH]
//   --runs       runs per row of the default 7 x 5 grid (default 30)
//   --long-runs  runs per row of the 100 x 100 grid (default 5)
//   --xdotool    xdotool, as found on the Unix PATH; without it, no xdotool row
//
// Every row is timed twice, from the run's first call: to its last injection,
// and to delivery, when the recorder handled the run's last click (the
// recorder stamps every event with the performance counter, one clock for
// every process). The figures are medians over the runs, per click.
// The exit status says only whether the benchmark could run.

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "pointer/absolute_position.h"
#include "pointer/click.h"
#include "support/click_recorder.h"
#include "support/input.h"
#include "support/process.h"
#include "support/text.h"

namespace {

using e2e::ClickRecorder;
using std::chrono::milliseconds;

struct Grid {
    const char* name;
    int columns, rows, xSpacing, ySpacing;
};
constexpr Grid kDefaultGrid{"7x5", 7, 5, 150, 33};
constexpr Grid kLongGrid{"100x100", 100, 100, 10, 5};
constexpr POINT kFirstPoint{10, 20};  // client offsets of the first grid point
constexpr POINT kHome{40, 40};        // bare desktop: where the pointer rests between clicks

// One run's clicks, as the grid click command makes them: the client origin,
// then column by column.
std::vector<POINT> runPoints(const Grid& grid) {
    std::vector<POINT> points{{0, 0}};
    for (int i = 0; i < grid.columns; ++i) {
        for (int j = 0; j < grid.rows; ++j) {
            points.push_back({kFirstPoint.x + i * grid.xSpacing, kFirstPoint.y + j * grid.ySpacing});
        }
    }
    return points;
}

using Desktop = platform::Desktop;

Desktop readDesktop() {
    return {GetSystemMetrics(SM_XVIRTUALSCREEN), GetSystemMetrics(SM_YVIRTUALSCREEN),
            GetSystemMetrics(SM_CXVIRTUALSCREEN), GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

// Absolute input at a screen point, mapped as the program maps it.
INPUT mouseInput(POINT screen, const Desktop& desktop, DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = normalizedCoordinate(screen.x, desktop.left, desktop.width);
    input.mi.dy = normalizedCoordinate(screen.y, desktop.top, desktop.height);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_VIRTUALDESK | flags;
    return input;
}

POINT onScreen(HWND target, POINT client) {
    POINT base{0, 0};
    ClientToScreen(target, &base);
    return {base.x + client.x, base.y + client.y};
}

// --- The compositions ---------------------------------------------------------

void programPath(HWND target, const std::vector<POINT>& points) {
    ClickRun run;
    for (const POINT& p : points) {
        if (!run.click(target, p.x, p.y)) break;
    }
    run.finish();
}

// Platform calls only, with what the program does around them switched on or off.
// The defaults are the program's own.
struct Composition {
    bool lookAtEscape = true;          // GetAsyncKeyState before every click
    bool injectMoveBack = true;        // the move home travels in each click's SendInput
    bool warpAfterEveryClick = false;  // SetCursorPos home after every click, not once at the end
    bool buttonsAsRead = true;         // the primary button from SM_SWAPBUTTON, not always the left
};

void bareLoop(HWND target, const std::vector<POINT>& points, Composition c) {
    const DWORD buttons = c.buttonsAsRead && GetSystemMetrics(SM_SWAPBUTTON)
                              ? MOUSEEVENTF_RIGHTDOWN | MOUSEEVENTF_RIGHTUP
                              : MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP;
    POINT home{0, 0};
    GetCursorPos(&home);
    const Desktop desk = readDesktop();
    for (const POINT& p : points) {
        if (c.lookAtEscape && (GetAsyncKeyState(VK_ESCAPE) & 0x8000) != 0) break;
        INPUT inputs[2] = {mouseInput(onScreen(target, p), desk, buttons), mouseInput(home, desk, 0)};
        if (SendInput(c.injectMoveBack ? 2 : 1, inputs, sizeof(INPUT)) == 0) break;
        if (c.warpAfterEveryClick) SetCursorPos(home.x, home.y);
    }
    if (!c.warpAfterEveryClick) SetCursorPos(home.x, home.y);
}

// What batching would save: every click with its move back in one SendInput.
void oneInjection(HWND target, const std::vector<POINT>& points) {
    POINT home{0, 0};
    GetCursorPos(&home);
    const Desktop desk = readDesktop();
    std::vector<INPUT> inputs;
    inputs.reserve(2 * points.size());
    for (const POINT& p : points) {
        inputs.push_back(mouseInput(onScreen(target, p), desk, MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP));
        inputs.push_back(mouseInput(home, desk, 0));
    }
    SendInput(static_cast<UINT>(inputs.size()), inputs.data(), sizeof(INPUT));
    SetCursorPos(home.x, home.y);
}

// Move, press wherever the pointer is, move back: the press races the moves.
void literalSequence(HWND target, const std::vector<POINT>& points) {
    for (const POINT& p : points) {
        POINT saved{0, 0};
        GetCursorPos(&saved);
        const POINT at = onScreen(target, p);
        SetCursorPos(at.x, at.y);
        mouse_event(MOUSEEVENTF_LEFTDOWN | MOUSEEVENTF_LEFTUP, static_cast<DWORD>(p.x), static_cast<DWORD>(p.y), 0, 0);
        SetCursorPos(saved.x, saved.y);
    }
}

// xdotool, started from here through Wine's support for Unix programs: the
// same clicks, pointer put back, one xdotool process per run, at its fastest
// (no delay after a click, no waiting for moves). It talks to the X server
// directly, where the program's rows go through Wine.
std::wstring xdotoolArguments(HWND target, const std::vector<POINT>& points) {
    std::wstring args;
    const std::wstring home = std::to_wstring(kHome.x) + L" " + std::to_wstring(kHome.y);
    for (const POINT& p : points) {
        const POINT at = onScreen(target, p);
        args += L" mousemove " + std::to_wstring(at.x) + L" " + std::to_wstring(at.y) + L" click --delay 0 1" +
                L" mousemove " + home;
    }
    return args.substr(1);
}

// Returns once xdotool has started: Wine cannot wait for a Unix process, so
// when it is done shows only in what the recorder logs. The process is kept
// until the next run starts, by then long done.
void xdotoolRun(std::optional<e2e::Process>& process, const std::wstring& xdotool, HWND target,
                const std::vector<POINT>& points) {
    process.emplace(xdotool, xdotoolArguments(target, points));
}

// --- Measuring ---------------------------------------------------------------

double counterToMicroseconds(long long ticks) {
    static const double perMicrosecond = [] {
        LARGE_INTEGER frequency;
        QueryPerformanceFrequency(&frequency);
        return static_cast<double>(frequency.QuadPart) / 1e6;
    }();
    return static_cast<double>(ticks) / perMicrosecond;
}

long long counterNow() {
    LARGE_INTEGER counter;
    QueryPerformanceCounter(&counter);
    return counter.QuadPart;
}

double median(std::vector<double> values) {
    if (values.empty()) return 0;
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Row {
    std::string name;
    const Grid* grid;
    std::function<void(HWND, const std::vector<POINT>&)> run;
    bool carriesPosition = true;  // whether every click must land exactly
    bool timedToInjection = true;  // false where the injections' end cannot be seen
    int runs = 0;
    std::vector<double> toInjection{}, toDelivery{};  // microseconds per click, one per run
    size_t exact = 0;
    size_t events = 0;
    int backAtOnce = 0;   // runs right after which the system reported the pointer home
    int pointerBack = 0;  // runs after which the pointer was back home within half a second
};

struct Event {
    char kind[8];
    long x, y;
    long long stamp;
};

std::optional<Event> parseEvent(const std::string& line) {
    Event event{};
    if (std::sscanf(line.c_str(), "%7s %ld %ld %lld", event.kind, &event.x, &event.y, &event.stamp) != 4) {
        return std::nullopt;
    }
    return event;
}

// How many of one run's clicks appear exactly, in order, as a press then a release.
size_t exactClicks(const std::vector<Event>& events, const std::vector<POINT>& points) {
    size_t exact = 0;
    for (size_t i = 0; i < points.size() && 2 * i + 1 < events.size(); ++i) {
        const Event& down = events[2 * i];
        const Event& up = events[2 * i + 1];
        const POINT p = points[i];
        if (std::string(down.kind) == "down" && std::string(up.kind) == "up" && down.x == p.x && down.y == p.y &&
            up.x == p.x && up.y == p.y) {
            ++exact;
        }
    }
    return exact;
}

bool pointerAtHome(milliseconds limit) {
    return e2e::waitUntil([] {
        const POINT p = e2e::cursorPosition();
        return p.x == kHome.x && p.y == kHome.y;
    }, limit);
}

// One run of the row, timed, then its delivery checked. Runs of all rows are
// interleaved so that no row gets a quieter machine than another.
void measureRun(Row& row, const ClickRecorder& recorder) {
    const std::vector<POINT> points = runPoints(*row.grid);
    e2e::movePointer(kHome);
    // The recorder paints a mark for every click once its queue is empty: let
    // it finish the last run's before this one starts, so that no row pays
    // for another's. (UpdateWindow waits for the painting, in its process.)
    UpdateWindow(recorder.window());
    const size_t before = recorder.events().size();
    const long long start = counterNow();
    row.run(recorder.window(), points);
    const long long injected = counterNow();
    if (pointerAtHome(milliseconds(0))) ++row.backAtOnce;
    // A long run's target lags its injections by seconds.
    const milliseconds limit(2000 + 2 * static_cast<long long>(points.size()));
    const std::vector<std::string> lines = recorder.waitForEvents(before + 2 * points.size(), limit);
    std::vector<Event> events;
    for (size_t i = before; i < lines.size(); ++i) {
        if (const std::optional<Event> event = parseEvent(lines[i])) events.push_back(*event);
    }
    const double clicks = static_cast<double>(points.size());
    row.toInjection.push_back(counterToMicroseconds(injected - start) / clicks);
    if (events.size() >= 2 * points.size()) {
        row.toDelivery.push_back(counterToMicroseconds(events[2 * points.size() - 1].stamp - start) / clicks);
    }
    row.exact += exactClicks(events, points);
    row.events += events.size();
    if (pointerAtHome(milliseconds(500))) ++row.pointerBack;
    ++row.runs;
}

struct Options {
    int runs = 30;
    int longRuns = 5;
    std::wstring xdotool;  // Windows path; empty: no xdotool row
};

std::optional<Options> parseOptions(int argc, char** argv) {
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i], value = argv[i + 1];
        if (name == "--runs") {
            options.runs = std::max(1, std::atoi(value.c_str()));
        } else if (name == "--long-runs") {
            options.longRuns = std::max(0, std::atoi(value.c_str()));
        } else if (name == "--xdotool") {
            if (!value.empty()) options.xdotool = e2e::windowsPath(value);
        } else {
            return std::nullopt;
        }
    }
    if (argc % 2 == 0) return std::nullopt;
    return options;
}

const Row& rowNamed(const std::vector<Row>& rows, const std::string& name, const Grid& grid) {
    for (const Row& row : rows) {
        if (row.name == name && row.grid == &grid) return row;
    }
    std::fprintf(stderr, "click_bench: no row \"%s\" for %s\n", name.c_str(), grid.name);
    std::exit(2);
}

const char* const kProgram = "program click path";
const char* const kBare = "bare loop of its calls";

void printTable(const std::vector<Row>& rows) {
    std::printf("%-40s %-8s %5s %11s %11s %18s %8s %11s %11s\n", "composition", "grid", "runs", "us/click",
                "us/click", "exact clicks", "events", "home at", "home");
    std::printf("%-40s %-8s %5s %11s %11s %18s %8s %11s %11s\n", "", "", "", "injected", "delivered", "", "",
                "once", "<0.5 s");
    for (const Row& row : rows) {
        const size_t expected = runPoints(*row.grid).size() * static_cast<size_t>(row.runs);
        char exact[32];
        std::snprintf(exact, sizeof(exact), "%zu / %zu", row.exact, expected);
        char injected[16] = "-";
        if (row.timedToInjection) std::snprintf(injected, sizeof(injected), "%.1f", median(row.toInjection));
        std::printf("%-40s %-8s %5d %11s %11.1f %18s %8zu %5d / %-3d %5d / %-3d\n", row.name.c_str(),
                    row.grid->name, row.runs, injected, median(row.toDelivery),
                    row.carriesPosition ? exact : "(not exact)", row.events, row.backAtOnce, row.runs,
                    row.pointerBack, row.runs);
    }
}

void printRatios(const std::vector<Row>& rows, const Options& options) {
    auto ratio = [&](const char* a, const char* b, const Grid& grid, bool delivered) {
        const Row &x = rowNamed(rows, a, grid), &y = rowNamed(rows, b, grid);
        return delivered ? median(x.toDelivery) / median(y.toDelivery) : median(x.toInjection) / median(y.toInjection);
    };
    for (const bool delivered : {false, true}) {
        std::printf("program / bare, to %s:", delivered ? "delivery" : "last injection");
        std::printf(" %s %.3f", kDefaultGrid.name, ratio(kProgram, kBare, kDefaultGrid, delivered));
        if (options.longRuns > 0) std::printf("  %s %.3f", kLongGrid.name, ratio(kProgram, kBare, kLongGrid, delivered));
        std::printf("  (goal: at most 1.10)\n");
    }
    const double keyLook = median(rowNamed(rows, kBare, kDefaultGrid).toInjection) -
                           median(rowNamed(rows, "bare, no Esc look", kDefaultGrid).toInjection);
    std::printf("the Esc look costs %.1f us per click (bare loop less the same without it, to last injection)\n",
                keyLook);
    if (!options.xdotool.empty()) {
        std::printf("program / xdotool, to delivery: %.3f (goal: at most 1.00)\n",
                    ratio(kProgram, "xdotool --delay 0", kDefaultGrid, true));
    }
}

}  // namespace

int main(int argc, char** argv) {
    const std::optional<Options> options = parseOptions(argc, argv);
    if (!options) {
        std::fprintf(stderr, "usage: click_bench [--runs N] [--long-runs N] [--xdotool UNIX-PATH]\n");
        return 2;
    }
    const bool haveXdotool =
        !options->xdotool.empty() && GetFileAttributesW(options->xdotool.c_str()) != INVALID_FILE_ATTRIBUTES;
    if (!options->xdotool.empty() && !haveXdotool) std::printf("xdotool not found: no xdotool row\n");

    ClickRecorder recorder({100, 100, 1100, 600}, {.timestamps = true});
    std::optional<e2e::Process> xdotool;  // the last run's
    auto bare = [](Composition c) {
        return [c](HWND target, const std::vector<POINT>& points) { bareLoop(target, points, c); };
    };
    std::vector<Row> rows{
        {kProgram, &kDefaultGrid, programPath},
        {kBare, &kDefaultGrid, bare({})},
        {"bare, no Esc look", &kDefaultGrid, bare({.lookAtEscape = false})},
        {"bare, SetCursorPos after every click", &kDefaultGrid, bare({.warpAfterEveryClick = true})},
        {"bare, left button without reading swap", &kDefaultGrid, bare({.buttonsAsRead = false})},
        {"bare, no injected move back", &kDefaultGrid, bare({.injectMoveBack = false})},
        {"whole run in one SendInput", &kDefaultGrid, oneInjection},
        {"literal move/press/move back", &kDefaultGrid, literalSequence, false},
    };
    if (haveXdotool) {
        rows.push_back({"xdotool --delay 0", &kDefaultGrid,
                        [&](HWND target, const std::vector<POINT>& points) {
                            xdotoolRun(xdotool, options->xdotool, target, points);
                        },
                        true, false});
    }
    for (int r = 0; r < options->runs; ++r) {
        for (Row& row : rows) measureRun(row, recorder);
    }
    if (options->longRuns > 0) {
        rows.push_back({kProgram, &kLongGrid, programPath});
        rows.push_back({kBare, &kLongGrid, bare({})});
        for (int r = 0; r < options->longRuns; ++r) {
            for (Row& row : rows) {
                if (row.grid == &kLongGrid) measureRun(row, recorder);
            }
        }
    }

    std::printf("click runs on the click recorder: the client origin and every grid point; medians per click\n");
    printTable(rows);
    printRatios(rows, *options);
    return 0;
}
