// A short demonstration of Vostrel on a virtual display: it captures the
// first point of a 3 x 2 grid on the click recorder window, runs the clicks,
// and prints what the recorder received.
//
// Usage: vostrel_demo SCREENSHOT.bmp    (a Unix path)

#include <windows.h>

#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "support/click_recorder.h"
#include "support/controls.h"
#include "support/input.h"
#include "support/poll.h"
#include "support/text.h"
#include "support/vostrel.h"

namespace {

struct Screen {
    BITMAPINFOHEADER info{};
    std::vector<char> pixels;
};

// What the screen shows now, as 24-bit bottom-up rows.
Screen captureScreen() {
    const int width = GetSystemMetrics(SM_CXSCREEN), height = GetSystemMetrics(SM_CYSCREEN);
    const HDC screen = GetDC(nullptr);
    const HDC memory = CreateCompatibleDC(screen);
    const HBITMAP bitmap = CreateCompatibleBitmap(screen, width, height);
    const HGDIOBJ previous = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, 0, 0, SRCCOPY);
    SelectObject(memory, previous);

    Screen shot;
    shot.info.biSize = sizeof(shot.info);
    shot.info.biWidth = width;
    shot.info.biHeight = height;
    shot.info.biPlanes = 1;
    shot.info.biBitCount = 24;
    shot.info.biCompression = BI_RGB;
    const size_t rowBytes = (static_cast<size_t>(width) * 3 + 3) & ~size_t{3};
    shot.pixels.resize(rowBytes * static_cast<size_t>(height));
    GetDIBits(memory, bitmap, 0, static_cast<UINT>(height), shot.pixels.data(),
              reinterpret_cast<BITMAPINFO*>(&shot.info), DIB_RGB_COLORS);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return shot;
}

// Saves the screen as a BMP file once it has finished painting (two looks in a row agree).
bool saveScreen(const std::wstring& path) {
    Screen shot = captureScreen();
    e2e::waitUntil([&] {
        Screen again = captureScreen();
        const bool settled = again.pixels == shot.pixels;
        shot = std::move(again);
        return settled;
    }, e2e::kPromptly);

    BITMAPFILEHEADER header{};
    header.bfType = 0x4D42;  // "BM"
    header.bfOffBits = sizeof(header) + sizeof(shot.info);
    header.bfSize = header.bfOffBits + static_cast<DWORD>(shot.pixels.size());
    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr) return false;
    std::fwrite(&header, sizeof(header), 1, file);
    std::fwrite(&shot.info, sizeof(shot.info), 1, file);
    std::fwrite(shot.pixels.data(), 1, shot.pixels.size(), file);
    return std::fclose(file) == 0;
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
    vostrel.setText(编辑框3, "150");
    vostrel.setText(编辑框4, "100");
    vostrel.setText(编辑框5, "3");
    vostrel.setText(编辑框6, "2");
    std::printf("grid: 3 columns 150 px apart, 2 rows 100 px apart\n");

    clickWindow(vostrel.control(按钮1));  // 取坐标
    const POINT client = recorder.clientOrigin();
    const POINT first{client.x + 60, client.y + 60};
    movePointer(first);
    std::printf("取坐标 pressed; pointer on the recorder's client point (60, 60)\n");
    auto box = vostrel.waitForMessageBox(5000ms);
    if (!box) return fail("no box after the capture");
    std::printf("box \"%s\": %s; fields show (%s, %s)\n", box->caption.c_str(), box->text.c_str(),
                vostrel.text(编辑框1).c_str(), vostrel.text(编辑框2).c_str());
    dismissMessageBox(box->window);

    // The box re-enables the window as it goes; a click before that is lost.
    waitUntil([&] { return IsWindowEnabled(vostrel.window()) != FALSE; }, kPromptly);
    clickWindow(vostrel.control(按钮2));  // 点击
    box = vostrel.waitForMessageBox(5000ms);
    if (!box) return fail("no box after the click run");
    std::printf("box \"%s\": %s\n", box->caption.c_str(), box->text.c_str());
    if (!saveScreen(windowsPath(screenshot))) std::printf("could not save the screen to %s\n", screenshot.c_str());
    dismissMessageBox(box->window);

    std::printf("the recorder received, in client coordinates:\n");
    for (const std::string& event : recorder.waitForEvents(14, kPromptly)) std::printf("  %s\n", event.c_str());
    std::printf("expected: the client origin (0, 0), then (60, 60), (60, 160), (210, 60), (210, 160), (360, 60), "
                "(360, 160), each a press and a release\n");
    const POINT end = cursorPosition();
    std::printf("pointer after the run: (%ld, %ld), where it was when 点击 was clicked\n", end.x, end.y);

    const auto closeButton = captionButton(vostrel.window(), HTCLOSE);
    if (!closeButton) return fail("no close button");
    click(*closeButton);
    const auto status = vostrel.waitForExit(kPromptly);
    if (!status) return fail("Vostrel did not end");
    std::printf("closed Vostrel with its close button; exit status %lu\n", *status);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    try {
        return demo(argc > 1 ? argv[1] : "/tmp/vostrel-demo.bmp") ? 0 : 1;
    } catch (const std::exception& error) {
        std::printf("demo failed: %s\n", error.what());
        return 1;
    }
}
