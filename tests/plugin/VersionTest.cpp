// "GetVersion" reads the installed token software's version from the 32-bit registry view; it
// needs neither the module nor a token.
#include "PluginHarness.h"

#include <windows.h>

namespace {

const wchar_t kKey[] = L"SOFTWARE\\OMRA\\Selvo2001_OMRA_ENT";

void StoreVersion(DWORD type, const void* data, DWORD size)
{
    HKEY key = nullptr;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0,
                                             KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr));
    ASSERT_EQ(ERROR_SUCCESS, RegSetValueExW(key, L"Version", 0, type, static_cast<const BYTE*>(data), size));
    RegCloseKey(key);
}

void StoreText(const std::wstring& text)
{
    StoreVersion(REG_SZ, text.c_str(), static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
}

void RemoveKey()
{
    HKEY parent = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\OMRA", 0, KEY_ALL_ACCESS | KEY_WOW64_32KEY, &parent) == 0) {
        RegDeleteKeyW(parent, L"Selvo2001_OMRA_ENT");
        RegCloseKey(parent);
    }
}

} // namespace

class Version : public PluginHarness {
protected:
    void SetUp() override
    {
        PluginHarness::SetUp();
        RemoveKey();
    }
    void TearDown() override
    {
        RemoveKey();
        PluginHarness::TearDown();
    }
};

TEST_F(Version, TheFirstTwoCharactersAreSkipped)
{
    struct Case { std::wstring stored; const char* expected; };
    const Case cases[] = {
        {L"V 1.0.3.7", "true string \"1.0.3.7\""},
        {L"ab1.0", "true string \"1.0\""},
        {L"ab", "true string \"\""},
        {L"a", "true string \"\""},
        {std::wstring(259, L'x'), nullptr},                 // 260 bytes with its NUL: read whole
        {std::wstring(260, L'x'), "true string \"\""},      // 261 bytes: too large
    };
    Start(); // no module installed
    for (const Case& c : cases) {
        StoreText(c.stored);
        std::string expected = c.expected ? c.expected : "true string \"" + std::string(257, 'x') + "\"";
        EXPECT_EQ(expected, Call("GetVersion")) << c.stored.size();
    }
}

TEST_F(Version, MissingKeyOrValueGivesTheEmptyText)
{
    Start();
    EXPECT_EQ("true string \"\"", Call("GetVersion"));
    HKEY key = nullptr;
    RegCreateKeyExW(HKEY_LOCAL_MACHINE, kKey, 0, nullptr, 0, KEY_SET_VALUE | KEY_WOW64_32KEY, nullptr, &key, nullptr);
    RegCloseKey(key);
    EXPECT_EQ("true string \"\"", Call("GetVersion"));
}

TEST_F(Version, TheValueTypeIsIgnored)
{
    Start();
    const char bytes[] = {'1', '2', '3', '4'};
    StoreVersion(REG_BINARY, bytes, sizeof bytes); // no NUL stored: the text ends within the buffer
    EXPECT_EQ("true string \"34\"", Call("GetVersion"));
    std::string full(260, 'y');
    StoreVersion(REG_BINARY, full.data(), 260);
    EXPECT_EQ("true string \"" + std::string(258, 'y') + "\"", Call("GetVersion"));
}

TEST_F(Version, TextComesInTheSystemAnsiCodePage)
{
    if (GetACP() != 936)
        GTEST_SKIP() << "needs code page 936 (run with LC_ALL=zh_CN.UTF-8)";
    Start();
    StoreText(L"V \u7248\u672c2.1");
    EXPECT_EQ("true string \"\\xb0\\xe6\\xb1\\xbe2.1\"", Call("GetVersion"));
}
