// CXpluginImp: the four token operations behind the script methods. Each returns a PKCS#11 code
// and writes its out argument only on success.
#pragma once

#include "token/Pkcs11Types.h"

#include <string>

class CXpluginImp {
public:
    virtual ~CXpluginImp() = default;
    virtual CK_RV GetTokenCount(CK_ULONG& count) = 0;
    virtual CK_RV GetTokenSN(std::string& sn) = 0;
    virtual CK_RV InitializeToken() = 0;
    virtual CK_RV GetInstalledVersion(std::string& version) = 0;
};
