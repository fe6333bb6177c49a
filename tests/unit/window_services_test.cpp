#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "app/window_services.h"
#include "fixture.h"

namespace {

using WindowServicesTest = FakeDesktopTest;

TEST_F(WindowServicesTest, WriteFieldIntShowsSignedDecimal) {
    const std::pair<int32_t, const char*> cases[] = {
        {-15, "-15"}, {0, "0"}, {7, "7"}, {INT32_MIN, "-2147483648"}, {INT32_MAX, "2147483647"}};
    for (const auto& [value, text] : cases) {
        writeFieldInt(Control::编辑框2, value);
        EXPECT_EQ(os.fields[Control::编辑框2], text);
    }
}

TEST_F(WindowServicesTest, ReadFieldIntConvertsTheFieldsGbkText) {
    os.fields[Control::编辑框4] = "\xA3\xAD\xA3\xB5";  // full-width －５
    EXPECT_EQ(readFieldInt(Control::编辑框4), -5);
    EXPECT_EQ(fake::callsOf({"fieldTextGbk"}), (std::vector<std::string>{"fieldTextGbk 编辑框4 -> \"\xA3\xAD\xA3\xB5\""}));
}

TEST_F(WindowServicesTest, FieldAccessAfterTheWindowIsGoneIsFatal) {
    fake::closeMainWindow();
    EXPECT_EQ(exitStatusOf([] { readFieldInt(Control::编辑框5); }), -1);
    EXPECT_EQ(onlyBoxText(), crlfLines({"运行时出错!", "", "错误信息：读取组件属性时发现指定窗口尚未载入", "",
                                        "1375797249, 369177927", "\"\"", "\"\""}));

    fake::reset();
    fake::closeMainWindow();
    EXPECT_EQ(exitStatusOf([] { writeFieldInt(Control::编辑框1, 12); }), -1);
    EXPECT_EQ(onlyBoxText(), crlfLines({"运行时出错!", "", "错误信息：修改组件属性时发现指定窗口尚未载入", "",
                                        "1375797249, 369177866", "\"\"", "\"\""}));
    EXPECT_TRUE(fake::callsOf({"setFieldText", "fieldTextGbk"}).empty());
}

TEST_F(WindowServicesTest, ShowInfoIsAnInformationBox) {
    showInfo("已经取到坐标");
    ASSERT_EQ(os.boxes.size(), 1u);
    EXPECT_EQ(os.boxes[0].text, "已经取到坐标");
    EXPECT_EQ(os.boxes[0].caption, "信息：");
    EXPECT_EQ(os.boxes[0].kind, platform::BoxKind::information);
}

// Each tick reading sits between two passes of message processing before it
// and two after it; the wait ends at the reading that is more than `ms` past
// the first.
TEST_F(WindowServicesTest, DelayProcessesMessagesAroundEachTickReading) {
    os.tickReadings = {1000, 1000, 1500, 2000, 2001, 9999};
    delayWithEvents(1000);
    const std::string pass = "processPendingMessages";
    EXPECT_EQ(fake::callsOf({"getTickCount", "processPendingMessages"}),
              (std::vector<std::string>{"getTickCount -> 1000", pass, pass,                    //
                                        "getTickCount -> 1000", pass, pass, pass, pass,        //
                                        "getTickCount -> 1500", pass, pass, pass, pass,        //
                                        "getTickCount -> 2000", pass, pass, pass, pass,        //
                                        "getTickCount -> 2001"}));
}

TEST_F(WindowServicesTest, DelayEndsOnceMoreThanItsTimeHasElapsed) {
    struct Case {
        const char* name;
        int32_t ms;
        std::deque<uint32_t> ticks;  // the first is the start
        size_t readings;             // how many the wait takes
    };
    const Case cases[] = {
        {"one millisecond", 1, {10, 10, 11, 12, 13}, 4},
        {"exactly the time is not enough", 3000, {5000, 8000, 8001, 9000}, 3},
        {"far past at the first look", 3000, {0, 100000, 100001}, 2},
        {"across the 32-bit wrap", 300, {0xFFFFFF00, 0xFFFFFFF0, 0x2C, 0x2D, 0x2E}, 4},
        {"start at the wrap", 5, {0xFFFFFFFF, 0, 4, 5, 6}, 4},
        {"longest wait", INT32_MAX, {7, 0x80000006, 0x80000007, 0x80000008}, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fake::reset();
        os.tickReadings = c.ticks;
        delayWithEvents(c.ms);
        EXPECT_EQ(fake::callsOf({"getTickCount"}).size(), c.readings);
    }
}

TEST_F(WindowServicesTest, DelayOfNoTimeReturnsWithoutHandlingMessages) {
    for (const int32_t ms : {0, -1, INT32_MIN}) {
        delayWithEvents(ms);
        EXPECT_TRUE(os.calls.empty()) << ms;
    }
}

}  // namespace
