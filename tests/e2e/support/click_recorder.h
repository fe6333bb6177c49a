#pragma once
// The click recorder program as a test uses it: started at a known place, and
// its log read back as a list of events ("down 10 20", "child up 3 4", ...).

#include <windows.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "support/poll.h"
#include "support/process.h"

namespace e2e {

struct ClickRecorderOptions {
    std::optional<RECT> child = std::nullopt;  // one child control at that client rectangle
    bool timestamps = false;    // each event ends with the performance counter's reading
};

class ClickRecorder {
public:
    struct Placement {
        int x, y;           // outer top-left corner on the screen
        int width, height;  // client area
    };
    // Starts the recorder and waits for its window. Throws
    // std::runtime_error on failure.
    explicit ClickRecorder(Placement placement, ClickRecorderOptions options = {});
    ClickRecorder(const ClickRecorder&) = delete;
    ClickRecorder& operator=(const ClickRecorder&) = delete;
    ~ClickRecorder();

    HWND window() const { return window_; }
    HWND child() const { return child_; }
    POINT clientOrigin() const;  // screen position of the client area's top-left pixel
    // The screen point of client point `client`, where the window is now.
    POINT onScreen(POINT client) const;

    // Every event logged so far, oldest first.
    std::vector<std::string> events() const;
    // The log's size in bytes: cheap to watch while events pour in.
    uint64_t logSize() const;
    // The events once there are at least `count` of them, or whatever is there
    // when `limit` runs out.
    std::vector<std::string> waitForEvents(size_t count, milliseconds limit) const;

private:
    std::wstring log_;
    Process process_;
    HWND window_ = nullptr;
    HWND child_ = nullptr;
};

}  // namespace e2e
