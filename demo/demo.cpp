// A short demonstration of Vostrel on a virtual display: it captures the
// first point of a 3 x 2 grid on the click recorder window, runs the clicks,
// prints what the recorder received, and checks every step against what it
// must be. The screenshot shows the recorder's numbered marks where the clicks
// landed. Exits with 1 if anything did not match.
//
// Usage: vostrel_demo SCREENSHOT.bmp    (a Unix path)

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <exception>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "support/click_recorder.h"
#include "support/controls.h"
#include "support/input.h"
#include "support/poll.h"
#include "support/screen.h"
#include "support/text.h"
#include "support/vostrel.h"
#include "recorder/mark_style.h"

namespace {

bool samePixels(const e2e::Pixels& a, const e2e::Pixels& b) {
    return a.width == b.width && a.height == b.height &&
           std::equal(a.rows.begin(), a.rows.end(), b.rows.begin(), [](RGBQUAD p, RGBQUAD q) {
               return p.rgbRed == q.rgbRed && p.rgbGreen == q.rgbGreen && p.rgbBlue == q.rgbBlue;
           });
}

// Saves the screen as a BMP file once it has finished painting (two looks in a row agree).
bool saveScreen(const std::wstring& path) {
    const RECT all{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    e2e::Pixels shot = e2e::screenPixels(all);
    e2e::waitUntil([&] {
        e2e::Pixels again = e2e::screenPixels(all);
        const bool settled = samePixels(again, shot);
        shot = std::move(again);
        return settled;
    }, e2e::kPromptly);

    BITMAPINFOHEADER info{};
    info.biSize = sizeof(info);
    info.biWidth = shot.width;
    info.biHeight = -shot.height;  // top row first
    info.biPlanes = 1;
    info.biBitCount = 32;
    info.biCompression = BI_RGB;
    const DWORD bytes = static_cast<DWORD>(shot.rows.size() * sizeof(RGBQUAD));
    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof(header) + sizeof(info);
    header.bfSize = header.bfOffBits + bytes;
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr) return false;
    std::fwrite(&header, sizeof(header), 1, file);
    std::fwrite(&info, sizeof(info), 1, file);
    std::fwrite(shot.rows.data(), 1, bytes, file);
    return std::fclose(file) == 0;
}

// Every step the demonstration shows is also checked; the last line says
// whether everything matched.
class Checks {
public:
    void expect(bool ok, const std::string& what) {
        ++count_;
        if (!ok) ++failed_;
        std::printf("  [%s] %s\n", ok ? "ok" : "MISMATCH", what.c_str());
    }
    bool allMatched() const { return failed_ == 0; }
    void printVerdict() const {
        if (failed_ == 0) {
            std::printf("demo: all %d checks matched\n", count_);
        } else {
            std::printf("demo: %d of %d checks did not match\n", failed_, count_);
        }
    }

private:
    int count_ = 0;
    int failed_ = 0;
};

constexpr int kColumns = 3, kRows = 2, kXSpacing = 150, kYSpacing = 100;
constexpr POINT kFirst{60, 60};  // client point of the recorder that is captured

// Where one run clicks, in the recorder's client coordinates: the client
// origin, then the grid column by column.
std::vector<POINT> clickedPoints() {
    std::vector<POINT> points{{0, 0}};
    for (int i = 0; i < kColumns; ++i) {
        for (int j = 0; j < kRows; ++j) points.push_back({kFirst.x + i * kXSpacing, kFirst.y + j * kYSpacing});
    }
    return points;
}

// What the recorder must log for one run: each click a press and a release.
std::vector<std::string> expectedEvents() {
    std::vector<std::string> events;
    for (const POINT p : clickedPoints()) {
        const std::string at = std::to_string(p.x) + " " + std::to_string(p.y);
        events.push_back("down " + at);
        events.push_back("up " + at);
    }
    return events;
}

// Whether the screen shows the recorder's mark at every clicked point.
bool marksOnScreen(const e2e::ClickRecorder& recorder) {
    const HDC screen = GetDC(nullptr);
    const std::vector<POINT> points = clickedPoints();
    const bool all = std::all_of(points.begin(), points.end(), [&](POINT client) {
        const POINT at = recorder.onScreen(client);
        return GetPixel(screen, at.x, at.y) == recorder::kMarkColour;
    });
    ReleaseDC(nullptr, screen);
    return all;
}

std::string pointText(POINT p) { return "(" + std::to_string(p.x) + ", " + std::to_string(p.y) + ")"; }

void demo(const std::string& screenshot, Checks& checks) {
    using namespace e2e;
    // Beside Vostrel's centred window, so no click lands on Vostrel itself.
    ClickRecorder recorder({20, 40, 480, 280});
    Vostrel vostrel;
    vostrel.setGrid(std::to_string(kXSpacing), std::to_string(kYSpacing), std::to_string(kColumns),
                    std::to_string(kRows));
    std::printf("grid: %d columns %d px apart, %d rows %d px apart\n", kColumns, kXSpacing, kRows, kYSpacing);

    clickWindow(vostrel.control(按钮1));  // 取坐标
    movePointer(recorder.onScreen(kFirst));
    std::printf("取坐标 pressed; pointer on the recorder's client point %s\n", pointText(kFirst).c_str());
    auto box = vostrel.waitForMessageBox(Vostrel::kCaptureWait + kPromptly);
    checks.expect(box && box->caption == "信息：" && box->text == "已经取到坐标",
                  box ? "capture box \"" + box->caption + "\": " + box->text : "capture box: none appeared");
    if (!box) return;
    const std::string x = vostrel.text(编辑框1), y = vostrel.text(编辑框2);
    checks.expect(x == std::to_string(kFirst.x) && y == std::to_string(kFirst.y),
                  "X坐标 and Y坐标 show (" + x + ", " + y + ")");
    dismissMessageBox(box->window);

    // The box re-enables the window as it goes; a click before that is lost.
    waitUntil([&] { return IsWindowEnabled(vostrel.window()) != FALSE; }, kPromptly);
    const POINT home = centre(windowRect(vostrel.control(按钮2)));
    clickWindow(vostrel.control(按钮2));  // 点击
    box = vostrel.waitForMessageBox(kPromptly);
    checks.expect(box && box->caption == "信息：" && box->text == "抢班完成",
                  box ? "run box \"" + box->caption + "\": " + box->text : "run box: none appeared");
    if (!box) return;

    const std::vector<std::string> expected = expectedEvents();
    const std::vector<std::string> events = recorder.waitForEvents(expected.size(), kPromptly);
    std::printf("the recorder received, in client coordinates:\n");
    for (const std::string& event : events) std::printf("    %s\n", event.c_str());
    checks.expect(events == expected, "the recorder's events are the client origin, then every grid point column "
                                      "by column, each a press and a release (" +
                                          std::to_string(expected.size()) + " events)");
    const POINT end = waitForValue([] { return cursorPosition(); },
                                   [&](POINT p) { return p.x == home.x && p.y == home.y; }, kPromptly);
    checks.expect(end.x == home.x && end.y == home.y,
                  "pointer after the run at " + pointText(end) + ", where 点击 was clicked " + pointText(home));
    // The recorder paints its marks when it gets round to it: the picture
    // waits until they are all there.
    checks.expect(waitUntil([&] { return marksOnScreen(recorder); }, kPromptly),
                  "the recorder shows its numbered mark at each of the " + std::to_string(clickedPoints().size()) +
                      " points it was clicked");
    if (!saveScreen(windowsPath(screenshot))) std::printf("could not save the screen to %s\n", screenshot.c_str());
    dismissMessageBox(box->window);

    waitUntil([&] { return IsWindowEnabled(vostrel.window()) != FALSE; }, kPromptly);
    const auto closeButton = captionButton(vostrel.window(), HTCLOSE);
    checks.expect(closeButton.has_value(), "the caption has a close button");
    if (!closeButton) return;
    click(*closeButton);
    const auto status = vostrel.waitForExit(kPromptly);
    checks.expect(status == std::optional<DWORD>(0),
                  status ? "closed with its close button; exit status " + std::to_string(*status)
                         : "closed with its close button; it did not end");
}

}  // namespace

int main(int argc, char** argv) {
    Checks checks;
    try {
        demo(argc > 1 ? argv[1] : "/tmp/vostrel-demo.bmp", checks);
    } catch (const std::exception& error) {
        checks.expect(false, std::string("the demonstration ran to its end: ") + error.what());
    }
    checks.printVerdict();
    return checks.allMatched() ? 0 : 1;
}
