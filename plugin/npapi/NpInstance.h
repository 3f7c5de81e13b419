// CNpInstance: the record of one plug-in instance (one page element), kept in the instance's pdata
// from NPP_New to NPP_Destroy. It owns one reference to the instance's scriptable object.
#pragma once

#include "npapi/NpapiTypes.h"

struct CNpInstance {
    explicit CNpInstance(NPP instance) : npp(instance) {}

    const NPP npp;
    NPObject* scriptableObject = nullptr;
};

// The plug-in's side of the host's NPPluginFuncs, filled by NP_GetEntryPoints.
void FillPluginFuncs(NPPluginFuncs& funcs);
