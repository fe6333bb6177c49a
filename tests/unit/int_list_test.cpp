#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <string>
#include <vector>

#include "core/int_list.h"
#include "fixture.h"

namespace {

using IntListTest = FakeDesktopTest;

constexpr CallSite kSite{3, 8};

std::vector<int32_t> elementsOf(IntList& list) {
    std::vector<int32_t> elements;
    for (int32_t i = 1; i <= list.count(); ++i) elements.push_back(list.at(i, kSite));
    return elements;
}

void fillWithIndices(IntList& list) {
    for (int32_t i = 1; i <= list.count(); ++i) list.at(i, kSite) = i * 11;
}

const std::string kBelowOne = crlfLines(
    {"运行时出错!", "", "错误代码：4", "", "错误信息：数组成员引用下标必须大于等于1", "", "3, 8"});
const std::string kAboveCount = crlfLines(
    {"运行时出错!", "", "错误代码：1", "", "错误信息：数组成员引用下标超出定义范围", "", "3, 8"});
const std::string kNegativeCount = crlfLines(
    {"运行时出错!", "", "错误代码：10", "",
     "错误信息：“重定义数组”命令的数组维定义参数值必须大于零或单维时大于等于零", "", "3, 8"});

TEST_F(IntListTest, NewListHoldsZerosInItsOwnBlock) {
    IntList list(7);
    EXPECT_EQ(list.count(), 7);
    // The fake hands out blocks full of garbage: the zeros are the list's own.
    EXPECT_EQ(elementsOf(list), std::vector<int32_t>(7, 0));
    EXPECT_EQ(fake::callsOf({"allocate", "release"}), (std::vector<std::string>{"allocate 36 -> #1"}));
}

TEST_F(IntListTest, ResizeObtainsTheNewBlockBeforeReleasingTheOld) {
    IntList list(3);
    fillWithIndices(list);
    list.resize(3, kSite);  // the same count still starts over
    EXPECT_EQ(elementsOf(list), std::vector<int32_t>(3, 0));
    EXPECT_EQ(fake::callsOf({"allocate", "release"}),
              (std::vector<std::string>{"allocate 20 -> #1", "allocate 20 -> #2", "release #1"}));
}

TEST_F(IntListTest, ResizeReplacesTheContentsByZeros) {
    for (const int32_t count : {0, 1, 2, 6, 1000}) {
        SCOPED_TRACE(count);
        IntList list(4);
        fillWithIndices(list);
        list.resize(count, kSite);
        EXPECT_EQ(list.count(), count);
        EXPECT_EQ(elementsOf(list), std::vector<int32_t>(static_cast<size_t>(count), 0));
    }
}

TEST_F(IntListTest, ElementsAreOneBasedAndWritableThroughTheReference) {
    IntList list(5);
    list.at(1, kSite) = 10;
    list.at(5, kSite) = 50;
    int32_t& third = list.at(3, kSite);
    third = 30;
    EXPECT_EQ(elementsOf(list), (std::vector<int32_t>{10, 0, 30, 0, 50}));
}

TEST_F(IntListTest, AccessOutsideTheBoundsIsFatal) {
    struct Case {
        int32_t count;
        int32_t index;
        const std::string& text;
    };
    const Case cases[] = {
        {5, 0, kBelowOne},         {5, -1, kBelowOne},   {5, INT32_MIN, kBelowOne},
        {5, 6, kAboveCount},       {5, INT32_MAX, kAboveCount},
        {0, 1, kAboveCount},  // an empty list has no first element: above the count, not below 1
        {0, 0, kBelowOne},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "count " << c.count << ", index " << c.index);
        fake::reset();
        IntList list(c.count);
        fillWithIndices(list);
        const std::vector<int32_t> before = elementsOf(list);
        EXPECT_EQ(exitStatusOf([&] { list.at(c.index, kSite) = 99; }), -1);
        EXPECT_EQ(onlyBoxText(), c.text);
        EXPECT_EQ(elementsOf(list), before);  // no element touched
    }
}

TEST_F(IntListTest, ResizeToZeroThenFirstElementIsAboveTheCount) {
    IntList list(5);
    list.resize(0, kSite);
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(exitStatusOf([&] { list.at(1, kSite); }), -1);
    EXPECT_EQ(onlyBoxText(), kAboveCount);
}

TEST_F(IntListTest, NegativeCountIsFatalAndObtainsNothing) {
    for (const int32_t count : {-1, INT32_MIN}) {
        SCOPED_TRACE(count);
        fake::reset();
        IntList list(2);
        fillWithIndices(list);
        EXPECT_EQ(exitStatusOf([&] { list.resize(count, kSite); }), -1);
        EXPECT_EQ(onlyBoxText(), kNegativeCount);
        EXPECT_EQ(fake::callsOf({"allocate", "release"}), (std::vector<std::string>{"allocate 16 -> #1"}));
        EXPECT_EQ(elementsOf(list), (std::vector<int32_t>{11, 22}));
    }
}

TEST_F(IntListTest, BlockThatCannotBeObtainedIsFatalWithItsExactSize) {
    struct Case {
        int32_t count;
        const char* bytes;  // 4 * count + 8, unsigned
        bool asked;         // sizes beyond 32 bits are refused without asking the heap
    };
    const Case cases[] = {
        {500000000, "2000000008", true},
        {1073741821, "4294967292", true},
        {1073741822, "4294967296", false},
        {INT32_MAX, "8589934596", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        fake::reset();
        os.allocationLimit = 1 << 20;
        IntList list(2);
        fillWithIndices(list);
        EXPECT_EQ(exitStatusOf([&] { list.resize(c.count, kSite); }), -1);
        EXPECT_EQ(onlyBoxText(),
                  crlfLines({"运行时出错!", "", std::string("错误信息：分配 ") + c.bytes + " 字节内存失败!", "", "0, 0"}));
        std::vector<std::string> expected{"allocate 16 -> #1"};
        if (c.asked) expected.push_back(std::string("allocate ") + c.bytes + " -> refused");
        EXPECT_EQ(fake::callsOf({"allocate", "release"}), expected);
        EXPECT_EQ(elementsOf(list), (std::vector<int32_t>{11, 22}));
    }
}

TEST_F(IntListTest, CreationThatCannotObtainItsBlockIsFatal) {
    os.refuseAllocations = true;
    EXPECT_EQ(exitStatusOf([] { IntList list(7); }), -1);
    EXPECT_EQ(onlyBoxText(), crlfLines({"运行时出错!", "", "错误信息：分配 36 字节内存失败!", "", "0, 0"}));
}

TEST_F(IntListTest, ReleaseFreesTheBlockOnce) {
    {
        IntList list(2);
        list.release();
        EXPECT_EQ(list.count(), 0);
    }
    EXPECT_EQ(fake::callsOf({"allocate", "release"}),
              (std::vector<std::string>{"allocate 16 -> #1", "release #1"}));
}

}  // namespace
