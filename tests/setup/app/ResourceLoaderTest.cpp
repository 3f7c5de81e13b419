// This executable carries a small package as its resource BIN 130, written by pkgtool at build
// time from the files in fixture/.
#include "app/Package.h"
#include "app/ResourceLoader.h"
#include "stream/MemInStream.h"
#include "stream/MemOutStream.h"
#include "sys/LastError.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

namespace {

std::string FixtureFile(const char* name)
{
    return FileBytes(std::string(KIT_FIXTURE_DIR) + "/" + name);
}

} // namespace

TEST(LoadResourceToStream, CopiesThePackageResource)
{
    CMemOutStream out;
    ASSERT_TRUE(LoadResourceToStream(out, GetModuleHandleW(nullptr), kPackageResourceId, kPackageResourceType));
    EXPECT_EQ(4096, out.GetLength());
    CByteBuffer package;
    package.TakeOver(&out);
    CMemInStream in(package);
    EXPECT_EQ(CString(L"2.0"), ReadPackageVersion(in));
    EXPECT_EQ(29, in.GetPosition());
    for (const char* expected : {"CabArc.Exe", "qorvan2.cab", "Tiravo.bin", "Marn1.bin", "Pirvona.bin", "lzma.exe"}) {
        CString name;
        CByteBuffer data(1024);
        EXPECT_TRUE(ReadPackageEntry(in, name, data)) << expected;
        EXPECT_EQ(CString(expected), name);
        EXPECT_EQ(FixtureFile(expected), std::string(reinterpret_cast<char*>(data.GetData()), data.GetLength()));
    }
}

TEST(LoadResourceToStream, AMissingResourceWritesNothing)
{
    CMemOutStream out;
    EXPECT_FALSE(LoadResourceToStream(out, GetModuleHandleW(nullptr), 131, L"BIN"));
    EXPECT_EQ(0, out.GetLength());
    EXPECT_EQ(CString(L"Can't Find BIN resource,\t\r\nThis program file has been damaged!\t"), g_strLastError);
    EXPECT_FALSE(LoadResourceToStream(out, GetModuleHandleW(nullptr), 130, L"DATA"));
    EXPECT_EQ(CString(L"Can't Find DATA resource,\t\r\nThis program file has been damaged!\t"), g_strLastError);
}
