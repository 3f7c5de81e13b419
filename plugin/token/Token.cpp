#include "token/Token.h"

namespace {

const wchar_t kModuleName[] = L"OMRAEnterprise.dll";

} // namespace

CToken& CToken::Instance()
{
    static CToken token;
    if (!token.m_loaded)
        token.Load();
    return token;
}

CToken::~CToken()
{
    if (m_functionList)
        m_functionList->C_Finalize(nullptr);
    m_functionList = nullptr;
    if (m_module)
        FreeLibrary(m_module);
    m_module = nullptr;
    m_loaded = 0;
}

// Releases the module of a failed binding, so that retrying on every call holds no extra
// reference to it.
CK_RV CToken::Unbind(CK_RV result)
{
    if (m_module)
        FreeLibrary(m_module);
    m_module = nullptr;
    m_functionList = nullptr;
    m_auxFunctionList = nullptr;
    return result;
}

CK_RV CToken::Load()
{
    m_module = LoadLibraryW(kModuleName);
    if (!m_module)
        return CKR_GENERAL_ERROR;
    auto getList = reinterpret_cast<CK_C_GetFunctionList>(
        reinterpret_cast<void*>(GetProcAddress(m_module, "C_GetFunctionList")));
    auto getAuxList = reinterpret_cast<E_GetAuxFunctionListFunc>(
        reinterpret_cast<void*>(GetProcAddress(m_module, "E_GetAuxFunctionList")));
    if (!getList || !getAuxList)
        return Unbind(CKR_FUNCTION_FAILED);
    CK_RV rv = getList(&m_functionList);
    if (rv == CKR_OK)
        rv = getAuxList(&m_auxFunctionList);
    if (rv == CKR_OK && (!m_functionList || !m_auxFunctionList))
        rv = CKR_FUNCTION_FAILED;
    if (rv != CKR_OK)
        return Unbind(rv);
    rv = m_functionList->C_Initialize(nullptr);
    if (rv != CKR_OK && rv != CKR_CRYPTOKI_ALREADY_INITIALIZED)
        return Unbind(rv);
    m_loaded = 1;
    return CKR_OK;
}
