#include "app/field_text.h"

std::string foldFullWidth(std::string_view gbk) {
    std::string folded;
    folded.reserve(gbk.size());
    for (size_t i = 0; i < gbk.size(); ++i) {
        const auto lead = static_cast<unsigned char>(gbk[i]);
        if (lead < 0x80) {
            folded += static_cast<char>(lead);
            continue;
        }
        if (i + 1 == gbk.size()) break;  // a lead byte without its trail byte
        const auto trail = static_cast<unsigned char>(gbk[++i]);
        if (lead == 0xA1 && trail == 0xA1) {
            folded += ' ';  // ideographic space
        } else if (lead == 0xA1 && trail == 0xAB) {
            folded += '~';  // full-width tilde
        } else if (lead == 0xA1 && (trail == 0xEE || trail == 0xEF)) {
            folded += '*';  // white and black star
        } else if (lead == 0xA3 && trail >= 0xA1 && trail <= 0xFE) {
            folded += static_cast<char>(trail - 0x80);  // full-width ASCII row
        } else {
            folded += static_cast<char>(lead);
            folded += static_cast<char>(trail);
        }
    }
    return folded;
}

int32_t parseLeadingInt(std::string_view ascii) {
    size_t i = 0;
    auto isBlank = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < ascii.size() && isBlank(ascii[i])) ++i;
    bool negative = false;
    if (i < ascii.size() && (ascii[i] == '+' || ascii[i] == '-')) negative = ascii[i++] == '-';
    uint32_t value = 0;  // unsigned: the digits wrap modulo 2^32 as they come
    for (; i < ascii.size() && ascii[i] >= '0' && ascii[i] <= '9'; ++i) {
        value = value * 10 + static_cast<uint32_t>(ascii[i] - '0');
    }
    if (negative) value = 0u - value;
    return static_cast<int32_t>(value);
}

std::string formatInt(int32_t value) { return std::to_string(value); }
