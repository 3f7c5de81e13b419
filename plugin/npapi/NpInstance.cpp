#include "npapi/NpInstance.h"

#include "npapi/HostFuncs.h"
#include "npapi/ScriptableClass.h"

#include <new>

namespace {

const char kPluginName[] = "REVuzaduzIvar";
const char kPluginDescription[] = "NPRuntime scriptability API test plugin";

NPError NPP_New(NPMIMEType, NPP instance, uint16_t, int16_t, char*[], char*[], NPSavedData*) noexcept
{
    if (!instance)
        return NPERR_INVALID_INSTANCE_ERROR;
    CNpInstance* record = new (std::nothrow) CNpInstance(instance);
    if (!record)
        return NPERR_OUT_OF_MEMORY_ERROR;
    instance->pdata = record;
    return NPERR_NO_ERROR;
}

NPError NPP_Destroy(NPP instance, NPSavedData**) noexcept
{
    if (!instance)
        return NPERR_INVALID_INSTANCE_ERROR;
    CNpInstance* record = static_cast<CNpInstance*>(instance->pdata);
    if (!record)
        return NPERR_NO_ERROR;
    if (record->scriptableObject) {
        NPN_ReleaseObject(record->scriptableObject);
        record->scriptableObject = nullptr;
    }
    delete record;
    return NPERR_NO_ERROR;
}

NPError GetScriptableObject(CNpInstance& record, void* value)
{
    if (!record.scriptableObject)
        record.scriptableObject = NPN_CreateObject(record.npp, &g_scriptableClass);
    if (record.scriptableObject)
        NPN_RetainObject(record.scriptableObject);
    *static_cast<NPObject**>(value) = record.scriptableObject;
    return record.scriptableObject ? NPERR_NO_ERROR : NPERR_GENERIC_ERROR;
}

NPError NPP_GetValue(NPP instance, NPPVariable variable, void* value) noexcept
{
    if (!instance)
        return NPERR_INVALID_INSTANCE_ERROR;
    CNpInstance* record = static_cast<CNpInstance*>(instance->pdata);
    if (!record || !value)
        return NPERR_GENERIC_ERROR;
    switch (variable) {
    case NPPVpluginNameString:
        *static_cast<const char**>(value) = kPluginName;
        return NPERR_NO_ERROR;
    case NPPVpluginDescriptionString:
        *static_cast<const char**>(value) = kPluginDescription;
        return NPERR_NO_ERROR;
    case NPPVpluginNeedsXEmbed:
        *static_cast<NPBool*>(value) = 1;
        return NPERR_NO_ERROR;
    case NPPVpluginScriptableNPObject:
        return GetScriptableObject(*record, value);
    default:
        return NPERR_GENERIC_ERROR;
    }
}

// The plug-in draws nothing, takes no stream data and handles no events.
NPError SetWindow(NPP, NPWindow*) noexcept { return NPERR_NO_ERROR; }
NPError NewStream(NPP, NPMIMEType, NPStream*, NPBool, uint16_t*) noexcept { return NPERR_NO_ERROR; }
NPError DestroyStream(NPP, NPStream*, NPReason) noexcept { return NPERR_NO_ERROR; }
void StreamAsFile(NPP, NPStream*, const char*) noexcept {}
int32_t WriteReady(NPP, NPStream*) noexcept { return 0; }
int32_t Write(NPP, NPStream*, int32_t, int32_t, void*) noexcept { return 0; }
void Print(NPP, NPPrint*) noexcept {}
int16_t HandleEvent(NPP, void*) noexcept { return 0; }
void URLNotify(NPP, const char*, NPReason, void*) noexcept {}
NPError SetValue(NPP, NPNVariable, void*) noexcept { return NPERR_NO_ERROR; }

} // namespace

void FillPluginFuncs(NPPluginFuncs& funcs)
{
    funcs.newp = NPP_New;
    funcs.destroy = NPP_Destroy;
    funcs.setwindow = SetWindow;
    funcs.newstream = NewStream;
    funcs.destroystream = DestroyStream;
    funcs.asfile = StreamAsFile;
    funcs.writeready = WriteReady;
    funcs.write = Write;
    funcs.print = Print;
    funcs.event = HandleEvent;
    funcs.urlnotify = URLNotify;
    funcs.getvalue = NPP_GetValue;
    funcs.setvalue = SetValue;
}
