// The copy rules of the host's function table, on the plug-in's own table code.
#include "npapi/HostFuncs.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace {

// A host table whose every entry is a distinct non-null value.
NPNetscapeFuncs FullTable()
{
    NPNetscapeFuncs host{};
    host.size = sizeof host;
    host.version = 27;
    NPAnyFunction* entries = &host.geturl;
    for (int i = 0; i < 55; ++i)
        entries[i] = reinterpret_cast<NPAnyFunction>(static_cast<uintptr_t>(0x1000 + i));
    return host;
}

int Index(size_t offset)
{
    return static_cast<int>((offset - offsetof(NPNetscapeFuncs, geturl)) / sizeof(void*));
}

bool Copied(int index)
{
    return (index >= Index(offsetof(NPNetscapeFuncs, geturl)) && index <= Index(offsetof(NPNetscapeFuncs, reloadplugins))) ||
           (index >= Index(offsetof(NPNetscapeFuncs, geturlnotify)) && index <= Index(offsetof(NPNetscapeFuncs, setexception))) ||
           index == Index(offsetof(NPNetscapeFuncs, construct));
}

} // namespace

TEST(HostFuncs, CopiesTheListedEntriesOnly)
{
    ASSERT_TRUE(EnsureHostFuncs());
    NPNetscapeFuncs host = FullTable();
    CopyHostFuncs(host);
    EXPECT_EQ(host.size, g_hostFuncs->size);
    EXPECT_EQ(27, g_hostFuncs->version);
    const NPAnyFunction* copied = &g_hostFuncs->geturl;
    int count = 0;
    for (int i = 0; i < 55; ++i) {
        EXPECT_EQ(Copied(i), copied[i] != nullptr) << "entry " << i + 1;
        count += copied[i] != nullptr;
    }
    EXPECT_EQ(12 + 26 + 1, count);
    EXPECT_EQ(nullptr, g_hostFuncs->getJavaEnv);
    EXPECT_EQ(nullptr, g_hostFuncs->enumerate);
    EXPECT_EQ(nullptr, g_hostFuncs->pluginthreadasynccall);
    EXPECT_EQ(nullptr, g_hostFuncs->urlredirectresponse);
    FreeHostFuncs();
    EXPECT_EQ(nullptr, g_hostFuncs);
}

TEST(HostFuncs, AShorterHostTableLeavesLaterEntriesNull)
{
    ASSERT_TRUE(EnsureHostFuncs());
    NPNetscapeFuncs host = FullTable();
    host.size = static_cast<uint16_t>(offsetof(NPNetscapeFuncs, memflush));
    CopyHostFuncs(host);
    EXPECT_NE(nullptr, g_hostFuncs->memfree);
    EXPECT_EQ(nullptr, g_hostFuncs->memflush);
    EXPECT_EQ(nullptr, g_hostFuncs->getstringidentifier);
    // Calls through missing entries fail instead of jumping nowhere.
    EXPECT_EQ(nullptr, NPN_GetStringIdentifier("zqGetCount"));
    EXPECT_EQ(nullptr, NPN_CreateObject(nullptr, nullptr));
    FreeHostFuncs();
    EXPECT_EQ(nullptr, NPN_MemAlloc(10));
}
