// The version resource of the shipped plug-in, by which browsers find its MIME type.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ShippedPlugin : public ::testing::Test {
protected:
    void SetUp() override
    {
        DWORD handle = 0;
        DWORD size = GetFileVersionInfoSizeW(KIT_SHIPPED_PLUGIN, &handle);
        ASSERT_NE(0u, size) << "no version resource";
        info.resize(size);
        ASSERT_TRUE(GetFileVersionInfoW(KIT_SHIPPED_PLUGIN, 0, size, info.data()));
    }

    std::wstring Value(const wchar_t* key)
    {
        void* text = nullptr;
        UINT length = 0;
        std::wstring path = std::wstring(L"\\StringFileInfo\\040904e4\\") + key;
        if (!VerQueryValueW(info.data(), path.c_str(), &text, &length))
            return L"<missing>";
        return static_cast<const wchar_t*>(text);
    }

    std::vector<BYTE> info;
};

} // namespace

TEST_F(ShippedPlugin, StringsOfItsOneBlock)
{
    const struct { const wchar_t* key; const wchar_t* value; } expected[] = {
        {L"MIMEType", L"application/npKeyBridge"}, {L"FileExtents", L"dll"},
        {L"ProductName", L"npKeyBridge"},          {L"InternalName", L"npKeyBridge.dll"},
        {L"OriginalFilename", L"npKeyBridge.dll"}, {L"FileVersion", L"1, 0, 17, 314"},
        {L"ProductVersion", L"1, 0, 17, 314"},
    };
    for (const auto& e : expected)
        EXPECT_EQ(std::wstring(e.value), Value(e.key)) << static_cast<const void*>(e.key);
    DWORD* translation = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\VarFileInfo\\Translation", reinterpret_cast<void**>(&translation), &length));
    ASSERT_EQ(4u, length);
    EXPECT_EQ(0x04E40409u, *translation);
}

TEST_F(ShippedPlugin, FixedPart)
{
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void**>(&fixed), &length));
    EXPECT_EQ(MAKELONG(0, 1), fixed->dwFileVersionMS);
    EXPECT_EQ(MAKELONG(314, 17), fixed->dwFileVersionLS);
    EXPECT_EQ(fixed->dwFileVersionMS, fixed->dwProductVersionMS);
    EXPECT_EQ(fixed->dwFileVersionLS, fixed->dwProductVersionLS);
    EXPECT_EQ(static_cast<DWORD>(VFT_DLL), fixed->dwFileType);
    EXPECT_EQ(static_cast<DWORD>(VOS__WINDOWS32), fixed->dwFileOS);
}
