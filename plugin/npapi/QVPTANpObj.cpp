#include "npapi/QVPTANpObj.h"

#include "token/WebDllPersonalWin32Impl.h"

CQVPTANpObj::CQVPTANpObj(NPP) : m_assistor(new CNpPluginAssistor(&CWebDllPersonalWin32Impl::Shared()))
{
    std::unique_ptr<CNpPluginAssistor> guard(m_assistor);
    std::vector<std::string> names;
    m_assistor->RegisterMethods(names);
    AddNames(m_methods, names);
    names.clear();
    m_assistor->RegisterProperties(names);
    AddNames(m_properties, names);
    guard.release();
}

CQVPTANpObj::~CQVPTANpObj()
{
    delete m_assistor;
    m_assistor = nullptr;
}

// Stops at the first name already in the table; the names after it are not added.
void CQVPTANpObj::AddNames(NameTable& table, const std::vector<std::string>& names)
{
    for (const std::string& name : names) {
        if (!table.emplace(NPN_GetStringIdentifier(name.c_str()), &CQVPTANpObj::ForwardToAssistor).second)
            return;
    }
}

bool CQVPTANpObj::Run(const NameTable& table, NPIdentifier name, const NPVariant* args, uint32_t argCount,
                      NPVariant* result, int32_t kind)
{
    auto it = table.find(name);
    if (it == table.end())
        return false;
    return (this->*(it->second))(name, args, argCount, result, kind) == 0;
}

int32_t CQVPTANpObj::ForwardToAssistor(NPIdentifier name, const NPVariant* args, uint32_t argCount,
                                       NPVariant* result, int32_t kind)
{
    return m_assistor->Dispatch(name, args, argCount, result, kind);
}

bool CQVPTANpObj::HasMethod(NPIdentifier name)
{
    return m_methods.count(name) != 0;
}

bool CQVPTANpObj::Invoke(NPIdentifier name, const NPVariant* args, uint32_t argCount, NPVariant* result)
{
    return Run(m_methods, name, args, argCount, result, kCallMethod);
}

bool CQVPTANpObj::HasProperty(NPIdentifier name)
{
    return m_properties.count(name) != 0;
}

bool CQVPTANpObj::GetProperty(NPIdentifier name, NPVariant* result)
{
    return Run(m_properties, name, nullptr, 0, result, kGetProperty);
}

bool CQVPTANpObj::SetProperty(NPIdentifier name, const NPVariant* value)
{
    NPVariant scratch = {NPVariantType_Void, {}};
    return Run(m_properties, name, value, 1, &scratch, kSetProperty);
}

bool CQVPTANpObj::RemoveProperty(NPIdentifier name)
{
    return m_properties.erase(name) != 0;
}
