// What Windows itself reads from vostrel.exe: the version resource that the
// file's Properties show under Details, and the manifest's identity and the
// Windows versions it declares. Read through Windows' own functions, so a
// resource that the compiler wrote in the wrong encoding, or a manifest that
// Windows cannot parse, fails here and not on a user's machine.

#include <windows.h>

#include <gtest/gtest.h>

#include <cstddef>
#include <cstring>
#include <string>
#include <vector>

#include "support/programs.h"
#include "support/text.h"

namespace {

const std::string kVersion = VOSTREL_VERSION;  // the project's MAJOR.MINOR.PATCH

class VersionResource : public testing::Test {
protected:
    void SetUp() override {
        const std::wstring exe = e2e::vostrelExe();
        DWORD ignored = 0;
        const DWORD size = GetFileVersionInfoSizeW(exe.c_str(), &ignored);
        ASSERT_GT(size, 0u) << "vostrel.exe has no version resource";
        data_.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(exe.c_str(), 0, size, data_.data()));
    }

    // The block of one value; nullptr if there is none.
    const void* value(const std::wstring& path, UINT* length = nullptr) {
        void* block = nullptr;
        UINT size = 0;
        if (!VerQueryValueW(data_.data(), path.c_str(), &block, &size)) return nullptr;
        if (length != nullptr) *length = size;
        return block;
    }

    std::vector<char> data_;
};

TEST_F(VersionResource, IsInChineseForThePrcAndUnicode) {
    struct Translation {
        WORD language, codePage;
    };
    UINT length = 0;
    const auto* translation = static_cast<const Translation*>(value(L"\\VarFileInfo\\Translation", &length));
    ASSERT_NE(translation, nullptr);
    ASSERT_EQ(length, sizeof(Translation)) << "exactly one translation";
    EXPECT_EQ(translation->language, 0x0804) << "zh-CN";
    EXPECT_EQ(translation->codePage, 1200) << "Unicode";
}

TEST_F(VersionResource, NamesTheProgramAndItsVersion) {
    const struct {
        const wchar_t* name;
        std::string expected;
    } cases[] = {
        {L"ProductName", "Vostrel"},
        {L"FileDescription", "Vostrel 网格连点工具"},  // Chinese texts survive the resource compiler
        {L"FileVersion", kVersion},
        {L"ProductVersion", kVersion},
        {L"OriginalFilename", "vostrel.exe"},
        {L"InternalName", "vostrel"},
        {L"LegalCopyright", "Copyright © 2026 The Vostrel developers，MIT 许可证"},
    };
    for (const auto& c : cases) {
        const auto* text = static_cast<const wchar_t*>(value(std::wstring(L"\\StringFileInfo\\080404B0\\") + c.name));
        ASSERT_NE(text, nullptr) << e2e::utf8(c.name) << " is missing";
        EXPECT_EQ(e2e::utf8(text), c.expected) << e2e::utf8(c.name);
    }
}

TEST_F(VersionResource, FixedPartHoldsTheSameVersion) {
    UINT length = 0;
    const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value(L"\\", &length));
    ASSERT_NE(fixed, nullptr);
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, VS_FFI_SIGNATURE);
    const std::string fileVersion = std::to_string(HIWORD(fixed->dwFileVersionMS)) + "." +
                                    std::to_string(LOWORD(fixed->dwFileVersionMS)) + "." +
                                    std::to_string(HIWORD(fixed->dwFileVersionLS)) + "." +
                                    std::to_string(LOWORD(fixed->dwFileVersionLS));
    EXPECT_EQ(fileVersion, kVersion + ".0");
    EXPECT_EQ(fixed->dwProductVersionMS, fixed->dwFileVersionMS);
    EXPECT_EQ(fixed->dwProductVersionLS, fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileType, static_cast<DWORD>(VFT_APP));
    EXPECT_EQ(fixed->dwFileFlags, 0u) << "a release: not a debug, pre-release or private build";
}

// The activation context that Windows makes from the manifest when it starts
// the program.
class Manifest : public testing::Test {
protected:
    void SetUp() override {
        const std::wstring exe = e2e::vostrelExe();
        ACTCTXW request{};
        request.cbSize = sizeof(request);
        request.dwFlags = ACTCTX_FLAG_RESOURCE_NAME_VALID;
        request.lpSource = exe.c_str();
        request.lpResourceName = CREATEPROCESS_MANIFEST_RESOURCE_ID;
        context_ = CreateActCtxW(&request);
        ASSERT_NE(context_, INVALID_HANDLE_VALUE) << "Windows cannot read the manifest, error " << GetLastError();
    }
    void TearDown() override {
        if (context_ != INVALID_HANDLE_VALUE) ReleaseActCtx(context_);
    }

