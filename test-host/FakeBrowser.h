// FakeBrowser: plays an NPAPI browser for the plug-in, as a browser does it: it loads the module,
// hands over a full host table, creates instances of the plug-in's MIME type, interns identifiers,
// owns object reference counts and counts the buffers and objects still alive.
#pragma once

#include "npapi/NpapiTypes.h"

#include <windows.h>

#include <string>
#include <vector>

class FakeBrowser {
public:
    enum class Order { InitializeFirst, EntryPointsFirst };

    FakeBrowser() = default;
    FakeBrowser(const FakeBrowser&) = delete;
    FakeBrowser& operator=(const FakeBrowser&) = delete;
    ~FakeBrowser();

    // Loads the plug-in and calls NP_Initialize and NP_GetEntryPoints in the given order.
    bool Load(const std::wstring& path, std::string& error, Order order = Order::InitializeFirst);
    // NP_Shutdown, then unloads the module.
    void Unload();

    NPNetscapeFuncs& HostTable() { return m_host; }
    const NPPluginFuncs& PluginTable() const { return m_plugin; }
    HMODULE Module() const { return m_module; }

    // A new instance, or null when NPP_New refused (its error in `error`).
    NPP NewInstance(NPError* error = nullptr);
    NPError Destroy(NPP instance);
    // NPP_GetValue(NPPVpluginScriptableNPObject); the returned reference is the caller's.
    NPObject* ScriptableObject(NPP instance, NPError* error = nullptr);

    static NPIdentifier Id(const char* name);
    static NPVariant Int(int32_t value);
    static NPVariant Str(const char* text); // not owned by the host
    // The plug-in's answer in a stable form: "int 3", "string \"...\"", "void", ...
    static std::string Describe(const NPVariant& value);
    void Release(NPObject* obj);
    void ReleaseValue(NPVariant& value);

    static int LiveObjects();
    static int LiveBuffers();
    // The next `count` host allocations fail.
    static void FailAllocations(int count);

private:
    HMODULE m_module = nullptr;
    NPNetscapeFuncs m_host{};
    NPPluginFuncs m_plugin{};
    std::vector<NPP> m_instances;
};
