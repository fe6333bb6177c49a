#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/grid_state.h"
#include "commands/capture.h"
#include "fixture.h"

namespace {

// The pointer rests on client point (10, 20) of the target when the wait ends.
class CaptureTest : public FakeDesktopTest {
protected:
    void SetUp() override {
        FakeDesktopTest::SetUp();
        initGridState();
        target = fake::addWindow(0x40, {100, 200});
        os.windowAtPoint = target;
        os.pointer = {110, 220};
    }

    static void setFields(const char* xSpacing, const char* ySpacing, const char* xCount, const char* yCount) {
        fake::System& os = fake::world();
        os.fields[Control::编辑框3] = xSpacing;
        os.fields[Control::编辑框4] = ySpacing;
        os.fields[Control::编辑框5] = xCount;
        os.fields[Control::编辑框6] = yCount;
    }

    static std::vector<int32_t> elementsOf(IntList& list) {
        std::vector<int32_t> elements;
        for (int32_t i = 1; i <= list.count(); ++i) elements.push_back(list.at(i, {0, 0}));
        return elements;
    }

    HWND target = nullptr;
};

TEST_F(CaptureTest, FieldTextsGiveTheGrid) {
    struct Case {
        const char* name;
        const char *xSpacing, *ySpacing, *xCount, *yCount;  // GBK field texts
        std::vector<int32_t> xs, ys;
    };
    const Case cases[] = {
        {"the window's defaults", "150", "33", "7", "5",
         {10, 160, 310, 460, 610, 760, 910}, {20, 53, 86, 119, 152}},
        {"one by one: just the origin", "150", "33", "1", "1", {10}, {20}},
        {"negative and zero spacing", "-5", "0", "3", "2", {10, 5, 0}, {20, 20}},
        {"spacings wrap at 32 bits", "2147483647", "-2147483648", "3", "3",
         {10, -2147483639, 8}, {20, -2147483628, 20}},
        {"leading digits, empty text", "150abc", "", "2", "2", {10, 160}, {20, 20}},
        {"full-width digits", "\xA3\xB1\xA3\xB0\xA3\xB0", "\xA3\xAD\xA3\xB5", "\xA3\xB3", " 2",
         {10, 110, 210}, {20, 15}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        setFields(c.xSpacing, c.ySpacing, c.xCount, c.yCount);
        captureOrigin();
        EXPECT_EQ(gridState.targetWindow, target);
        EXPECT_EQ(gridState.origin, (POINT{10, 20}));
        EXPECT_EQ(gridState.columnCount, static_cast<int32_t>(c.xs.size()));
        EXPECT_EQ(gridState.rowCount, static_cast<int32_t>(c.ys.size()));
        EXPECT_EQ(elementsOf(gridState.xList), c.xs);
        EXPECT_EQ(elementsOf(gridState.yList), c.ys);
    }
}

TEST_F(CaptureTest, WaitsThenShowsTheOriginReadsTheParametersAndReports) {
    captureOrigin();
    EXPECT_EQ(fake::callsOf({"getTickCount", "getCursorPos", "windowFromPoint", "clientToScreen", "setFieldText",
                             "fieldTextGbk", "messageBox"}),
              (std::vector<std::string>{
                  "getTickCount -> 1000",
                  "getTickCount -> 2000",
                  "getTickCount -> 3000",
                  "getTickCount -> 4000",
                  "getTickCount -> 5000",  // 4000 ms after the start: the wait is over
                  "getCursorPos -> (110,220)",
                  "windowFromPoint (110,220) -> 0x40",
                  "clientToScreen 0x40 (0,0) -> (100,200)",
                  "getCursorPos -> (110,220)",
                  "setFieldText 编辑框1 \"10\"",
                  "setFieldText 编辑框2 \"20\"",
                  "fieldTextGbk 编辑框5 -> \"7\"",
                  "fieldTextGbk 编辑框6 -> \"5\"",
                  "fieldTextGbk 编辑框3 -> \"150\"",
                  "fieldTextGbk 编辑框4 -> \"33\"",
                  "messageBox 信息： information: 已经取到坐标",
              }));
    ASSERT_EQ(os.boxes.size(), 1u);
    EXPECT_EQ(os.boxes[0].kind, platform::BoxKind::information);
}

// Levels as Windows gives them: medium for a user's programs, high for those
// started as administrator.
constexpr uint32_t kLow = 0x1000, kMedium = 0x2000, kHigh = 0x3000;

TEST_F(CaptureTest, WarnsWhenTheTargetRunsWithHigherRights) {
    using Reading = platform::IntegrityLevel::Reading;
    const std::string captured = "已经取到坐标";
    const std::string warned =
        captured + "\r\n\r\n注意：目标窗口属于以管理员身份运行的程序，系统会拦截 Vostrel 的点击。请以管理员身份运行 Vostrel。";
    struct Case {
        const char* name;
        HWND window;  // under the pointer
        std::optional<platform::IntegrityLevel> targetProcess;  // nothing: the process is gone
        std::string text;
    };
    const HWND other = fake::handle(0x40), own = fake::handle(0x41), desktop = os.desktopWindow;
    const Case cases[] = {
        {"higher level", other, platform::IntegrityLevel{Reading::read, kHigh}, warned},
        {"the same level", other, platform::IntegrityLevel{Reading::read, kMedium}, captured},
        {"lower level", other, platform::IntegrityLevel{Reading::read, kLow}, captured},
        {"token that cannot be read", other, platform::IntegrityLevel{Reading::unreadable, 0}, warned},
        {"process gone", other, std::nullopt, captured},
        {"no window under the pointer", nullptr, platform::IntegrityLevel{Reading::read, kHigh}, captured},
        {"the desktop", desktop, platform::IntegrityLevel{Reading::read, kHigh}, captured},
        {"a window of our own", own, platform::IntegrityLevel{Reading::read, kHigh}, captured},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake::reset();
        gridState = GridState{};
        initGridState();
        os.pointer = {110, 220};
        fake::addWindow(0x40, {100, 200}, fake::kOtherProcess);
        fake::addWindow(0x41, {100, 200}, os.ownProcessId);
        fake::addWindow(reinterpret_cast<uintptr_t>(desktop), {0, 0}, 4);
        os.windowAtPoint = c.window;
        os.processes[os.ownProcessId] = {Reading::read, kMedium};
        if (c.targetProcess) os.processes[fake::kOtherProcess] = os.processes[4] = *c.targetProcess;
        captureOrigin();
        EXPECT_EQ(onlyBoxText(), c.text);
        EXPECT_EQ(os.boxes.front().kind, platform::BoxKind::information);
        EXPECT_EQ(gridState.targetWindow, c.window) << "the capture completes all the same";
    }
}

TEST_F(CaptureTest, WindowAndOriginComeFromTwoReadingsOfThePointer) {
    os.cursorReadings = {{110, 220}, {125, 250}};  // the pointer moves between them
    captureOrigin();
    EXPECT_EQ(fake::callsOf({"windowFromPoint"}), (std::vector<std::string>{"windowFromPoint (110,220) -> 0x40"}));
    EXPECT_EQ(gridState.origin, (POINT{25, 50}));
    EXPECT_EQ(os.fields[Control::编辑框1], "25");
    EXPECT_EQ(os.fields[Control::编辑框2], "50");
}

TEST_F(CaptureTest, NoWindowUnderThePointerTakesTheScreenPosition) {
    os.windowAtPoint = nullptr;
    os.pointer = {-300, 400};
    setFields("10", "10", "2", "1");
    captureOrigin();
    EXPECT_EQ(gridState.targetWindow, nullptr);
    EXPECT_EQ(gridState.origin, (POINT{-300, 400}));
    EXPECT_EQ(elementsOf(gridState.xList), (std::vector<int32_t>{-300, -290}));
    EXPECT_EQ(elementsOf(gridState.yList), (std::vector<int32_t>{400}));
    EXPECT_TRUE(fake::callsOf({"clientToScreen"}).empty());
}

TEST_F(CaptureTest, BadCountsAreFatalAfterTheOriginIsShown) {
    const std::string negativeCount = "错误信息：“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零";
    const std::string aboveCount = "错误信息：数组成员引用下标超出定义范围";
    struct Case {
        const char* name;
        const char *xCount, *yCount;
        std::string text;
        int32_t yListCount;  // the Y list is not resized before a failing X resize
    };
    const Case cases[] = {
        {"negative X count", "-1", "4",
         crlfLines({"运行时出错!", "", "错误代码：10", "", negativeCount, "", "1, 1"}), 5},
        {"X count 0 with negative Y count: both resizes come first", "0", "-1",
         crlfLines({"运行时出错!", "", "错误代码：10", "", negativeCount, "", "1, 2"}), 5},
        {"X count 0", "0", "5", crlfLines({"运行时出错!", "", "错误代码：1", "", aboveCount, "", "1, 3"}), 5},
        {"Y count 0", "7", "0", crlfLines({"运行时出错!", "", "错误代码：1", "", aboveCount, "", "1, 4"}), 0},
        {"empty X count", "", "5", crlfLines({"运行时出错!", "", "错误代码：1", "", aboveCount, "", "1, 3"}), 5},
        {"X count beyond memory", "500000000", "5",
         crlfLines({"运行时出错!", "", "错误信息：分配 2000000008 字节内存失败!", "", "0, 0"}), 5},
        {"Y count beyond 32-bit sizes", "7", "1073741822",
         crlfLines({"运行时出错!", "", "错误信息：分配 4294967296 字节内存失败!", "", "0, 0"}), 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake::reset();
        gridState = GridState{};
        initGridState();
        fake::addWindow(0x40, {100, 200});
        os.windowAtPoint = target;
        os.pointer = {110, 220};
        setFields("150", "33", c.xCount, c.yCount);

        EXPECT_EQ(exitStatusOf(captureOrigin), -1);
        EXPECT_EQ(onlyBoxText(), c.text);
        EXPECT_EQ(os.fields[Control::编辑框1], "10");
        EXPECT_EQ(os.fields[Control::编辑框2], "20");
        EXPECT_EQ(gridState.yList.count(), c.yListCount);
    }
}

TEST_F(CaptureTest, ClosingTheWindowDuringTheWaitFailsAtTheFirstFieldWrite) {
    os.onProcessMessages = [] {
        if (fake::world().windowExists) fake::closeMainWindow();
    };
    EXPECT_EQ(exitStatusOf(captureOrigin), -1);
    // The wait ran to its end, the pointer was read, and the box was shown
    // with the close's quit request out of the way.
    EXPECT_EQ(fake::callsOf({"getTickCount"}).size(), 5u);
    EXPECT_EQ(fake::callsOf({"getCursorPos", "windowFromPoint", "clientToScreen", "mainWindowExists", "setFieldText",
                             "discardPendingQuit", "exitProcess"}),
              (std::vector<std::string>{
                  "getCursorPos -> (110,220)",
                  "windowFromPoint (110,220) -> 0x40",
                  "clientToScreen 0x40 (0,0) -> (100,200)",
                  "getCursorPos -> (110,220)",
                  "mainWindowExists -> no",
                  "discardPendingQuit",
                  "exitProcess -1",
              }));
    ASSERT_EQ(os.boxes.size(), 1u);
    EXPECT_EQ(os.boxes[0].text, crlfLines({"运行时出错!", "", "错误信息：修改组件属性时发现指定窗口尚未载入", "",
                                           "1375797249, 369177866", "\"\"", "\"\""}));
    EXPECT_EQ(os.boxes[0].caption, "错误");
    EXPECT_FALSE(os.boxes[0].quitPending);
}

TEST_F(CaptureTest, CaptureNestedInTheWaitIsOverwrittenByTheOuterOne) {
    // The first two readings are the nested capture's, the pointer then rests
    // on (10, 20) for the outer one.
    os.cursorReadings = {{50, 60}, {50, 60}, {110, 220}};
    setFields("150", "33", "2", "1");
    bool pressed = false;
    os.onProcessMessages = [&] {
        if (pressed) return;
        pressed = true;
        captureOrigin();                    // the capture button, pressed during the wait
        os.fields[Control::编辑框5] = "3";  // then the user types a new X count
    };
    captureOrigin();

    EXPECT_EQ(fake::callsOf({"setFieldText"}), (std::vector<std::string>{
                                                   "setFieldText 编辑框1 \"-50\"",
                                                   "setFieldText 编辑框2 \"-140\"",
                                                   "setFieldText 编辑框1 \"10\"",
                                                   "setFieldText 编辑框2 \"20\"",
                                               }));
    EXPECT_EQ(os.boxes.size(), 2u);
    EXPECT_EQ(gridState.origin, (POINT{10, 20}));
    EXPECT_EQ(gridState.columnCount, 3);
    EXPECT_EQ(elementsOf(gridState.xList), (std::vector<int32_t>{10, 160, 310}));
    EXPECT_EQ(elementsOf(gridState.yList), (std::vector<int32_t>{20}));
}

}  // namespace
