// The sample control registers and unregisters itself through its exports.
#include <windows.h>
#include <objbase.h>

#include <gtest/gtest.h>

#include <string>

namespace {

const CLSID kClsid = {0x6b1c2e4a, 0x9d3f, 0x4b7e, {0xa1, 0xc5, 0x2f, 0x8d, 0x0e, 0x9b, 0x7a, 0x31}};
const wchar_t kInproc[] = L"CLSID\\{6B1C2E4A-9D3F-4B7E-A1C5-2F8D0E9B7A31}\\InprocServer32";

typedef HRESULT(__stdcall* SelfRegistration)();

std::wstring BinFile(const wchar_t* name)
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir = path;
    return dir.substr(0, dir.rfind(L'\\') + 1) + name;
}

std::wstring RegisteredPath()
{
    wchar_t value[MAX_PATH] = {};
    LONG size = sizeof value;
    if (RegQueryValueW(HKEY_CLASSES_ROOT, kInproc, value, &size) != ERROR_SUCCESS)
        return L"<none>";
    return value;
}

} // namespace

TEST(SampleControl, RegistersCreatesAndUnregisters)
{
    ASSERT_TRUE(SUCCEEDED(CoInitialize(nullptr)));
    std::wstring path = BinFile(L"qorvan2.ocx");
    HMODULE control = LoadLibraryW(path.c_str());
    ASSERT_NE(nullptr, control);
    auto reg = reinterpret_cast<SelfRegistration>(reinterpret_cast<void*>(GetProcAddress(control, "DllRegisterServer")));
    auto unreg = reinterpret_cast<SelfRegistration>(reinterpret_cast<void*>(GetProcAddress(control, "DllUnregisterServer")));
    ASSERT_NE(nullptr, reg);
    ASSERT_NE(nullptr, unreg);
    ASSERT_NE(nullptr, GetProcAddress(control, "DllGetClassObject"));
    ASSERT_NE(nullptr, GetProcAddress(control, "DllCanUnloadNow"));

    ASSERT_EQ(S_OK, unreg());
    IUnknown* obj = nullptr;
    EXPECT_EQ(REGDB_E_CLASSNOTREG, CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                                    reinterpret_cast<void**>(&obj)));
    ASSERT_EQ(S_OK, reg());
    EXPECT_EQ(0, _wcsicmp(path.c_str(), RegisteredPath().c_str())) << RegisteredPath().c_str();
    ASSERT_EQ(S_OK, CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, reinterpret_cast<void**>(&obj)));
    obj->Release();
    ASSERT_EQ(S_OK, unreg());
    EXPECT_EQ(std::wstring(L"<none>"), RegisteredPath());
    EXPECT_EQ(REGDB_E_CLASSNOTREG, CoCreateInstance(kClsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown,
                                                    reinterpret_cast<void**>(&obj)));
    CoUninitialize();
    FreeLibrary(control);
}
