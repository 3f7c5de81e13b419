// CNpPluginAssistor: the four script methods of the token object and their handlers over the
// token operations. Every handler ignores its arguments; a failed operation still answers, with 0
// or the empty text (the init method hands back the operation's code).
#pragma once

#include "npapi/NpPluginAssistorT.h"

class CNpPluginAssistor : public CNpPluginAssistorT<CNpPluginAssistor> {
public:
    explicit CNpPluginAssistor(CXpluginImp* impl) : CNpPluginAssistorT(impl) {}

    void RegisterMethods(std::vector<std::string>& names) override;
    void RegisterProperties(std::vector<std::string>& names) override;

private:
    int32_t OnGetCount(NPIdentifier name, const NPVariant* args, uint32_t argCount, NPVariant* result);
    int32_t OnGetSN(NPIdentifier name, const NPVariant* args, uint32_t argCount, NPVariant* result);
    int32_t OnInitToken(NPIdentifier name, const NPVariant* args, uint32_t argCount, NPVariant* result);
    int32_t OnGetVersion(NPIdentifier name, const NPVariant* args, uint32_t argCount, NPVariant* result);
};
