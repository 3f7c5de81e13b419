// This executable carries a resource BIN 130 of 0 bytes.
#include "app/Package.h"
#include "app/ResourceLoader.h"
#include "stream/MemOutStream.h"
#include "sys/LastError.h"

#include <gtest/gtest.h>

TEST(LoadResourceToStream, AnEmptyResourceCountsAsMissing)
{
    HRSRC info = FindResourceW(nullptr, MAKEINTRESOURCEW(kPackageResourceId), kPackageResourceType);
    ASSERT_NE(nullptr, info);
    EXPECT_EQ(0u, SizeofResource(nullptr, info));
    CMemOutStream out;
    EXPECT_FALSE(LoadResourceToStream(out, GetModuleHandleW(nullptr), kPackageResourceId, kPackageResourceType));
    EXPECT_EQ(0, out.GetLength());
    EXPECT_EQ(CString(L"Can't Find BIN resource,\t\r\nThis program file has been damaged!\t"), g_strLastError);
}
