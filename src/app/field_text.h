#pragma once
// How a field's text becomes a number. Whatever the field holds reads as a
// 32-bit integer; no text is rejected.

#include <cstdint>
#include <string>
#include <string_view>

// Folds GBK full-width characters (digits, signs, ideographic space, ...) into
// their ASCII counterparts; other pairs are copied, a lead byte at the very end
// is dropped.
std::string foldFullWidth(std::string_view gbk);

// Leading white space, an optional sign, then decimal digits, all modulo 2^32;
// 0 when there are no digits.
int32_t parseLeadingInt(std::string_view ascii);

inline int32_t fieldTextToInt(std::string_view gbk) { return parseLeadingInt(foldFullWidth(gbk)); }

// Signed decimal, as "%d" writes it.
std::string formatInt(int32_t value);
