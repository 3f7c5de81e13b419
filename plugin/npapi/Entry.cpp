// The module's three exports. The host calls NP_GetEntryPoints and NP_Initialize in either order;
// both start from the same zero-filled table.
#include "npapi/HostFuncs.h"
#include "npapi/NpInstance.h"

#include <windows.h>

extern "C" {

NPError __stdcall NP_GetEntryPoints(NPPluginFuncs* pluginFuncs) noexcept
{
    EnsureHostFuncs();
    if (pluginFuncs)
        FillPluginFuncs(*pluginFuncs);
    return NPERR_NO_ERROR;
}

NPError __stdcall NP_Initialize(NPNetscapeFuncs* hostFuncs) noexcept
{
    if (EnsureHostFuncs() && hostFuncs)
        CopyHostFuncs(*hostFuncs);
    return NPERR_NO_ERROR;
}

NPError __stdcall NP_Shutdown() noexcept
{
    FreeHostFuncs();
    return NPERR_NO_ERROR;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID)
{
    return TRUE;
}

} // extern "C"
