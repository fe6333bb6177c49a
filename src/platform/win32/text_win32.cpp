#include "platform/win32/text_win32.h"

namespace {

constexpr UINT kGbkCodePage = 936;

}  // namespace

std::wstring widen(const std::string& utf8) {
    if (utf8.empty()) return {};
    const int length = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring wide(static_cast<size_t>(length), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), wide.data(), length);
    return wide;
}

std::string toGbk(const std::wstring& text) {
    if (text.empty()) return {};
    const int length = WideCharToMultiByte(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                           nullptr, nullptr);
    std::string gbk(static_cast<size_t>(length), '\0');
    WideCharToMultiByte(kGbkCodePage, 0, text.data(), static_cast<int>(text.size()), gbk.data(), length, nullptr,
                        nullptr);
    return gbk;
}
