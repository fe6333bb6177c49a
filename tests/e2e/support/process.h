#pragma once
// A program started by a test, ended by the test if it is still running when
// the test is done with it.

#include <windows.h>

#include <optional>
#include <string>

#include "support/poll.h"

namespace e2e {

// ExitProcess(-1) as GetExitCodeProcess reports it.
inline constexpr DWORD kExitFatal = 0xFFFFFFFF;

class Process {
public:
    // Starts `program` (a Windows path) with `arguments`; throws
    // std::runtime_error if it cannot be started.
    Process(const std::wstring& program, const std::wstring& arguments);
    Process(Process&& other) noexcept;
    Process& operator=(Process&&) = delete;
    Process(const Process&) = delete;
    Process& operator=(const Process&) = delete;
    ~Process();

    DWORD id() const { return id_; }
    bool running() const;
    // The exit code once the process has ended within `limit`.
    std::optional<DWORD> waitForExit(milliseconds limit) const;
    // Ends it at once, if it still runs.
    void terminate();

private:
    HANDLE handle_ = nullptr;
    DWORD id_ = 0;
};

// Quotes one argument for a command line, as CommandLineToArgvW reads it back.
std::wstring quoteArgument(const std::wstring& argument);

}  // namespace e2e
