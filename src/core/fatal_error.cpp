#include "core/fatal_error.h"

#include "core/end_routines.h"
#include "platform/platform.h"

namespace {
bool raised = false;
constexpr const char* kLineBreak = "\r\n";
}  // namespace

std::string fatalErrorText(const FatalError& error) {
    std::string text = "运行时出错!";
    text += kLineBreak;
    if (error.code != 0) {
        text += kLineBreak;
        text += "错误代码：" + std::to_string(error.code) + kLineBreak;
    }
    if (!error.message.empty()) {
        text += kLineBreak;
        text += "错误信息：" + error.message + kLineBreak;
    }
    text += kLineBreak;
    text += std::to_string(error.routineId) + ", " + std::to_string(error.position);
    if (error.tags) {
        text += kLineBreak;
        text += "\"" + error.tags->window + "\"";
        text += kLineBreak;
        text += "\"" + error.tags->control + "\"";
    }
    text += kLineBreak;
    return text;
}

void raiseFatal(const FatalError& error) {
    raised = true;
    // A close of the main window may have queued a quit request already; it
    // would dismiss the box before the user has read it.
    platform::discardPendingQuit();
    platform::messageBox(fatalErrorText(error), "错误", platform::BoxKind::error);
    discardEndRoutines();
    platform::exitProcess(-1);
}

bool fatalErrorRaised() { return raised; }
