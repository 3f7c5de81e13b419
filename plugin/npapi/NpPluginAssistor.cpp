#include "npapi/NpPluginAssistor.h"

#include "npapi/VariantResult.h"

void CNpPluginAssistor::RegisterMethods(std::vector<std::string>& names)
{
    const struct {
        const char* name;
        Handler handler;
    } methods[] = {
        {"zqGetCount", &CNpPluginAssistor::OnGetCount},
        {"zqGetSN", &CNpPluginAssistor::OnGetSN},
        {"zqInitToken", &CNpPluginAssistor::OnInitToken},
        {"GetVersion", &CNpPluginAssistor::OnGetVersion},
    };
    for (const auto& method : methods) {
        names.push_back(method.name);
        AddMethod(method.name, method.handler);
    }
}

void CNpPluginAssistor::RegisterProperties(std::vector<std::string>&) {}

int32_t CNpPluginAssistor::OnGetCount(NPIdentifier, const NPVariant*, uint32_t, NPVariant* result)
{
    CK_ULONG count = 0;
    m_impl->GetTokenCount(count);
    SetNumberResult(result, static_cast<int32_t>(count));
    return 0;
}

int32_t CNpPluginAssistor::OnGetSN(NPIdentifier, const NPVariant*, uint32_t, NPVariant* result)
{
    std::string sn;
    m_impl->GetTokenSN(sn);
    return SetTextResult(result, sn);
}

int32_t CNpPluginAssistor::OnInitToken(NPIdentifier, const NPVariant*, uint32_t, NPVariant* result)
{
    SetNumberResult(result, static_cast<int32_t>(m_impl->InitializeToken()));
    return 0;
}

int32_t CNpPluginAssistor::OnGetVersion(NPIdentifier, const NPVariant*, uint32_t, NPVariant* result)
{
    std::string version;
    m_impl->GetInstalledVersion(version);
    return SetTextResult(result, version);
}
