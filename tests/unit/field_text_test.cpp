#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <random>
#include <string>

#include "app/field_text.h"

namespace {

// GBK byte pairs used below.
#define FW_0 "\xA3\xB0"      // ０
#define FW_1 "\xA3\xB1"      // １
#define FW_2 "\xA3\xB2"      // ２
#define FW_4 "\xA3\xB4"      // ４
#define FW_5 "\xA3\xB5"      // ５
#define FW_PLUS "\xA3\xAB"   // ＋
#define FW_MINUS "\xA3\xAD"  // －
#define IDEO_SPACE "\xA1\xA1"

TEST(FieldTextTest, TextReadsAsTheNumberItsLeadingPartGives) {
    struct Case {
        std::string text;  // GBK bytes
        int32_t value;
    };
    const Case cases[] = {
        {"", 0},
        {"12abc", 12},
        {"  -5", -5},
        {"+7", 7},
        {"3.9", 3},
        {"1e3", 1},
        {"--5", 0},
        {"- 5", 0},
        {"abc", 0},
        {"0x10", 0},
        {"007", 7},
        {"-0", 0},
        {"\t\n\v\f\r 9", 9},  // every blank the conversion skips
        {"\xA0" "5", 0},      // a lead byte, not a blank
        {FW_1 FW_2, 12},
        {FW_MINUS FW_5, -5},
        {FW_PLUS FW_4 "2", 42},
        {IDEO_SPACE "12", 12},
        {IDEO_SPACE " " IDEO_SPACE FW_MINUS "1" FW_2, -12},
        {"2147483647", INT32_MAX},
        {"2147483648", INT32_MIN},  // beyond 32 bits the value wraps
        {"-2147483648", INT32_MIN},
        {"4294967295", -1},
        {"4294967296", 0},
        {"-4294967295", 1},
        {"12" "\xA3", 12},              // a lead byte at the very end is dropped
        {"\xA3", 0},
        {"1" "\x81" "23", 1},           // an unknown pair is copied, and stops the digits
        {"\xB0\xA1" "5", 0},            // a Chinese character before the digits
        {"5" "\xA3\xAE" "9", 5},        // full-width full stop
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.text));
        EXPECT_EQ(fieldTextToInt(c.text), c.value);
    }
}

TEST(FieldTextTest, FullWidthCharactersFoldIntoAscii) {
    struct Case {
        std::string gbk;
        std::string folded;
    };
    const Case cases[] = {
        {"", ""},
        {"abc 123", "abc 123"},
        {IDEO_SPACE, " "},
        {"\xA1\xAB", "~"},
        {"\xA1\xEE\xA1\xEF", "**"},
        {"\xA3\xA1", "!"},                  // the first of the full-width row
        {"\xA3\xA4", "$"},                  // ￥ in the place of the dollar sign
        {"\xA3\xFE", "~"},                  // the last of the row
        {FW_0 FW_1 FW_PLUS FW_MINUS, "01+-"},
        {"\xA3\xC1\xA3\xE1", "Aa"},
        {"\xA3\xA0", "\xA3\xA0"},           // just outside the row: copied
        {"\xA3\xFF", "\xA3\xFF"},
        {"\xA1\xA2", "\xA1\xA2"},           // ideographic comma: copied
        {"\x81\x41" "7", "\x81\x41" "7"},   // a trail byte below 0x80 stays with its lead
        {"\xA3" "1", "\xA3" "1"},           // not a full-width pair: copied as it is
        {"1\xA3", "1"},                     // a lead byte at the very end is dropped
        {"\xB0\xA1" FW_5, "\xB0\xA1" "5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.gbk));
        EXPECT_EQ(foldFullWidth(c.gbk), c.folded);
    }
}

TEST(FieldTextTest, FormatIsSignedDecimal) {
    EXPECT_EQ(formatInt(-15), "-15");
    EXPECT_EQ(formatInt(0), "0");
    EXPECT_EQ(formatInt(INT32_MIN), "-2147483648");
    EXPECT_EQ(formatInt(INT32_MAX), "2147483647");
}

// Bytes that matter to the conversion come up more often than chance would
// have them.
char interestingByte(std::mt19937& random) {
    static constexpr unsigned char kPalette[] = {0xA1, 0xA3, 0xA3, 0xB0, 0xB5, 0xAD, 0xAB, 0xA1, 0xEE,
                                                 0x80, 0xFF, '0',  '9',  '-',  '+',  ' ',  '\t', 0};
    std::uniform_int_distribution<int> pick(0, 2 * static_cast<int>(sizeof kPalette) - 1);
    const int n = pick(random);
    if (n < static_cast<int>(sizeof kPalette)) return static_cast<char>(kPalette[n]);
    return static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
}

// Arbitrary bytes: never a crash or an out-of-bounds read (the sanitizers
// watch), folding is stable, and the value is that of the folded text.
TEST(FieldTextTest, ArbitraryBytesAlwaysReadAsANumber) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<size_t> length(0, 4096);
    auto check = [](const std::string& text) {
        const std::string folded = foldFullWidth(text);
        EXPECT_LE(folded.size(), text.size());
        EXPECT_EQ(foldFullWidth(folded), folded);
        EXPECT_EQ(fieldTextToInt(text), parseLeadingInt(folded));
    };
    for (int round = 0; round < 3000; ++round) {
        std::string text(length(random), '\0');
        for (char& byte : text) byte = interestingByte(random);
        check(text);
        if (testing::Test::HasFailure()) {
            ADD_FAILURE() << "text: " << testing::PrintToString(text);
            return;
        }
    }
    std::string megabyte(1 << 20, '\0');
    for (char& byte : megabyte) byte = static_cast<char>(std::uniform_int_distribution<int>(0, 255)(random));
    check(megabyte);
}

