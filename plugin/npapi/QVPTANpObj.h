// CQVPTANpObj: the plug-in's scriptable object. It answers to the names its assistor registers,
// found by host identifier, and hands every call on a known name to the assistor.
#pragma once

#include "npapi/JSNPObject.h"
#include "npapi/NpPluginAssistor.h"

#include <map>
#include <memory>

class CQVPTANpObj : public CJSNPObject {
public:
    explicit CQVPTANpObj(NPP npp);
    ~CQVPTANpObj() override;

    bool HasMethod(NPIdentifier name) override;
    bool Invoke(NPIdentifier name, const NPVariant* args, uint32_t argCount, NPVariant* result) override;
    bool HasProperty(NPIdentifier name) override;
    bool GetProperty(NPIdentifier name, NPVariant* result) override;
    bool SetProperty(NPIdentifier name, const NPVariant* value) override;
    bool RemoveProperty(NPIdentifier name) override;

private:
    typedef int32_t (CQVPTANpObj::*MemberHandler)(NPIdentifier name, const NPVariant* args, uint32_t argCount,
                                                   NPVariant* result, int32_t kind);
    typedef std::map<NPIdentifier, MemberHandler> NameTable;

    static void AddNames(NameTable& table, const std::vector<std::string>& names);
    bool Run(const NameTable& table, NPIdentifier name, const NPVariant* args, uint32_t argCount, NPVariant* result,
             int32_t kind);
    int32_t ForwardToAssistor(NPIdentifier name, const NPVariant* args, uint32_t argCount, NPVariant* result,
                              int32_t kind);

    NameTable m_methods;
    NameTable m_properties;
    CNpPluginAssistor* m_assistor;
};
