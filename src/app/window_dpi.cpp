#include "app/window_dpi.h"

#include "app/scaled_layout.h"
#include "platform/platform.h"

int32_t systemDpi() {
    const uint32_t dpi = platform::systemDpi();
    return dpi != 0 ? static_cast<int32_t>(dpi) : kLayoutDpi;
}

int32_t windowDpi(HWND window) {
    const std::optional<uint32_t> dpi = platform::dpiForWindow(window);
    return dpi.has_value() && *dpi != 0 ? static_cast<int32_t>(*dpi) : systemDpi();
}

std::optional<DpiChange> readDpiChange(uint64_t wParam, const RECT* suggested, const RECT& current) {
    const auto dpi = static_cast<int32_t>(wParam & 0xFFFF);
    if (dpi == 0) return std::nullopt;
    if (suggested != nullptr) return DpiChange{dpi, *suggested};
    const ScaledLayout layout = scaledLayout(dpi);
    return DpiChange{dpi, {current.left, current.top, current.left + layout.windowWidth,
                           current.top + layout.windowHeight}};
}
