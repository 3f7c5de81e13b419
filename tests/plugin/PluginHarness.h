// Drives the built npKeyBridge.dll through its exports from a fresh folder that is the current
// folder, where a test installs the substitute token module (or does not), as a user would.
#pragma once

#include "FakeBrowser.h"

#include <gtest/gtest.h>

#include <string>

class PluginHarness : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    void InstallModule(const wchar_t* variant = L"full");
    void RemoveModule();
    static void SetScenario(const char* scenario);

    // Loads the plug-in; with `withObject` also makes instance 0 and its scriptable object.
    void Start(FakeBrowser::Order order = FakeBrowser::Order::InitializeFirst, bool withObject = true);
    NPObject* NewObject();
    // "true int 1", "true string \"...\"", "false void": the answer of a method call.
    std::string Call(const char* method, const NPVariant* args = nullptr, uint32_t argCount = 0);
    std::string Call(NPObject* obj, const char* method, const NPVariant* args = nullptr, uint32_t argCount = 0);
    // What the substitute module has been asked so far (empty when it is not loaded).
    static std::string ModuleRecord();
    static bool ModuleLoaded();

    FakeBrowser browser;
    NPObject* object = nullptr;
    std::wstring binDir;
    std::wstring workDir;
};
