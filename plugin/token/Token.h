// CToken: the process's binding to the token maker's PKCS#11 module, made lazily by the first
// token operation and retried by each later one until it succeeds.
#pragma once

#include "token/Pkcs11Types.h"

#include <windows.h>

class CToken {
public:
    static CToken& Instance();
    virtual ~CToken();

    CK_RV Load();
    bool IsLoaded() const { return m_loaded != 0; }
    CK_FUNCTION_LIST* Functions() const { return m_functionList; }
    AuxFunctionList* AuxFunctions() const { return m_auxFunctionList; }

private:
    CToken() = default;
    CK_RV Unbind(CK_RV result);

    BYTE m_loaded = 0;
    HMODULE m_module = nullptr;
    CK_FUNCTION_LIST* m_functionList = nullptr;
    AuxFunctionList* m_auxFunctionList = nullptr;
};
