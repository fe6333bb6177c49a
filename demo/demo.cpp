// A short demonstration of Vostrel on a virtual display: it captures the
// first point of a 3 x 2 grid on the click recorder window, runs the clicks,
// and prints what the recorder received.
//
// Usage: vostrel_demo SCREENSHOT.png    (a Unix path; taken with ImageMagick)

#include <windows.h>

#include <cstdio>
#include <string>

#include "support/click_recorder.h"
#include "support/input.h"
#include "support/poll.h"
#include "support/text.h"
#include "support/vostrel.h"

namespace {

constexpr int kButton1 = 369176450, kButton2 = 369177861;
constexpr int kOriginX = 369177866, kOriginY = 369177868;
constexpr int kXSpacing = 369177879, kYSpacing = 369177877, kXCount = 369177927, kYCount = 369177925;

// Starts a Unix program (Wine runs them directly) and waits for it.
void runUnix(const wchar_t* program, std::wstring commandLine) {
    STARTUPINFOW startup{};
    startup.cb = sizeof(startup);
    PROCESS_INFORMATION process{};
    if (!CreateProcessW(program, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("could not start %ls\n", program);
        return;
    }
    WaitForSingleObject(process.hProcess, 30000);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

bool fail(const char* what) {
    std::printf("demo failed: %s\n", what);
    return false;
}

bool demo(const std::string& screenshot) {
    using namespace e2e;
    // Beside Vostrel's centred window, so no click lands on Vostrel itself.
    ClickRecorder recorder({20, 40, 480, 280});
    Vostrel vostrel;
    vostrel.setText(kXSpacing, "150");
    vostrel.setText(kYSpacing, "100");
    vostrel.setText(kXCount, "3");
    vostrel.setText(kYCount, "2");
    std::printf("grid: 3 columns 150 px apart, 2 rows 100 px apart\n");

    clickWindow(vostrel.control(kButton1));  // 取坐标
    const POINT client = recorder.clientOrigin();
    const POINT first{client.x + 60, client.y + 60};
    movePointer(first);
    std::printf("取坐标 pressed; pointer on the recorder's client point (60, 60)\n");
    auto box = vostrel.waitForMessageBox(5000ms);
    if (!box) return fail("no box after the capture");
    std::printf("box \"%s\": %s; fields show (%s, %s)\n", box->caption.c_str(), box->text.c_str(),
                vostrel.text(kOriginX).c_str(), vostrel.text(kOriginY).c_str());
    dismissMessageBox(box->window);

    // The box re-enables the window as it goes; a click before that is lost.
    waitUntil([&] { return IsWindowEnabled(vostrel.window()) != FALSE; }, kPromptly);
    clickWindow(vostrel.control(kButton2));  // 点击
    box = vostrel.waitForMessageBox(5000ms);
    if (!box) return fail("no box after the click run");
    std::printf("box \"%s\": %s\n", box->caption.c_str(), box->text.c_str());
    runUnix(L"Z:\\usr\\bin\\import", L"import -window root " + wide(screenshot));
    std::printf("screenshot: %s\n", screenshot.c_str());
    dismissMessageBox(box->window);

    std::printf("the recorder received, in client coordinates:\n");
    for (const std::string& event : recorder.waitForEvents(14, kPromptly)) std::printf("  %s\n", event.c_str());
    std::printf("expected: the client origin (0, 0), then (60, 60), (60, 160), (210, 60), (210, 160), (360, 60), "
                "(360, 160), each a press and a release\n");
    const POINT end = cursorPosition();
    std::printf("pointer after the run: (%ld, %ld), where it was when 点击 was clicked\n", end.x, end.y);

    pressKey(VK_ESCAPE);
    const auto status = vostrel.waitForExit(kPromptly);
    std::printf("Esc closed Vostrel; exit status %lu\n", status ? *status : 999ul);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return demo(argc > 1 ? argv[1] : "/tmp/vostrel-demo.png") ? 0 : 1;
    } catch (const std::exception& error) {
        std::printf("demo failed: %s\n", error.what());
        return 1;
    }
}
