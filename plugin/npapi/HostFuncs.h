// The plug-in's copy of the host's function table, and the only ways the plug-in calls the host.
// Each call checks that the host gave the entry, so a table without it fails the call instead.
#pragma once

#include "npapi/NpapiTypes.h"

extern NPNetscapeFuncs* g_hostFuncs;

bool EnsureHostFuncs();
void CopyHostFuncs(const NPNetscapeFuncs& host);
void FreeHostFuncs();

void* NPN_MemAlloc(uint32_t size);
NPIdentifier NPN_GetStringIdentifier(const NPUTF8* name);
NPObject* NPN_CreateObject(NPP npp, NPClass* aClass);
NPObject* NPN_RetainObject(NPObject* obj);
void NPN_ReleaseObject(NPObject* obj);
