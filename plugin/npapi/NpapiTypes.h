// Our declarations of the NPAPI records and callbacks the plug-in and its hosts exchange, written
// from the published layouts: every table callback uses the C calling convention, the three module
// exports __stdcall.
#pragma once

#include <cstdint>

typedef int16_t NPError;
typedef unsigned char NPBool;
typedef char NPUTF8;
typedef void* NPIdentifier;
typedef char* NPMIMEType;
typedef int16_t NPReason;

struct NPP_t {
    void* pdata; // the plug-in's
    void* ndata; // the host's
};
typedef NPP_t* NPP;

struct NPSavedData {
    int32_t len;
    void* buf;
};

struct NPString {
    const NPUTF8* UTF8Characters;
    uint32_t UTF8Length;
};

enum NPVariantType : int32_t {
    NPVariantType_Void,
    NPVariantType_Null,
    NPVariantType_Bool,
    NPVariantType_Int32,
    NPVariantType_Double,
    NPVariantType_String,
    NPVariantType_Object
};

struct NPObject;

struct NPVariant {
    NPVariantType type;
    union {
        bool boolValue;
        int32_t intValue;
        double doubleValue;
        NPString stringValue;
        NPObject* objectValue;
    } value;
};

struct NPClass;

struct NPObject {
    NPClass* _class;
    uint32_t referenceCount;
};

typedef NPObject* (*NPAllocateFunctionPtr)(NPP npp, NPClass* aClass);
typedef void (*NPDeallocateFunctionPtr)(NPObject* npobj);
typedef void (*NPInvalidateFunctionPtr)(NPObject* npobj);
typedef bool (*NPHasMethodFunctionPtr)(NPObject* npobj, NPIdentifier name);
typedef bool (*NPInvokeFunctionPtr)(NPObject* npobj, NPIdentifier name, const NPVariant* args, uint32_t argCount,
                                    NPVariant* result);
typedef bool (*NPInvokeDefaultFunctionPtr)(NPObject* npobj, const NPVariant* args, uint32_t argCount,
                                           NPVariant* result);
typedef bool (*NPHasPropertyFunctionPtr)(NPObject* npobj, NPIdentifier name);
typedef bool (*NPGetPropertyFunctionPtr)(NPObject* npobj, NPIdentifier name, NPVariant* result);
typedef bool (*NPSetPropertyFunctionPtr)(NPObject* npobj, NPIdentifier name, const NPVariant* value);
typedef bool (*NPRemovePropertyFunctionPtr)(NPObject* npobj, NPIdentifier name);
typedef bool (*NPEnumerationFunctionPtr)(NPObject* npobj, NPIdentifier** value, uint32_t* count);
typedef bool (*NPConstructFunctionPtr)(NPObject* npobj, const NPVariant* args, uint32_t argCount, NPVariant* result);

const uint32_t NP_CLASS_STRUCT_VERSION_CTOR = 3;

struct NPClass {
    uint32_t structVersion;
    NPAllocateFunctionPtr allocate;
    NPDeallocateFunctionPtr deallocate;
    NPInvalidateFunctionPtr invalidate;
    NPHasMethodFunctionPtr hasMethod;
    NPInvokeFunctionPtr invoke;
    NPInvokeDefaultFunctionPtr invokeDefault;
    NPHasPropertyFunctionPtr hasProperty;
    NPGetPropertyFunctionPtr getProperty;
    NPSetPropertyFunctionPtr setProperty;
    NPRemovePropertyFunctionPtr removeProperty;
    NPEnumerationFunctionPtr enumerate;
    NPConstructFunctionPtr construct;
};

enum NPErrorCode : NPError {
    NPERR_NO_ERROR = 0,
    NPERR_GENERIC_ERROR = 1,
    NPERR_INVALID_INSTANCE_ERROR = 2,
    NPERR_INVALID_FUNCTABLE_ERROR = 3,
    NPERR_MODULE_LOAD_FAILED_ERROR = 4,
    NPERR_OUT_OF_MEMORY_ERROR = 5,
    NPERR_INVALID_PLUGIN_ERROR = 6,
    NPERR_INVALID_PLUGIN_DIR_ERROR = 7,
    NPERR_INCOMPATIBLE_VERSION_ERROR = 8,
    NPERR_INVALID_PARAM = 9,
    NPERR_INVALID_URL = 10,
    NPERR_FILE_NOT_FOUND = 11,
    NPERR_NO_DATA = 12,
    NPERR_STREAM_NOT_SEEKABLE = 13
};

enum NPPVariable : int32_t {
    NPPVpluginNameString = 1,
    NPPVpluginDescriptionString = 2,
    NPPVpluginWindowBool = 3,
    NPPVpluginTransparentBool = 4,
    NPPVpluginNeedsXEmbed = 14,
    NPPVpluginScriptableNPObject = 15
};
typedef int32_t NPNVariable;

struct NPWindow;
struct NPStream;
struct NPPrint;

typedef NPError (*NPP_NewProcPtr)(NPMIMEType pluginType, NPP instance, uint16_t mode, int16_t argc, char* argn[],
                                  char* argv[], NPSavedData* saved);
typedef NPError (*NPP_DestroyProcPtr)(NPP instance, NPSavedData** save);
typedef NPError (*NPP_SetWindowProcPtr)(NPP instance, NPWindow* window);
typedef NPError (*NPP_NewStreamProcPtr)(NPP instance, NPMIMEType type, NPStream* stream, NPBool seekable,
                                        uint16_t* stype);
