#include "PluginHarness.h"

#include <windows.h>

void PluginHarness::SetUp()
{
    wchar_t path[MAX_PATH];
    GetModuleFileNameW(nullptr, path, MAX_PATH);
    binDir = path;
    binDir.erase(binDir.rfind(L'\\') + 1);
    wchar_t temp[MAX_PATH];
    GetTempPathW(MAX_PATH, temp);
    workDir = std::wstring(temp) + L"kit-plugin-" + std::to_wstring(GetCurrentProcessId());
    CreateDirectoryW(workDir.c_str(), nullptr);
    ASSERT_TRUE(SetCurrentDirectoryW(workDir.c_str()));
    SetScenario(nullptr);
}

void PluginHarness::TearDown()
{
    if (object)
        browser.Release(object);
    object = nullptr;
    browser.Unload();
    EXPECT_EQ(0, FakeBrowser::LiveObjects()) << "objects left alive";
    EXPECT_EQ(0, FakeBrowser::LiveBuffers()) << "host buffers not freed";
    SetCurrentDirectoryW(binDir.c_str());
    RemoveModule();
    RemoveDirectoryW(workDir.c_str());
}

void PluginHarness::InstallModule(const wchar_t* variant)
{
    std::wstring from = binDir + L"token-module\\" + variant + L"\\OMRAEnterprise.dll";
    ASSERT_TRUE(CopyFileW(from.c_str(), (workDir + L"\\OMRAEnterprise.dll").c_str(), FALSE));
}

void PluginHarness::RemoveModule()
{
    DeleteFileW((workDir + L"\\OMRAEnterprise.dll").c_str());
}

void PluginHarness::SetScenario(const char* scenario)
{
    SetEnvironmentVariableA("KIT_TOKEN_SCENARIO", scenario);
}

void PluginHarness::Start(FakeBrowser::Order order, bool withObject)
{
    std::string error;
    ASSERT_TRUE(browser.Load(binDir + L"npKeyBridge.dll", error, order)) << error;
    if (withObject) {
        object = NewObject();
        ASSERT_NE(nullptr, object);
    }
}

NPObject* PluginHarness::NewObject()
{
    NPP npp = browser.NewInstance();
    return npp ? browser.ScriptableObject(npp) : nullptr;
}

std::string PluginHarness::Call(const char* method, const NPVariant* args, uint32_t argCount)
{
    return Call(object, method, args, argCount);
}

std::string PluginHarness::Call(NPObject* obj, const char* method, const NPVariant* args, uint32_t argCount)
{
    NPVariant result = {NPVariantType_Void, {}};
    bool ok = obj->_class->invoke(obj, FakeBrowser::Id(method), args, argCount, &result);
    std::string answer = std::string(ok ? "true " : "false ") + FakeBrowser::Describe(result);
    browser.ReleaseValue(result);
    return answer;
}

bool PluginHarness::ModuleLoaded()
{
    return GetModuleHandleW(L"OMRAEnterprise.dll") != nullptr;
}

std::string PluginHarness::ModuleRecord()
{
    HMODULE module = GetModuleHandleW(L"OMRAEnterprise.dll");
    if (!module)
        return std::string();
    auto record = reinterpret_cast<int (*)(char*, int)>(reinterpret_cast<void*>(GetProcAddress(module, "SubstituteRecord")));
    std::string text(record(nullptr, 0) + 1, '\0');
    record(&text[0], static_cast<int>(text.size()));
    text.resize(text.size() - 1);
    return text;
}
