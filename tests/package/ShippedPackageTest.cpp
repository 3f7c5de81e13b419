// This executable links the installer's package as its BIN 130 resource; it reads it back as the
// installer does and compares every entry with the file it was made from.
#include "app/Package.h"
#include "app/ResourceLoader.h"
#include "stream/MemInStream.h"
#include "stream/MemOutStream.h"

#include <gtest/gtest.h>

#include "TestFiles.h"

TEST(ShippedPackage, SixEntriesInOrderBehindTheShippedVersionField)
{
    CMemOutStream out;
    ASSERT_TRUE(LoadResourceToStream(out, GetModuleHandleW(nullptr), kPackageResourceId, kPackageResourceType));
    CByteBuffer package;
    package.TakeOver(&out);
    ASSERT_EQ(1600000, package.GetLength());
    std::string bytes(reinterpret_cast<char*>(package.GetData()), package.GetLength());
    EXPECT_EQ("qorqorqor", bytes.substr(0, 9));
    EXPECT_EQ("qorqorqor", bytes.substr(1600000 - 9));
    CMemInStream in(package);
    EXPECT_EQ(CString(L"1.0.72.1"), ReadPackageVersion(in));
    EXPECT_EQ(13 + 2370, in.GetPosition());
    const struct { const char* name; const char* file; } entries[] = {
        {"CabArc.Exe", KIT_CABARC}, {"qorvan2.cab", KIT_CONTENTS "/qorvan2.cab"},
        {"Tiravo.bin", KIT_CONTENTS "/Tiravo.bin"}, {"Marn1.bin", KIT_CONTENTS "/Marn1.bin"},
        {"Pirvona.bin", KIT_CONTENTS "/Pirvona.bin"}, {"lzma.exe", KIT_LZMA},
    };
    for (const auto& entry : entries) {
        CString name;
        CByteBuffer data(1024);
        ASSERT_TRUE(ReadPackageEntry(in, name, data)) << entry.name;
        EXPECT_EQ(CString(entry.name), name);
        EXPECT_EQ(FileBytes(entry.file), std::string(reinterpret_cast<char*>(data.GetData()), data.GetLength()))
            << entry.name;
    }
    EXPECT_EQ(std::string(1600000 - 9 - in.GetPosition(), '\0'), bytes.substr(in.GetPosition(), 1600000 - 9 - in.GetPosition()));
}
