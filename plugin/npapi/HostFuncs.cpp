#include "npapi/HostFuncs.h"

#include <cstddef>
#include <cstring>
#include <new>

NPNetscapeFuncs* g_hostFuncs = nullptr;

namespace {

// Copies the entries from `first` through `last` that lie within the host's declared size: a
// host with a shorter table has no entries past it.
void CopyRange(const NPNetscapeFuncs& host, size_t first, size_t last)
{
    for (size_t at = first; at <= last && at + sizeof(void*) <= host.size; at += sizeof(void*))
        memcpy(reinterpret_cast<char*>(g_hostFuncs) + at, reinterpret_cast<const char*>(&host) + at, sizeof(void*));
}

} // namespace

bool EnsureHostFuncs()
{
    if (!g_hostFuncs)
        g_hostFuncs = new (std::nothrow) NPNetscapeFuncs();
    return g_hostFuncs != nullptr;
}

void CopyHostFuncs(const NPNetscapeFuncs& host)
{
    g_hostFuncs->size = host.size;
    g_hostFuncs->version = host.version;
    CopyRange(host, offsetof(NPNetscapeFuncs, geturl), offsetof(NPNetscapeFuncs, reloadplugins));
    CopyRange(host, offsetof(NPNetscapeFuncs, geturlnotify), offsetof(NPNetscapeFuncs, setexception));
    CopyRange(host, offsetof(NPNetscapeFuncs, construct), offsetof(NPNetscapeFuncs, construct));
}

void FreeHostFuncs()
{
    delete g_hostFuncs;
    g_hostFuncs = nullptr;
}

void* NPN_MemAlloc(uint32_t size)
{
    return g_hostFuncs && g_hostFuncs->memalloc ? g_hostFuncs->memalloc(size) : nullptr;
}

NPIdentifier NPN_GetStringIdentifier(const NPUTF8* name)
{
    return g_hostFuncs && g_hostFuncs->getstringidentifier ? g_hostFuncs->getstringidentifier(name) : nullptr;
}

NPObject* NPN_CreateObject(NPP npp, NPClass* aClass)
{
    return g_hostFuncs && g_hostFuncs->createobject ? g_hostFuncs->createobject(npp, aClass) : nullptr;
}

NPObject* NPN_RetainObject(NPObject* obj)
{
    return g_hostFuncs && g_hostFuncs->retainobject ? g_hostFuncs->retainobject(obj) : nullptr;
}

void NPN_ReleaseObject(NPObject* obj)
{
    if (g_hostFuncs && g_hostFuncs->releaseobject)
        g_hostFuncs->releaseobject(obj);
}