    // One piece of information about the context, in a buffer of the size it needs.
    std::vector<char> query(ULONG infoClass, void* subInstance) {
        SIZE_T needed = 0;
        QueryActCtxW(0, context_, subInstance, infoClass, nullptr, 0, &needed);
        std::vector<char> buffer(needed);
        if (needed == 0 || !QueryActCtxW(0, context_, subInstance, infoClass, buffer.data(), needed, &needed)) {
            buffer.clear();
        }
        return buffer;
    }

    HANDLE context_ = INVALID_HANDLE_VALUE;
};

TEST_F(Manifest, IdentifiesTheProgramWithItsVersion) {
    DWORD mainAssembly = 1;  // the program's own manifest comes first
    const std::vector<char> buffer = query(AssemblyDetailedInformationInActivationContext, &mainAssembly);
    ASSERT_FALSE(buffer.empty());
    const auto* info = reinterpret_cast<const ACTIVATION_CONTEXT_ASSEMBLY_DETAILED_INFORMATION*>(buffer.data());
    ASSERT_NE(info->lpAssemblyEncodedAssemblyIdentity, nullptr);
    const std::string identity = e2e::utf8(info->lpAssemblyEncodedAssemblyIdentity);
    EXPECT_EQ(identity.rfind("Vostrel,", 0), 0u) << identity;
    EXPECT_NE(identity.find("version=\"" + kVersion + ".0\""), std::string::npos) << identity;
}

// The Windows versions that a compatibility query lists. Since Windows 10
// 1903 (and in Wine) each element also carries a MaxVersionTested, which these
// headers do not know yet; Windows 7 gives the shorter elements. The buffer's
// size tells which.
std::vector<GUID> supportedSystems(const std::vector<char>& buffer) {
    struct Shorter {
        DWORD count;
        COMPATIBILITY_CONTEXT_ELEMENT first;
    };
    struct LongerElement {
        GUID id;
        DWORD type;
        ULONGLONG maxVersionTested;
    };
    struct Longer {
        DWORD count;
        LongerElement first;
    };
    DWORD count = 0;
    if (buffer.size() < sizeof(count)) return {};
    std::memcpy(&count, buffer.data(), sizeof(count));
    size_t start = 0, stride = 0;
    if (buffer.size() == offsetof(Longer, first) + count * sizeof(LongerElement)) {
        start = offsetof(Longer, first);
        stride = sizeof(LongerElement);
    } else if (buffer.size() == offsetof(Shorter, first) + count * sizeof(COMPATIBILITY_CONTEXT_ELEMENT)) {
        start = offsetof(Shorter, first);
        stride = sizeof(COMPATIBILITY_CONTEXT_ELEMENT);
    } else {
        ADD_FAILURE() << "compatibility information of " << buffer.size() << " bytes for " << count << " elements";
        return {};
    }
    std::vector<GUID> systems;
    for (DWORD i = 0; i < count; ++i) {
        const char* element = buffer.data() + start + i * stride;
        GUID id;
        DWORD type = 0;
        std::memcpy(&id, element, sizeof(id));
        std::memcpy(&type, element + sizeof(GUID), sizeof(type));
        if (type == ACTCTX_COMPATIBILITY_ELEMENT_TYPE_OS) systems.push_back(id);
    }
    return systems;
}

TEST_F(Manifest, DeclaresWindows7To11) {
    const struct {
        GUID id;
        const char* system;
    } expected[] = {
        {{0x35138b9a, 0x5d96, 0x4fbd, {0x8e, 0x2d, 0xa2, 0x44, 0x02, 0x25, 0xf9, 0x3a}}, "Windows 7"},
        {{0x4a2f28e3, 0x53b9, 0x4441, {0xba, 0x9c, 0xd6, 0x9d, 0x4a, 0x4a, 0x6e, 0x38}}, "Windows 8"},
        {{0x1f676c76, 0x80e1, 0x4239, {0x95, 0xbb, 0x83, 0xd0, 0xf6, 0xd0, 0xda, 0x78}}, "Windows 8.1"},
        {{0x8e0f7a12, 0xbfb3, 0x4fe8, {0xb9, 0xa5, 0x48, 0xfd, 0x50, 0xa1, 0x5a, 0x9a}}, "Windows 10 and 11"},
    };
    const std::vector<GUID> declared = supportedSystems(query(CompatibilityInformationInActivationContext, nullptr));
    ASSERT_EQ(declared.size(), std::size(expected));
    for (size_t i = 0; i < declared.size(); ++i) {
        EXPECT_TRUE(IsEqualGUID(declared[i], expected[i].id)) << expected[i].system << " (entry " << i + 1 << ")";
    }
}

}  // namespace