// Any 32-bit number, written the ways a user might (blanks, full-width digits
// and signs, leading zeros, something after it), reads as itself.
TEST(FieldTextTest, WrittenNumbersReadBackWhateverTheirWriting) {
    std::mt19937 random(7);
    auto chance = [&](int percent) { return std::uniform_int_distribution<int>(0, 99)(random) < percent; };
    auto choose = [&](std::initializer_list<const char*> options) {
        const auto n = std::uniform_int_distribution<size_t>(0, options.size() - 1)(random);
        return std::string(options.begin()[n]);
    };
    for (int round = 0; round < 20000; ++round) {
        const auto value = static_cast<int32_t>(random());
        std::string text;
        while (chance(30)) text += choose({" ", "\t", "\n", "\v", "\f", "\r", IDEO_SPACE});
        if (value < 0) {
            text += choose({"-", FW_MINUS});
        } else if (chance(50)) {
            text += choose({"+", FW_PLUS});
        }
        while (chance(20)) text += choose({"0", FW_0});
        const int64_t magnitude = value < 0 ? -static_cast<int64_t>(value) : value;
        for (const char digit : std::to_string(magnitude)) {
            text += chance(50) ? std::string(1, digit) : std::string("\xA3") + static_cast<char>(digit + 0x80);
        }
        if (chance(60)) text += choose({".5", "e3", "x", " 1", "\xB0\xA1" "1", "\xA1\xA2" "2", "\xA3\xAE" "3", "\xA3"});
        SCOPED_TRACE(testing::PrintToString(text));
        ASSERT_EQ(fieldTextToInt(text), value);
    }
}

TEST(FieldTextTest, MegabyteTextsRead) {
    const size_t megabyte = 1 << 20;
    std::string spaces;
    for (size_t i = 0; i < megabyte / 2; ++i) spaces += IDEO_SPACE;
    EXPECT_EQ(fieldTextToInt(spaces + FW_MINUS FW_4 "2"), -42);

    std::string zeros;
    for (size_t i = 0; i < megabyte / 2; ++i) zeros += FW_0;
    EXPECT_EQ(fieldTextToInt(zeros + FW_5), 5);

    EXPECT_EQ(fieldTextToInt("7" + std::string(megabyte, 'x')), 7);
    EXPECT_EQ(fieldTextToInt(std::string(megabyte, ' ') + "\xA3"), 0);
}

}  // namespace
