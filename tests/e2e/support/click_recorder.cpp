#include "support/click_recorder.h"

#include <atomic>
#include <stdexcept>

#include "support/desktop.h"
#include "support/programs.h"
#include "support/text.h"

namespace e2e {

namespace {

std::wstring freshLogPath() {
    static std::atomic<unsigned> counter{0};
    wchar_t directory[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, directory);
    std::wstring path = directory;
    path += L"click-recorder-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter) +
            L".log";
    DeleteFileW(path.c_str());
    return path;
}

std::wstring arguments(const std::wstring& log, ClickRecorder::Placement at, const ClickRecorderOptions& options) {
    std::wstring args = L"--x " + std::to_wstring(at.x) + L" --y " + std::to_wstring(at.y) + L" --width " +
                        std::to_wstring(at.width) + L" --height " + std::to_wstring(at.height) + L" --log " +
                        quoteArgument(log);
    if (const std::optional<RECT>& child = options.child) {
        args += L" --child " + std::to_wstring(child->left) + L" " + std::to_wstring(child->top) + L" " +
                std::to_wstring(child->right - child->left) + L" " + std::to_wstring(child->bottom - child->top);
    }
    if (options.timestamps) args += L" --timestamps";
    return args;
}

std::string readWhole(const std::wstring& path) {
    const HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return {};
    std::string content;
    char buffer[4096];
    DWORD read = 0;
    while (ReadFile(file, buffer, sizeof(buffer), &read, nullptr) && read > 0) content.append(buffer, read);
    CloseHandle(file);
    return content;
}

}  // namespace

ClickRecorder::ClickRecorder(Placement placement, ClickRecorderOptions options)
    : log_(freshLogPath()), process_(clickRecorderExe(), arguments(log_, placement, options)) {
    window_ = waitForWindow(process_.id(), nullptr, L"Click Recorder", kPromptly);
    if (window_ == nullptr) throw std::runtime_error("the click recorder's window did not appear");
    if (options.child) child_ = GetWindow(window_, GW_CHILD);
}

ClickRecorder::~ClickRecorder() {
    PostMessageW(window_, WM_CLOSE, 0, 0);
    if (!process_.waitForExit(kPromptly)) process_.terminate();
    DeleteFileW(log_.c_str());
}

POINT ClickRecorder::clientOrigin() const { return e2e::clientOrigin(window_); }

POINT ClickRecorder::onScreen(POINT client) const {
    const POINT origin = clientOrigin();
    return {origin.x + client.x, origin.y + client.y};
}

uint64_t ClickRecorder::logSize() const {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!GetFileAttributesExW(log_.c_str(), GetFileExInfoStandard, &data)) return 0;
    return (uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

std::vector<std::string> ClickRecorder::events() const {
    std::vector<std::string> lines;
    const std::string content = readWhole(log_);
    size_t start = 0;
    // Only complete lines: the recorder may be writing the last one.
    for (size_t end; (end = content.find('\n', start)) != std::string::npos; start = end + 1) {
        lines.push_back(content.substr(start, end - start));
    }
    return lines;
}

std::vector<std::string> ClickRecorder::waitForEvents(size_t count, milliseconds limit) const {
    return waitForValue([&] { return events(); }, [&](const auto& lines) { return lines.size() >= count; }, limit);
}

}  // namespace e2e
