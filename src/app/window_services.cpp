#include "app/window_services.h"

#include "app/field_text.h"
#include "app/main_window.h"
#include "core/fatal_error.h"
#include "platform/platform.h"

namespace {

// A field outlives nothing: once the window is closed, touching one is fatal.
void requireWindow(Control field, const char* message) {
    if (mainWindowExists()) return;
    raiseFatal({0, message, kMainWindowId, controlId(field), WindowTags{}});
}

}  // namespace

int32_t readFieldInt(Control field) {
    requireWindow(field, "读取组件属性时发现指定窗口尚未载入");
    return fieldTextToInt(fieldTextGbk(field));
}

void writeFieldInt(Control field, int32_t value) {
    requireWindow(field, "修改组件属性时发现指定窗口尚未载入");
    setFieldText(field, formatInt(value));
}

void showInfo(const std::string& text) {
    platform::messageBox(text, "信息：", platform::BoxKind::information);
}

void showWarning(const std::string& text) { platform::messageBox(text, "信息：", platform::BoxKind::warning); }

void swallowEscapePress() {
    // Up means up for a tenth of a second: a key state that flickers (as
    // Wine's does while it catches up with the X server's keyboard) must not
    // open the box while the key is still held.
    constexpr uint32_t kPollMs = 10;
    constexpr int kUpReadings = 10;
    for (int up = 0;;) {
        up = platform::escapeKeyDown() ? 0 : up + 1;
        if (up == kUpReadings) break;
        platform::sleep(kPollMs);
    }
    platform::discardEscapeKeyMessages();
}

void delayWithEvents(int32_t ms) {
    if (ms <= 0) return;
    // Elapsed ticks, not a deadline: a deadline past the 32-bit wrap would
    // compare as already reached.
    const uint32_t start = platform::getTickCount();
    const auto wait = static_cast<uint32_t>(ms);
    for (;;) {
        processPendingMessages();
        processPendingMessages();
        if (platform::getTickCount() - start > wait) return;
        processPendingMessages();
        processPendingMessages();
    }
}
