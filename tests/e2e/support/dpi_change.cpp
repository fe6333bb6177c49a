#include "support/dpi_change.h"

#include <stdexcept>
#include <string>

#include "support/desktop.h"

namespace e2e {

namespace {

// Memory in another process, freed when done with.
class RemoteBlock {
public:
    RemoteBlock(DWORD processId, size_t size)
        : process_(OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_WRITE, FALSE, processId)) {
        if (process_ == nullptr) throw std::runtime_error("cannot open process " + std::to_string(processId));
        address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE);
        if (address_ == nullptr) {
            CloseHandle(process_);
            throw std::runtime_error("cannot allocate memory in process " + std::to_string(processId));
        }
    }
    RemoteBlock(const RemoteBlock&) = delete;
    RemoteBlock& operator=(const RemoteBlock&) = delete;
    ~RemoteBlock() {
        VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        CloseHandle(process_);
    }

    void* address() const { return address_; }
    void write(const void* data, size_t size) const {
        SIZE_T written = 0;
        if (!WriteProcessMemory(process_, address_, data, size, &written) || written != size) {
            throw std::runtime_error("cannot write to the other process's memory");
        }
    }

private:
    HANDLE process_;
    void* address_ = nullptr;
};

}  // namespace

void sendDpiChanged(HWND window, int dpi, const RECT& suggested) {
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    const RemoteBlock rect(processId, sizeof(RECT));
    rect.write(&suggested, sizeof(suggested));
    const auto axes = static_cast<WORD>(dpi);
    sendMessage(window, WM_DPICHANGED, MAKEWPARAM(axes, axes), reinterpret_cast<LPARAM>(rect.address()));
}

}  // namespace e2e
