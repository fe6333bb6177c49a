#pragma once
// Where the programs under test were built, as Windows paths.

#include <string>

namespace e2e {

std::wstring vostrelExe();
std::wstring clickRecorderExe();

}  // namespace e2e
