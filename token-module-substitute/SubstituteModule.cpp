// A stand-in for the token maker's PKCS#11 module, for development and tests only. It answers the
// calls the plug-in makes as a real module would, over a scenario read from the environment on
// every call, and records what it was asked:
//   KIT_TOKEN_SCENARIO="tokens=HEX32/PUBLIC/PRIVATE,...;C_GetSlotList=0x30;AuxInitToken=6;..."
// tokens: the tokens present (16 serial bytes in hex, then the two memory sizes); NAME=CODE: the
// result to force from that call. Unset, one token is present.
#include "token/Pkcs11Types.h"

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

namespace {

struct SimToken {
    unsigned char serial[16];
    CK_ULONG publicMemory;
    CK_ULONG privateMemory;
};

struct Scenario {
    std::vector<SimToken> tokens;
    std::string forced; // ";NAME=CODE;..." as given
};

const char kDefaultScenario[] = "tokens=4b42323032362d303030312020202020/32768/65536";
const CK_SLOT_ID kFirstSlot = 11;
const size_t kRecordLimit = 64 * 1024;

bool g_initialized = false;
std::string g_record;

std::string Env(const char* name)
{
    char value[4096];
    DWORD n = GetEnvironmentVariableA(name, value, sizeof value);
    return n && n < sizeof value ? std::string(value, n) : std::string();
}

bool ParseToken(const std::string& spec, SimToken& token)
{
    if (spec.size() < 32)
        return false;
    for (int i = 0; i < 16; ++i)
        token.serial[i] = static_cast<unsigned char>(std::strtoul(spec.substr(2 * i, 2).c_str(), nullptr, 16));
    unsigned long pub = 0, priv = 0;
    std::sscanf(spec.c_str() + 32, "/%lu/%lu", &pub, &priv);
    token.publicMemory = pub;
    token.privateMemory = priv;
    return true;
}

Scenario Current()
{
    std::string text = Env("KIT_TOKEN_SCENARIO");
    if (text.empty())
        text = kDefaultScenario;
    Scenario scenario;
    scenario.forced = ";" + text + ";";
    size_t at = text.find("tokens=");
    if (at == std::string::npos)
        return scenario;
    std::string list = text.substr(at + 7, text.find(';', at) - at - 7);
    for (size_t start = 0; start < list.size();) {
        size_t comma = list.find(',', start);
        SimToken token;
        if (ParseToken(list.substr(start, comma - start), token))
            scenario.tokens.push_back(token);
        start = comma == std::string::npos ? list.size() : comma + 1;
    }
    return scenario;
}

// The code the scenario forces from `call`, if any.
bool Forced(const Scenario& scenario, const char* call, CK_RV& rv)
{
    std::string key = std::string(";") + call + "=";
    size_t at = scenario.forced.find(key);
    if (at == std::string::npos)
        return false;
    rv = static_cast<CK_RV>(std::strtoul(scenario.forced.c_str() + at + key.size(), nullptr, 0));
    return true;
}

CK_RV Record(const char* call, CK_RV rv, const std::string& detail = std::string())
{
    char line[64];
    std::snprintf(line, sizeof line, "%s -> 0x%lx", call, static_cast<unsigned long>(rv));
    g_record += line;
    if (!detail.empty())
        g_record += " " + detail;
    g_record += "\n";
    // A long run keeps only its recent calls, so that the record itself does not grow without end.
    if (g_record.size() > kRecordLimit)
        g_record.erase(0, g_record.find('\n', g_record.size() - kRecordLimit / 2) + 1);
    return rv;
}

std::string Hex(const void* bytes, size_t count)
{
    std::string out;
    char two[3];
    for (size_t i = 0; i < count; ++i) {
        std::snprintf(two, sizeof two, "%02x", static_cast<const unsigned char*>(bytes)[i]);
        out += two;
    }
    return out;
}

const char* Text(uint32_t address)
{
    return reinterpret_cast<const char*>(static_cast<uintptr_t>(address));
}

CK_RV Initialize(void*)
{
    Scenario s = Current();
    CK_RV rv = CKR_OK;
    if (!Forced(s, "C_Initialize", rv) && g_initialized)
        rv = CKR_CRYPTOKI_ALREADY_INITIALIZED;
    if (rv == CKR_OK || rv == CKR_CRYPTOKI_ALREADY_INITIALIZED)
        g_initialized = true;
    return Record("C_Initialize", rv);
}

CK_RV Finalize(void*)
{
    CK_RV rv = g_initialized ? CKR_OK : CKR_CRYPTOKI_NOT_INITIALIZED;
    g_initialized = false;
    return Record("C_Finalize", rv);
}

CK_RV GetSlotList(CK_BBOOL, CK_SLOT_ID* list, CK_ULONG* count)
{
    Scenario s = Current();
    CK_RV rv = CKR_OK;
    std::string detail = list ? "list" : "count";
    if (Forced(s, "C_GetSlotList", rv))
        return Record("C_GetSlotList", rv, detail);
    if (!g_initialized)
        return Record("C_GetSlotList", CKR_CRYPTOKI_NOT_INITIALIZED, detail);
    if (!count)
        return Record("C_GetSlotList", CKR_ARGUMENTS_BAD, detail);
    CK_ULONG n = static_cast<CK_ULONG>(s.tokens.size());
    if (list && *count < n)
        rv = CKR_BUFFER_TOO_SMALL;
    else if (list)
        for (CK_ULONG i = 0; i < n; ++i)
            list[i] = kFirstSlot + i;
    *count = n;
    return Record("C_GetSlotList", rv, detail);
}

CK_RV GetTokenInfo(CK_SLOT_ID slot, CK_TOKEN_INFO* info)
{
    Scenario s = Current();
    CK_RV rv = CKR_OK;
    std::string detail = "slot=" + std::to_string(slot);
    if (Forced(s, "C_GetTokenInfo", rv))
        return Record("C_GetTokenInfo", rv, detail);
    if (!g_initialized)
        return Record("C_GetTokenInfo", CKR_CRYPTOKI_NOT_INITIALIZED, detail);
    if (slot < kFirstSlot || slot - kFirstSlot >= s.tokens.size())
        return Record("C_GetTokenInfo", CKR_SLOT_ID_INVALID, detail);
    if (!info)
        return Record("C_GetTokenInfo", CKR_ARGUMENTS_BAD, detail);
    const SimToken& token = s.tokens[slot - kFirstSlot];
    memset(info, ' ', 96);
    memcpy(info->label, "SUBSTITUTE", 10);
    memcpy(info->manufacturerID, "KeyBridge kit", 13);
    memcpy(info->model, "Substitute", 10);
    memcpy(info->serialNumber, token.serial, 16);
    info->ulTotalPublicMemory = token.publicMemory;
    info->ulFreePublicMemory = token.publicMemory;
    info->ulTotalPrivateMemory = token.privateMemory;
    info->ulFreePrivateMemory = token.privateMemory;
    return Record("C_GetTokenInfo", rv, detail);
}

CK_RV AuxInitToken(CK_SLOT_ID slot, void* params)
{
    Scenario s = Current();
    CK_RV rv = CKR_OK;
    Forced(s, "AuxInitToken", rv);
    if (!params)
        return Record("AuxInitToken", CKR_ARGUMENTS_BAD);
    // The record's bytes, with the three address fields shown as zero, then the texts they point to.
    AuxInitTokenParams copy;
    memcpy(&copy, params, sizeof copy);
    std::string detail = "slot=" + std::to_string(slot) + " label=" + Text(copy.label) + " so=" + Text(copy.soPin) +
                         " user=" + Text(copy.userPin);
    copy.label = copy.soPin = copy.userPin = 0;
    return Record("AuxInitToken", rv, detail + " params=" + Hex(&copy, sizeof copy));
}

CK_RV NotSupported()
{
    return CKR_FUNCTION_NOT_SUPPORTED;
}

CK_FUNCTION_LIST g_functions;
// Handed out by E_GetAuxFunctionList, which the incomplete build lacks.
[[maybe_unused]] AuxFunctionList g_auxFunctions = {{1, 0}, AuxInitToken};

CK_RV GetFunctionList(CK_FUNCTION_LIST** list);

void FillFunctions()
{
    g_functions.version = {2, 20};
    g_functions.C_Initialize = Initialize;
    g_functions.C_Finalize = Finalize;
    g_functions.C_GetInfo = NotSupported;
    g_functions.C_GetFunctionList = GetFunctionList;
    g_functions.C_GetSlotList = GetSlotList;
    g_functions.C_GetSlotInfo = NotSupported;
    g_functions.C_GetTokenInfo = GetTokenInfo;
    for (CK_C_Other& entry : g_functions.others)
        entry = NotSupported;
}

CK_RV GetFunctionList(CK_FUNCTION_LIST** list)
{
    CK_RV rv = CKR_OK;
    if (Forced(Current(), "C_GetFunctionList", rv))
        return Record("C_GetFunctionList", rv);
    if (!list)
        return Record("C_GetFunctionList", CKR_ARGUMENTS_BAD);
    FillFunctions();
    *list = &g_functions;
    return Record("C_GetFunctionList", CKR_OK);
}

} // namespace

extern "C" {

__declspec(dllexport) CK_RV C_GetFunctionList(CK_FUNCTION_LIST** list)
{
    return GetFunctionList(list);
}

#ifndef KIT_INCOMPLETE_MODULE
__declspec(dllexport) CK_RV E_GetAuxFunctionList(AuxFunctionList** list)
{
    CK_RV rv = CKR_OK;
    if (Forced(Current(), "E_GetAuxFunctionList", rv))
        return Record("E_GetAuxFunctionList", rv);
    if (!list)
        return Record("E_GetAuxFunctionList", CKR_ARGUMENTS_BAD);
    *list = &g_auxFunctions;
    return Record("E_GetAuxFunctionList", CKR_OK);
}
#endif

// The calls received since the module was loaded, one line each; returns the full length.
__declspec(dllexport) int SubstituteRecord(char* buffer, int size)
{
    if (buffer && size > 0)
        lstrcpynA(buffer, g_record.c_str(), size);
    return static_cast<int>(g_record.size());
}

} // extern "C"
