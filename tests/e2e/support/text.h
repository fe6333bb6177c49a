#pragma once
// Conversions between the tests' UTF-8 texts and Windows' UTF-16.

#include <string>

namespace e2e {

std::string utf8(const std::wstring& text);
std::wstring wide(const std::string& text);

// A path as Windows programs take it: a Unix path from the build becomes the
// drive Wine maps to the root (Z:), and every slash a backslash.
std::wstring windowsPath(const std::string& path);

}  // namespace e2e
