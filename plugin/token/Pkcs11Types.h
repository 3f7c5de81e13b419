// Our declarations of the PKCS#11 types, codes and function list the token service uses, and the
// token maker's extension list, written from the published layouts: on Windows every structure is
// packed to one byte and CK_ULONG is 32 bits.
#pragma once

#include <cstdint>

typedef uint32_t CK_ULONG;
typedef CK_ULONG CK_RV;
typedef CK_ULONG CK_SLOT_ID;
typedef CK_ULONG CK_FLAGS;
typedef unsigned char CK_BBOOL;

const CK_BBOOL CK_TRUE = 1;

const CK_RV CKR_OK = 0;
const CK_RV CKR_HOST_MEMORY = 2;
const CK_RV CKR_SLOT_ID_INVALID = 3;
const CK_RV CKR_GENERAL_ERROR = 5;
const CK_RV CKR_FUNCTION_FAILED = 6;
const CK_RV CKR_ARGUMENTS_BAD = 7;
const CK_RV CKR_DEVICE_ERROR = 0x30;
const CK_RV CKR_DEVICE_REMOVED = 0x32;
const CK_RV CKR_FUNCTION_NOT_SUPPORTED = 0x54;
const CK_RV CKR_TOKEN_NOT_PRESENT = 0xE0;
const CK_RV CKR_BUFFER_TOO_SMALL = 0x150;
const CK_RV CKR_CRYPTOKI_NOT_INITIALIZED = 0x190;
const CK_RV CKR_CRYPTOKI_ALREADY_INITIALIZED = 0x191;
const CK_RV CKR_VENDOR_DEFINED = 0x80000000;

#pragma pack(push, 1)

struct CK_VERSION {
    unsigned char major;
    unsigned char minor;
};

struct CK_TOKEN_INFO {
    unsigned char label[32];
    unsigned char manufacturerID[32];
    unsigned char model[16];
    unsigned char serialNumber[16];
    CK_FLAGS flags;
    CK_ULONG ulMaxSessionCount;
    CK_ULONG ulSessionCount;
    CK_ULONG ulMaxRwSessionCount;
    CK_ULONG ulRwSessionCount;
    CK_ULONG ulMaxPinLen;
    CK_ULONG ulMinPinLen;
    CK_ULONG ulTotalPublicMemory;
    CK_ULONG ulFreePublicMemory;
    CK_ULONG ulTotalPrivateMemory;
    CK_ULONG ulFreePrivateMemory;
    CK_VERSION hardwareVersion;
    CK_VERSION firmwareVersion;
    unsigned char utcTime[16];
};

struct CK_FUNCTION_LIST;

typedef CK_RV (*CK_C_Initialize)(void* initArgs);
typedef CK_RV (*CK_C_Finalize)(void* reserved);
typedef CK_RV (*CK_C_GetFunctionList)(CK_FUNCTION_LIST** list);
typedef CK_RV (*CK_C_GetSlotList)(CK_BBOOL tokenPresent, CK_SLOT_ID* slotList, CK_ULONG* count);
typedef CK_RV (*CK_C_GetTokenInfo)(CK_SLOT_ID slot, CK_TOKEN_INFO* info);
typedef CK_RV (*CK_C_Other)();

const int kFunctionListEntries = 68;

// The standard list: the version, then 68 function pointers; only the first seven are called by
// name here, the rest keep their places.
struct CK_FUNCTION_LIST {
    CK_VERSION version;
    CK_C_Initialize C_Initialize;
    CK_C_Finalize C_Finalize;
    CK_C_Other C_GetInfo;
    CK_C_GetFunctionList C_GetFunctionList;
    CK_C_GetSlotList C_GetSlotList;
    CK_C_Other C_GetSlotInfo;
    CK_C_GetTokenInfo C_GetTokenInfo;
    CK_C_Other others[kFunctionListEntries - 7];
};

typedef CK_RV (*AUX_InitToken)(CK_SLOT_ID slot, void* params);

// The token maker's extension list, shaped like the standard one; only its first entry is used.
struct AuxFunctionList {
    CK_VERSION version;
    AUX_InitToken AuxInitToken;
};

typedef CK_RV (*E_GetAuxFunctionListFunc)(AuxFunctionList** list);

// What AuxInitToken receives; valid only during the call. The three text fields hold the 32-bit
// addresses of NUL-terminated texts.
struct AuxInitTokenParams {
    uint8_t flag0;           // 1
    uint8_t flag1;           // 0
    uint32_t label;
    uint32_t reserved6;      // 0
    uint32_t soPin;
    uint32_t userPin;
    uint8_t option18;        // 0
    uint8_t option19;        // 6
    uint8_t option20;        // 9
    uint8_t option21;        // 0
    uint32_t totalPublicMemory;
    uint32_t totalPrivateMemory;
    uint8_t reserved30[21];  // 0
};

#pragma pack(pop)

static_assert(sizeof(CK_TOKEN_INFO) == 160, "CK_TOKEN_INFO is 160 bytes");
static_assert(__builtin_offsetof(CK_TOKEN_INFO, serialNumber) == 80, "serialNumber at 80");
static_assert(__builtin_offsetof(CK_TOKEN_INFO, ulTotalPublicMemory) == 124, "ulTotalPublicMemory at 124");
static_assert(__builtin_offsetof(CK_TOKEN_INFO, ulTotalPrivateMemory) == 132, "ulTotalPrivateMemory at 132");
static_assert(sizeof(AuxInitTokenParams) == 51, "AuxInitTokenParams is 51 bytes");
static_assert(__builtin_offsetof(AuxInitTokenParams, totalPublicMemory) == 22, "memory sizes at 22 and 26");
static_assert(sizeof(CK_FUNCTION_LIST) == 2 + kFunctionListEntries * sizeof(void*), "68 packed entries");
static_assert(__builtin_offsetof(CK_FUNCTION_LIST, C_Initialize) == 2, "first entry at offset 2");
