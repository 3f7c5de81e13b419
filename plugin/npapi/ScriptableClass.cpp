#include "npapi/ScriptableClass.h"

#include "npapi/QVPTANpObj.h"

#include <new>

namespace {

CJSNPObject* Object(NPObject* obj)
{
    return static_cast<CJSNPObject*>(obj);
}

// Runs one forwarded operation; an exception (out of memory in the tables) becomes a refusal.
template <class Op>
bool Forward(NPObject* obj, Op op) noexcept
{
    if (!obj)
        return false;
    try {
        return op(Object(obj));
    } catch (...) {
        return false;
    }
}

NPObject* Allocate(NPP npp, NPClass*) noexcept
{
    try {
        return new CQVPTANpObj(npp);
    } catch (...) {
        return nullptr;
    }
}

void Deallocate(NPObject* obj) noexcept
{
    delete Object(obj);
}

void Invalidate(NPObject* obj) noexcept
{
    Forward(obj, [](CJSNPObject* o) { o->Invalidate(); return true; });
}

bool HasMethod(NPObject* obj, NPIdentifier name) noexcept
{
    return Forward(obj, [&](CJSNPObject* o) { return o->HasMethod(name); });
}

bool Invoke(NPObject* obj, NPIdentifier name, const NPVariant* args, uint32_t argCount, NPVariant* result) noexcept
{
    return Forward(obj, [&](CJSNPObject* o) { return o->Invoke(name, args, argCount, result); });
}

bool InvokeDefault(NPObject* obj, const NPVariant* args, uint32_t argCount, NPVariant* result) noexcept
{
    return Forward(obj, [&](CJSNPObject* o) { return o->InvokeDefault(args, argCount, result); });
}

bool HasProperty(NPObject* obj, NPIdentifier name) noexcept
{
    return Forward(obj, [&](CJSNPObject* o) { return o->HasProperty(name); });
}

bool GetProperty(NPObject* obj, NPIdentifier name, NPVariant* result) noexcept
{
    return Forward(obj, [&](CJSNPObject* o) { return o->GetProperty(name, result); });
}

bool SetProperty(NPObject* obj, NPIdentifier name, const NPVariant* value) noexcept
{
    return Forward(obj, [&](CJSNPObject* o) { return o->SetProperty(name, value); });
}

bool RemoveProperty(NPObject* obj, NPIdentifier name) noexcept
{
    return Forward(obj, [&](CJSNPObject* o) { return o->RemoveProperty(name); });
}

bool Enumerate(NPObject* obj, NPIdentifier** value, uint32_t* count) noexcept
{
    return Forward(obj, [&](CJSNPObject* o) { return o->Enumerate(value, count); });
}

bool Construct(NPObject* obj, const NPVariant* args, uint32_t argCount, NPVariant* result) noexcept
{
    return Forward(obj, [&](CJSNPObject* o) { return o->Construct(args, argCount, result); });
}

} // namespace

NPClass g_scriptableClass = {
    NP_CLASS_STRUCT_VERSION_CTOR, Allocate,    Deallocate,     Invalidate, HasMethod, Invoke,   InvokeDefault,
    HasProperty,                  GetProperty, SetProperty,    RemoveProperty, Enumerate, Construct,
};
