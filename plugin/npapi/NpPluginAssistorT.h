// CNpPluginAssistorT: keeps the handler of each script name registered by the derived class T and
// dispatches a call to it by the name's host identifier and the kind of call.
#pragma once

#include "npapi/HostFuncs.h"
#include "token/XpluginImp.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

enum CallKind : int32_t { kCallMethod = 1, kSetProperty = 2, kGetProperty = 3 };

// Dispatch's answer when no handler serves the name.
const int32_t kNoHandler = 3;

template <class T>
class CNpPluginAssistorT {
public:
    typedef int32_t (T::*Handler)(NPIdentifier name, const NPVariant* args, uint32_t argCount, NPVariant* result);

    explicit CNpPluginAssistorT(CXpluginImp* impl) : m_impl(impl) {}
    virtual ~CNpPluginAssistorT() = default;
    virtual void RegisterMethods(std::vector<std::string>& names) = 0;
    virtual void RegisterProperties(std::vector<std::string>& names) = 0;

    virtual int32_t Dispatch(NPIdentifier name, const NPVariant* args, uint32_t argCount, NPVariant* result,
                             int32_t kind)
    {
        Handler handler = nullptr;
        if (kind == kCallMethod) {
            auto it = m_methodHandlers.find(name);
            if (it != m_methodHandlers.end())
                handler = it->second;
        } else if (kind == kGetProperty || kind == kSetProperty) {
            auto it = m_propertyHandlers.find(name);
            if (it != m_propertyHandlers.end())
                handler = kind == kGetProperty ? it->second.first : it->second.second;
        }
        if (!handler)
            return kNoHandler;
        return (static_cast<T*>(this)->*handler)(name, args, argCount, result);
    }

protected:
    // An identifier already present keeps its first handler.
    bool AddMethod(const char* name, Handler handler)
    {
        return m_methodHandlers.emplace(NPN_GetStringIdentifier(name), handler).second;
    }

    std::map<NPIdentifier, Handler> m_methodHandlers;
    std::map<NPIdentifier, std::pair<Handler, Handler>> m_propertyHandlers;
    CXpluginImp* m_impl;
};
