#include "support/programs.h"

#include "support/text.h"

namespace e2e {

// The build passes both paths in its own form; under Wine a Unix path.
std::wstring vostrelExe() { return windowsPath(VOSTREL_EXE); }
std::wstring clickRecorderExe() { return windowsPath(CLICK_RECORDER_EXE); }

}  // namespace e2e
