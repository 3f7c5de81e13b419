#include "token/WebDllPersonalWin32Impl.h"

#include "token/Token.h"

#include <windows.h>

#include <cstring>

namespace {

const char kLabel[] = "OMRA";
const char kSoPin[] = "Lumvex";
const char kUserPin[] = "907158";
const wchar_t kVersionKey[] = L"SOFTWARE\\OMRA\\Selvo2001_OMRA_ENT";
const DWORD kVersionBufferSize = 260;

// The record carries 32-bit addresses; the texts are constants of this module's image.
uint32_t Address(const char* text)
{
    return static_cast<uint32_t>(reinterpret_cast<uintptr_t>(text));
}

// The single token present: its slot and its information.
CK_RV FindSingleToken(CK_SLOT_ID& slot, CK_TOKEN_INFO& info)
{
    CToken& token = CToken::Instance();
    if (!token.IsLoaded())
        return CKR_CRYPTOKI_NOT_INITIALIZED;
    CK_FUNCTION_LIST* f = token.Functions();
    CK_ULONG count = 0;
    CK_RV rv = f->C_GetSlotList(CK_TRUE, nullptr, &count);
    if (rv != CKR_OK)
        return rv;
    if (count != 1)
        return CKR_FUNCTION_FAILED;
    slot = 0;
    rv = f->C_GetSlotList(CK_TRUE, &slot, &count);
    if (rv != CKR_OK)
        return rv;
    memset(&info, 0, sizeof info);
    return f->C_GetTokenInfo(slot, &info);
}

} // namespace

CWebDllPersonalWin32Impl& CWebDllPersonalWin32Impl::Shared()
{
    static CWebDllPersonalWin32Impl impl;
    return impl;
}

CK_RV CWebDllPersonalWin32Impl::GetTokenCount(CK_ULONG& count)
{
    CToken& token = CToken::Instance();
    if (!token.IsLoaded())
        return CKR_CRYPTOKI_NOT_INITIALIZED;
    CK_ULONG n = 0;
    CK_RV rv = token.Functions()->C_GetSlotList(CK_TRUE, nullptr, &n);
    if (rv != CKR_OK)
        return rv;
    count = n;
    return CKR_OK;
}

CK_RV CWebDllPersonalWin32Impl::GetTokenSN(std::string& sn)
{
    CK_SLOT_ID slot = 0;
    CK_TOKEN_INFO info;
    CK_RV rv = FindSingleToken(slot, info);
    if (rv != CKR_OK)
        return rv;
    std::string serial(reinterpret_cast<const char*>(info.serialNumber), sizeof info.serialNumber);
    serial.erase(serial.find_last_not_of(' ') + 1);
    sn = serial;
    return CKR_OK;
}

CK_RV CWebDllPersonalWin32Impl::InitializeToken()
{
    CK_SLOT_ID slot = 0;
    CK_TOKEN_INFO info;
    CK_RV rv = FindSingleToken(slot, info);
    if (rv != CKR_OK)
        return rv;
    AuxInitTokenParams params;
    memset(&params, 0, sizeof params);
    params.flag0 = 1;
    params.label = Address(kLabel);
    params.soPin = Address(kSoPin);
    params.userPin = Address(kUserPin);
    params.option19 = 6;
    params.option20 = 9;
    params.totalPublicMemory = info.ulTotalPublicMemory;
    params.totalPrivateMemory = info.ulTotalPrivateMemory;
    return CToken::Instance().AuxFunctions()->AuxInitToken(slot, &params);
}

CK_RV CWebDllPersonalWin32Impl::GetInstalledVersion(std::string& version)
{
    HKEY key = nullptr;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kVersionKey, 0, KEY_QUERY_VALUE | KEY_WOW64_32KEY, &key) != ERROR_SUCCESS)
        return CKR_FUNCTION_FAILED;
    // One byte more than the value may fill, so that a value without a NUL still ends in the buffer.
    BYTE buffer[kVersionBufferSize + 1] = {};
    DWORD size = kVersionBufferSize;
    LONG status = RegQueryValueExA(key, "Version", nullptr, nullptr, buffer, &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS)
        return CKR_FUNCTION_FAILED;
    version = reinterpret_cast<const char*>(buffer + 2);
    return CKR_OK;
}
