#pragma once
// The program keeps its texts in UTF-8 and talks to Windows in UTF-16; the
// conversions live here and nowhere else.

#include <string>

#include "platform/win_types.h"

std::wstring widen(const std::string& utf8);
// GBK (code page 936) bytes of a UTF-16 text, whatever the system's ANSI code page.
std::string toGbk(const std::wstring& text);
