#include "FakeBrowser.h"

#include <cstdlib>
#include <cstring>
#include <map>
#include <set>

namespace {

std::set<void*> g_buffers;
std::set<NPObject*> g_objects;
int g_failAllocations = 0;
char g_mimeType[] = "application/npKeyBridge";

void* MemAlloc(uint32_t size)
{
    if (g_failAllocations > 0) {
        --g_failAllocations;
        return nullptr;
    }
    void* p = std::malloc(size ? size : 1);
    if (p)
        g_buffers.insert(p);
    return p;
}

void MemFree(void* p)
{
    if (g_buffers.erase(p))
        std::free(p);
}

// The same name always gives the same identifier; names compare case-sensitively.
NPIdentifier GetStringIdentifier(const NPUTF8* name)
{
    static std::map<std::string, std::string*> names;
    std::string key = name ? name : "";
    auto it = names.find(key);
    if (it == names.end())
        it = names.emplace(key, new std::string(key)).first;
    return it->second;
}

NPObject* CreateObject(NPP npp, NPClass* cls)
{
    NPObject* obj = cls && cls->allocate ? cls->allocate(npp, cls) : static_cast<NPObject*>(std::malloc(sizeof(NPObject)));
    if (!obj)
        return nullptr;
    obj->_class = cls;
    obj->referenceCount = 1;
    g_objects.insert(obj);
    return obj;
}

NPObject* RetainObject(NPObject* obj)
{
    if (obj)
        ++obj->referenceCount;
    return obj;
}

void ReleaseObject(NPObject* obj)
{
    if (!obj || --obj->referenceCount > 0)
        return;
    g_objects.erase(obj);
    if (obj->_class && obj->_class->deallocate)
        obj->_class->deallocate(obj);
    else
        std::free(obj);
}

void ReleaseVariantValue(NPVariant* v)
{
    if (v->type == NPVariantType_String)
        MemFree(const_cast<NPUTF8*>(v->value.stringValue.UTF8Characters));
    else if (v->type == NPVariantType_Object)
        ReleaseObject(v->value.objectValue);
    v->type = NPVariantType_Void;
}

// Entries the plug-in must never call: a browser would offer them, this one traps.
void Unexpected()
{
    std::abort();
}

template <class F>
F Proc(HMODULE module, const char* name)
{
    return reinterpret_cast<F>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

FakeBrowser::~FakeBrowser()
{
    Unload();
}

bool FakeBrowser::Load(const std::wstring& path, std::string& error, Order order)
{
    m_module = LoadLibraryW(path.c_str());
    if (!m_module) {
        error = "cannot load the plug-in";
        return false;
    }
    auto getEntryPoints = Proc<NP_GetEntryPointsFunc>(m_module, "NP_GetEntryPoints");
    auto initialize = Proc<NP_InitializeFunc>(m_module, "NP_Initialize");
    if (!getEntryPoints || !initialize || !Proc<NP_ShutdownFunc>(m_module, "NP_Shutdown")) {
        error = "an NPAPI export is missing";
        return false;
    }
    NPAnyFunction* entries = &m_host.geturl;
    for (int i = 0; i < 55; ++i)
        entries[i] = Unexpected;
    m_host.size = sizeof m_host;
    m_host.version = 27;
    m_host.memalloc = MemAlloc;
    m_host.memfree = MemFree;
    m_host.getstringidentifier = GetStringIdentifier;
    m_host.createobject = CreateObject;
    m_host.retainobject = RetainObject;
    m_host.releaseobject = ReleaseObject;
    m_host.releasevariantvalue = ReleaseVariantValue;
    m_plugin = NPPluginFuncs{};
    m_plugin.size = sizeof m_plugin;
    NPError first = order == Order::InitializeFirst ? initialize(&m_host) : getEntryPoints(&m_plugin);
    NPError second = order == Order::InitializeFirst ? getEntryPoints(&m_plugin) : initialize(&m_host);
    if (first != NPERR_NO_ERROR || second != NPERR_NO_ERROR) {
        error = "the plug-in refused to start";
        return false;
    }
    return true;
}

void FakeBrowser::Unload()
{
    if (!m_module)
        return;
    while (!m_instances.empty())
        Destroy(m_instances.back());
    if (auto shutdown = Proc<NP_ShutdownFunc>(m_module, "NP_Shutdown"))
        shutdown();
    FreeLibrary(m_module);
    m_module = nullptr;
}

NPP FakeBrowser::NewInstance(NPError* error)
{
    NPP npp = new NPP_t{nullptr, this};
    NPError rv = m_plugin.newp(g_mimeType, npp, 1, 0, nullptr, nullptr, nullptr);
    if (error)
        *error = rv;
    if (rv != NPERR_NO_ERROR) {
        delete npp;
        return nullptr;
    }
    m_instances.push_back(npp);
    return npp;
}

NPError FakeBrowser::Destroy(NPP instance)
{
    NPError rv = m_plugin.destroy(instance, nullptr);
    for (auto it = m_instances.begin(); it != m_instances.end(); ++it) {
        if (*it == instance) {
            m_instances.erase(it);
            delete instance;
            break;
        }
    }
    return rv;
}

NPObject* FakeBrowser::ScriptableObject(NPP instance, NPError* error)
{
    NPObject* obj = nullptr;
    NPError rv = m_plugin.getvalue(instance, NPPVpluginScriptableNPObject, &obj);
    if (error)
        *error = rv;
    return obj;
}

NPIdentifier FakeBrowser::Id(const char* name)
{
    return GetStringIdentifier(name);
}

NPVariant FakeBrowser::Int(int32_t value)
{
    NPVariant v;
    v.type = NPVariantType_Int32;
    v.value.intValue = value;
    return v;
}

NPVariant FakeBrowser::Str(const char* text)
{
    NPVariant v;
    v.type = NPVariantType_String;
    v.value.stringValue = {text, static_cast<uint32_t>(strlen(text))};
    return v;
}

std::string FakeBrowser::Describe(const NPVariant& value)
{
    switch (value.type) {
    case NPVariantType_Void: return "void";
    case NPVariantType_Null: return "null";
    case NPVariantType_Bool: return value.value.boolValue ? "bool true" : "bool false";
    case NPVariantType_Int32: return "int " + std::to_string(value.value.intValue);
    case NPVariantType_Double: return "double " + std::to_string(value.value.doubleValue);
    case NPVariantType_String: {
        const NPString& s = value.value.stringValue;
        std::string out = "string \"";
        for (uint32_t i = 0; i < s.UTF8Length; ++i) {
            unsigned char c = static_cast<unsigned char>(s.UTF8Characters[i]);
            char hex[8];
            std::snprintf(hex, sizeof hex, "\\x%02x", c);
            out += c >= 0x20 && c < 0x7f && c != '"' && c != '\\' ? std::string(1, static_cast<char>(c)) : hex;
        }
        return out + "\"";
    }
    case NPVariantType_Object: return "object";
    }
    return "unknown";
}

void FakeBrowser::Release(NPObject* obj)
{
    ReleaseObject(obj);
}

void FakeBrowser::ReleaseValue(NPVariant& value)
{
    ReleaseVariantValue(&value);
}

int FakeBrowser::LiveObjects() { return static_cast<int>(g_objects.size()); }
int FakeBrowser::LiveBuffers() { return static_cast<int>(g_buffers.size()); }
void FakeBrowser::FailAllocations(int count) { g_failAllocations = count; }
