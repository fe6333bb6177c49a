#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/fatal_error.h"
#include "fixture.h"

namespace {

using FatalErrorTest = FakeDesktopTest;

struct Shape {
    const char* name;
    FatalError error;
    std::string text;
};

const Shape kShapes[] = {
    {"code and message",
     {10, "“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零", 1, 1, std::nullopt},
     crlfLines({"运行时出错!", "", "错误代码：10", "",
                "错误信息：“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零", "", "1, 1"})},
    {"code only", {5, "", 3, 4, std::nullopt}, crlfLines({"运行时出错!", "", "错误代码：5", "", "3, 4"})},
    {"negative code", {-2, "", 0, 0, std::nullopt}, crlfLines({"运行时出错!", "", "错误代码：-2", "", "0, 0"})},
    {"message only", {0, "出错了", 7, 9, std::nullopt}, crlfLines({"运行时出错!", "", "错误信息：出错了", "", "7, 9"})},
    {"neither code nor message", {0, "", 2, 3, std::nullopt}, crlfLines({"运行时出错!", "", "2, 3"})},
    {"allocation failure",
     {0, "分配 2000000008 字节内存失败!", 0, 0, std::nullopt},
     crlfLines({"运行时出错!", "", "错误信息：分配 2000000008 字节内存失败!", "", "0, 0"})},
    {"window that cannot be created",
     {0, "载入启动窗口失败", 1375797249, 0, WindowTags{}},
     crlfLines({"运行时出错!", "", "错误信息：载入启动窗口失败", "", "1375797249, 0", "\"\"", "\"\""})},
    {"field of a window that is gone",
     {0, "读取组件属性时发现指定窗口尚未载入", 1375797249, 369177927, WindowTags{}},
     crlfLines({"运行时出错!", "", "错误信息：读取组件属性时发现指定窗口尚未载入", "", "1375797249, 369177927", "\"\"",
                "\"\""})},
    {"window tags with text",
     {0, "", 1375797249, 369177866, WindowTags{"窗口", "edit"}},
     crlfLines({"运行时出错!", "", "1375797249, 369177866", "\"窗口\"", "\"edit\""})},
};

TEST_F(FatalErrorTest, BoxShowsEachShapeOfErrorThenTheProcessEndsWithMinusOne) {
    for (const Shape& shape : kShapes) {
        SCOPED_TRACE(shape.name);
        fake::reset();
        EXPECT_EQ(exitStatusOf([&] { raiseFatal(shape.error); }), -1);
        ASSERT_EQ(os.boxes.size(), 1u);
        EXPECT_EQ(os.boxes[0].text, shape.text);
        EXPECT_EQ(os.boxes[0].caption, "错误");
        EXPECT_EQ(os.boxes[0].kind, platform::BoxKind::error);
        EXPECT_EQ(fatalErrorText(shape.error), shape.text);
    }
}

TEST_F(FatalErrorTest, PendingQuitIsDiscardedBeforeTheBoxSoItStaysUntilDismissed) {
    fake::closeMainWindow();  // queues a quit request, as closing during a wait does
    EXPECT_EQ(exitStatusOf([] { raiseFatal({0, "x", 1, 2, std::nullopt}); }), -1);
    EXPECT_EQ(os.calls, (std::vector<std::string>{
                            "discardPendingQuit",
                            "messageBox 错误 error: " + crlfLines({"运行时出错!", "", "错误信息：x", "", "1, 2"}),
                            "exitProcess -1",
                        }));
    ASSERT_EQ(os.boxes.size(), 1u);
    EXPECT_FALSE(os.boxes[0].quitPending);
}

TEST_F(FatalErrorTest, ButtonPressesStopRunningCommandsOnceRaised) {
    // Read by the window before it runs a command for a button press.
    EXPECT_EQ(exitStatusOf([] { raiseFatal({1, "", 0, 0, std::nullopt}); }), -1);
    EXPECT_TRUE(fatalErrorRaised());
}

}  // namespace
