#include "support/vostrel.h"

#include <stdexcept>

#include "support/controls.h"
#include "support/programs.h"

namespace e2e {

Vostrel::Vostrel() : process_(vostrelExe(), L"") {
    window_ = waitForWindow(process_.id(), nullptr, L"Vostrel", kPromptly);
    if (window_ == nullptr) throw std::runtime_error("the Vostrel window did not appear");
    thread_ = threadOf(window_);
    // Keys typed before the window has the focus would go elsewhere.
    if (!waitUntil([&] { return focusedControl() != 0; }, kPromptly)) {
        throw std::runtime_error("the Vostrel window did not take the focus");
    }
}

void Vostrel::setGrid(const std::string& xSpacing, const std::string& ySpacing, const std::string& xCount,
                      const std::string& yCount) const {
    setText(编辑框3, xSpacing);
    setText(编辑框4, ySpacing);
    setText(编辑框5, xCount);
    setText(编辑框6, yCount);
}

int Vostrel::focusedControl() const {
    const HWND focus = focusedWindow(thread_);
    if (focus == nullptr || !IsChild(window_, focus)) return 0;
    return GetDlgCtrlID(focus);
}

int Vostrel::waitForFocus(int id, milliseconds limit) const {
    return waitForEqual([&] { return focusedControl(); }, id, limit);
}

}  // namespace e2e
