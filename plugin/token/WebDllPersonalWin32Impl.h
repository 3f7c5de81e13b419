// CWebDllPersonalWin32Impl: the token operations on Windows, over the process's CToken binding and
// the registry. One instance serves every scriptable object of the process.
#pragma once

#include "token/XpluginImp.h"

class CWebDllPersonalWin32Impl : public CXpluginImp {
public:
    // The process's one instance, made on first use and kept until the library is unloaded.
    static CWebDllPersonalWin32Impl& Shared();

    CK_RV GetTokenCount(CK_ULONG& count) override;
    CK_RV GetTokenSN(std::string& sn) override;
    CK_RV InitializeToken() override;
    CK_RV GetInstalledVersion(std::string& version) override;

private:
    CWebDllPersonalWin32Impl() = default;
};
