// CJSNPObject: the base of the plug-in's scriptable objects. It is the host's NPObject record
// itself (no fields of its own); every operation refuses unless a derived class answers it.
#pragma once

#include "npapi/NpapiTypes.h"

class CJSNPObject : public NPObject {
public:
    CJSNPObject() : NPObject{nullptr, 0} {}
    virtual ~CJSNPObject() = default;
    virtual void Invalidate() {}
    virtual bool HasMethod(NPIdentifier) { return false; }
    virtual bool Invoke(NPIdentifier, const NPVariant*, uint32_t, NPVariant*) { return false; }
    virtual bool InvokeDefault(const NPVariant*, uint32_t, NPVariant*) { return false; }
    virtual bool HasProperty(NPIdentifier) { return false; }
    virtual bool GetProperty(NPIdentifier, NPVariant*) { return false; }
    virtual bool SetProperty(NPIdentifier, const NPVariant*) { return false; }
    virtual bool RemoveProperty(NPIdentifier) { return false; }
    virtual bool Enumerate(NPIdentifier**, uint32_t*) { return false; }
    virtual bool Construct(const NPVariant*, uint32_t, NPVariant*) { return false; }
};
