#include "pointer/input_rights.h"

#include "platform/platform.h"

bool windowRefusesOurInput(HWND window) {
    if (window == nullptr || window == platform::desktopWindow()) return false;
    const uint32_t owner = platform::windowProcessId(window);
    const uint32_t self = platform::currentProcessId();
    if (owner == 0 || owner == self) return false;

    using Reading = platform::IntegrityLevel::Reading;
    const platform::IntegrityLevel theirs = platform::processIntegrityLevel(owner);
    if (theirs.reading == Reading::noProcess) return false;
    if (theirs.reading == Reading::unreadable) return true;
    const platform::IntegrityLevel ours = platform::processIntegrityLevel(self);
    return ours.reading == Reading::read && theirs.level > ours.level;
}
