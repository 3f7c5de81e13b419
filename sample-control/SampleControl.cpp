// qorvan2.ocx: the sample browser control the package carries, an in-process COM server with one
// creatable class. Registering writes the class under HKEY_CLASSES_ROOT with InprocServer32 naming
// this file's own path; unregistering removes it.
#include <windows.h>
#include <objbase.h>
#include <olectl.h>
#include <shlwapi.h>

#include <new>
#include <string>

extern "C" __declspec(dllimport) int DovekVersion();

namespace {

// {6B1C2E4A-9D3F-4B7E-A1C5-2F8D0E9B7A31}
const CLSID kClsid = {0x6b1c2e4a, 0x9d3f, 0x4b7e, {0xa1, 0xc5, 0x2f, 0x8d, 0x0e, 0x9b, 0x7a, 0x31}};
const wchar_t kClsidKey[] = L"CLSID\\{6B1C2E4A-9D3F-4B7E-A1C5-2F8D0E9B7A31}";

HINSTANCE g_module = nullptr;
LONG g_locks = 0;

// The control object: it only answers for itself, and knows its companion library's version.
class Control : public IUnknown {
public:
    Control() { InterlockedIncrement(&g_locks); }
    virtual ~Control() { InterlockedDecrement(&g_locks); }

    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = IsEqualIID(iid, IID_IUnknown) ? this : nullptr;
        if (!*out)
            return E_NOINTERFACE;
        AddRef();
        return S_OK;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return InterlockedIncrement(&m_refs); }
    STDMETHODIMP_(ULONG) Release() override
    {
        LONG refs = InterlockedDecrement(&m_refs);
        if (refs == 0)
            delete this;
        return refs;
    }
    int CompanionVersion() const { return DovekVersion(); }

private:
    LONG m_refs = 1;
};

class Factory : public IClassFactory {
public:
    STDMETHODIMP QueryInterface(REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = IsEqualIID(iid, IID_IUnknown) || IsEqualIID(iid, IID_IClassFactory) ? this : nullptr;
        return *out ? S_OK : E_NOINTERFACE;
    }
    STDMETHODIMP_(ULONG) AddRef() override { return 2; }
    STDMETHODIMP_(ULONG) Release() override { return 1; }
    STDMETHODIMP CreateInstance(IUnknown* outer, REFIID iid, void** out) override
    {
        if (!out)
            return E_POINTER;
        *out = nullptr;
        if (outer)
            return CLASS_E_NOAGGREGATION;
        Control* control = new (std::nothrow) Control();
        if (!control)
            return E_OUTOFMEMORY;
        if (control->CompanionVersion() != 14) {
            control->Release();
            return E_FAIL;
        }
        HRESULT hr = control->QueryInterface(iid, out);
        control->Release();
        return hr;
    }
    STDMETHODIMP LockServer(BOOL lock) override
    {
        lock ? InterlockedIncrement(&g_locks) : InterlockedDecrement(&g_locks);
        return S_OK;
    }
};

Factory g_factory;

bool SetValue(HKEY root, const wchar_t* subKey, const wchar_t* name, const wchar_t* value)
{
    HKEY key = nullptr;
    if (RegCreateKeyExW(root, subKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
        return false;
    LONG rc = RegSetValueExW(key, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(value),
                             static_cast<DWORD>((lstrlenW(value) + 1) * sizeof(wchar_t)));
    RegCloseKey(key);
    return rc == ERROR_SUCCESS;
}

} // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        g_module = instance;
    return TRUE;
}

STDAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out)
{
    if (!out)
        return E_POINTER;
    *out = nullptr;
    if (!IsEqualCLSID(clsid, kClsid))
        return CLASS_E_CLASSNOTAVAILABLE;
    return g_factory.QueryInterface(iid, out);
}

STDAPI DllCanUnloadNow()
{
    return g_locks == 0 ? S_OK : S_FALSE;
}

STDAPI DllRegisterServer()
{
    wchar_t path[MAX_PATH];
    DWORD n = GetModuleFileNameW(g_module, path, MAX_PATH);
    if (n == 0 || n == MAX_PATH)
        return SELFREG_E_CLASS;
    std::wstring inproc = std::wstring(kClsidKey) + L"\\InprocServer32";
    bool ok = SetValue(HKEY_CLASSES_ROOT, kClsidKey, nullptr, L"Qorvan browser control") &&
              SetValue(HKEY_CLASSES_ROOT, inproc.c_str(), nullptr, path) &&
              SetValue(HKEY_CLASSES_ROOT, inproc.c_str(), L"ThreadingModel", L"Apartment");
    return ok ? S_OK : SELFREG_E_CLASS;
}

STDAPI DllUnregisterServer()
{
    LONG rc = SHDeleteKeyW(HKEY_CLASSES_ROOT, kClsidKey);
    return rc == ERROR_SUCCESS || rc == ERROR_FILE_NOT_FOUND ? S_OK : SELFREG_E_CLASS;
}

} // extern "C"