typedef NPError (*NPP_DestroyStreamProcPtr)(NPP instance, NPStream* stream, NPReason reason);
typedef void (*NPP_StreamAsFileProcPtr)(NPP instance, NPStream* stream, const char* fname);
typedef int32_t (*NPP_WriteReadyProcPtr)(NPP instance, NPStream* stream);
typedef int32_t (*NPP_WriteProcPtr)(NPP instance, NPStream* stream, int32_t offset, int32_t len, void* buffer);
typedef void (*NPP_PrintProcPtr)(NPP instance, NPPrint* platformPrint);
typedef int16_t (*NPP_HandleEventProcPtr)(NPP instance, void* event);
typedef void (*NPP_URLNotifyProcPtr)(NPP instance, const char* url, NPReason reason, void* notifyData);
typedef NPError (*NPP_GetValueProcPtr)(NPP instance, NPPVariable variable, void* value);
typedef NPError (*NPP_SetValueProcPtr)(NPP instance, NPNVariable variable, void* value);
typedef void (*NPAnyFunction)();

struct NPPluginFuncs {
    uint16_t size;
    uint16_t version;
    NPP_NewProcPtr newp;
    NPP_DestroyProcPtr destroy;
    NPP_SetWindowProcPtr setwindow;
    NPP_NewStreamProcPtr newstream;
    NPP_DestroyStreamProcPtr destroystream;
    NPP_StreamAsFileProcPtr asfile;
    NPP_WriteReadyProcPtr writeready;
    NPP_WriteProcPtr write;
    NPP_PrintProcPtr print;
    NPP_HandleEventProcPtr event;
    NPP_URLNotifyProcPtr urlnotify;
    void* javaClass;
    NPP_GetValueProcPtr getvalue;
    NPP_SetValueProcPtr setvalue;
    NPAnyFunction gotfocus;
    NPAnyFunction lostfocus;
    NPAnyFunction urlredirectnotify;
    NPAnyFunction clearsitedata;
    NPAnyFunction getsiteswithdata;
    NPAnyFunction didComposite;
};

typedef void* (*NPN_MemAllocProcPtr)(uint32_t size);
typedef void (*NPN_MemFreeProcPtr)(void* ptr);
typedef NPIdentifier (*NPN_GetStringIdentifierProcPtr)(const NPUTF8* name);
typedef NPObject* (*NPN_CreateObjectProcPtr)(NPP npp, NPClass* aClass);
typedef NPObject* (*NPN_RetainObjectProcPtr)(NPObject* obj);
typedef void (*NPN_ReleaseObjectProcPtr)(NPObject* obj);
typedef void (*NPN_ReleaseVariantValueProcPtr)(NPVariant* variant);

// The host's table: the size and version, then 55 entries in the published order. The plug-in
// calls only the typed ones.
struct NPNetscapeFuncs {
    uint16_t size;
    uint16_t version;
    NPAnyFunction geturl, posturl, requestread, newstream, write, destroystream, status, uagent;
    NPN_MemAllocProcPtr memalloc;
    NPN_MemFreeProcPtr memfree;
    NPAnyFunction memflush, reloadplugins, getJavaEnv, getJavaPeer, geturlnotify, posturlnotify, getvalue,
        setvalue, invalidaterect, invalidateregion, forceredraw;
    NPN_GetStringIdentifierProcPtr getstringidentifier;
    NPAnyFunction getstringidentifiers, getintidentifier, identifierisstring, utf8fromidentifier,
        intfromidentifier;
    NPN_CreateObjectProcPtr createobject;
    NPN_RetainObjectProcPtr retainobject;
    NPN_ReleaseObjectProcPtr releaseobject;
    NPAnyFunction invoke, invokeDefault, evaluate, getproperty, setproperty, removeproperty, hasproperty,
        hasmethod;
    NPN_ReleaseVariantValueProcPtr releasevariantvalue;
    NPAnyFunction setexception, pushpopupsenabledstate, poppopupsenabledstate, enumerate, pluginthreadasynccall,
        construct, getvalueforurl, setvalueforurl, getauthenticationinfo, scheduletimer, unscheduletimer,
        popupcontextmenu, convertpoint, handleevent, unfocusinstance, urlredirectresponse;
};

static_assert(sizeof(NPNetscapeFuncs) == 4 + 55 * sizeof(void*) + (sizeof(void*) == 8 ? 4 : 0),
              "NPNetscapeFuncs: size, version and 55 entries");
static_assert(sizeof(void*) != 4 || sizeof(NPNetscapeFuncs) == 224, "NPNetscapeFuncs is 224 bytes on Win32");
static_assert(sizeof(void*) != 4 || sizeof(NPVariant) == 16, "NPVariant is 16 bytes on Win32");
static_assert(sizeof(void*) != 4 || sizeof(NPPluginFuncs) == 4 + 20 * 4, "NPPluginFuncs layout on Win32");

typedef NPError(__stdcall* NP_GetEntryPointsFunc)(NPPluginFuncs* pluginFuncs);
typedef NPError(__stdcall* NP_InitializeFunc)(NPNetscapeFuncs* hostFuncs);
typedef NPError(__stdcall* NP_ShutdownFunc)();
