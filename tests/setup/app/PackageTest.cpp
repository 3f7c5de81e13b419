// Package images made by the package writer, read back as the installer reads them.
#include "PackageWriter.h"
#include "app/Package.h"
#include "stream/MemInStream.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<package::Entry> SixEntries()
{
    auto bytes = [](const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); };
    return {{"CabArc.Exe", bytes("cab tool")}, {"qorvan2.cab", bytes("MSCF....")},
            {"Tiravo.bin", bytes(std::string(300, 'T'))}, {"Marn1.bin", {}},
            {"Pirvona.bin", bytes("P")}, {"lzma.exe", bytes("lzma tool")}};
}

CByteBuffer& Image(CByteBuffer& buffer, const package::Layout& layout, const std::vector<package::Entry>& entries,
                   size_t cut = SIZE_MAX)
{
    std::vector<uint8_t> image;
    std::string error;
    EXPECT_TRUE(package::WritePackage(layout, entries, image, error)) << error;
    if (cut < image.size())
        image.resize(cut);
    buffer.Assign(image.data(), static_cast<int>(image.size()));
    return buffer;
}

std::string Data(const CByteBuffer& b)
{
    return std::string(reinterpret_cast<const char*>(b.GetData()), b.GetLength());
}

std::string Text(const std::vector<uint8_t>& v)
{
    return std::string(v.begin(), v.end());
}

} // namespace

TEST(Package, VersionFieldsOfAnySize)
{
    struct Case { std::string version; uint32_t field; const wchar_t* expected; int firstEntry; };
    const Case cases[] = {
        {"", 0, L"", 13},
        {"2.0", 16, L"2.0", 29},
        {"1.0.72.1", 2370, L"1.0.72.1", 2383},
        {"1.0", 3, L"1.0", 16},
    };
    for (const Case& c : cases) {
        CByteBuffer buffer;
        CMemInStream in(Image(buffer, {c.version, c.field, 0}, SixEntries()));
        EXPECT_EQ(CString(c.expected), ReadPackageVersion(in));
        EXPECT_EQ(c.firstEntry, in.GetPosition());
    }
}

TEST(Package, SixEntriesWithNamesLengthsAndContents)
{
    CByteBuffer buffer;
    const auto entries = SixEntries();
    CMemInStream in(Image(buffer, {"1.0.72.1", 2370, 8000}, entries));
    ReadPackageVersion(in);
    for (const auto& entry : entries) {
        CString name;
        CByteBuffer data(1024);
        EXPECT_TRUE(ReadPackageEntry(in, name, data));
        EXPECT_EQ(CString(entry.name.c_str()), name);
        EXPECT_EQ(Text(entry.data), Data(data));
    }
    EXPECT_EQ(8000, buffer.GetLength());
    EXPECT_EQ("qorqorqor", Data(buffer).substr(8000 - 9));
}

TEST(Package, CutInsideTheThirdEntry)
{
    CByteBuffer buffer;
    const auto entries = SixEntries();
    // magic, version field of 16, then entries 1 and 2 whole, then 100 of Tiravo.bin's 300 bytes.
    size_t cut = 9 + 4 + 16;
    for (int i = 0; i < 2; ++i)
        cut += 8 + entries[i].name.size() + entries[i].data.size();
    cut += 8 + entries[2].name.size() + 100;
    CMemInStream in(Image(buffer, {"2.0", 16, 0}, entries, cut));
    ReadPackageVersion(in);
    CString name;
    CByteBuffer data;
    for (int i = 0; i < 2; ++i) {
        EXPECT_TRUE(ReadPackageEntry(in, name, data));
        EXPECT_EQ(Text(entries[i].data), Data(data));
    }
    EXPECT_FALSE(ReadPackageEntry(in, name, data));
    EXPECT_EQ(CString(L"Tiravo.bin"), name);
    EXPECT_EQ(std::string(100, 'T'), Data(data));
    for (int i = 3; i < 6; ++i) {
        EXPECT_FALSE(ReadPackageEntry(in, name, data));
        EXPECT_TRUE(name.IsEmpty());
        EXPECT_EQ(0, data.GetLength());
    }
}

TEST(Package, DamagedLengthsAllocateOnlyWhatThePackageHolds)
{
    // A package whose first entry claims 2 GB of data and whose second has a 2 GB name.
    std::string image = std::string("qorqorqor") + std::string("\x03\0\0\0" "1.0", 7) +
                        std::string("\x01\0\0\0" "a" "\xf0\xff\xff\x7f" "abc", 12);
    CByteBuffer buffer;
    buffer.Append(image.data(), static_cast<int>(image.size()));
    CMemInStream in(buffer);
    EXPECT_EQ(CString(L"1.0"), ReadPackageVersion(in));
    CString name;
    CByteBuffer data;
    EXPECT_FALSE(ReadPackageEntry(in, name, data));
    EXPECT_EQ(CString(L"a"), name);
    EXPECT_EQ("abc", Data(data));
    EXPECT_LT(data.GetCapacity(), 4096);

    std::string names = std::string("qorqorqor") + std::string("\0\0\0\0", 4) + std::string("\xf0\xff\xff\x7f" "xy", 6);
    CByteBuffer buffer2;
    buffer2.Append(names.data(), static_cast<int>(names.size()));
    CMemInStream in2(buffer2);
    ReadPackageVersion(in2);
    EXPECT_FALSE(ReadPackageEntry(in2, name, data));
    EXPECT_EQ(CString(L"xy"), name);
}

TEST(Package, NamesAreHandedOnUnchanged)
{
    auto entries = SixEntries();
    entries[0].name = "..\\evil.exe";
    entries[1].name = "C:x";
    entries[2].name = "..";
    CByteBuffer buffer;
    CMemInStream in(Image(buffer, {"1", 1, 0}, entries));
    ReadPackageVersion(in);
    for (const char* expected : {"..\\evil.exe", "C:x", ".."}) {
        CString name;
        CByteBuffer data;
        ReadPackageEntry(in, name, data);
        EXPECT_EQ(CString(expected), name);
    }
}

TEST(PackageWriter, RefusesLayoutsThatDoNotFit)
{
    std::vector<uint8_t> image;
    std::string error;
    EXPECT_FALSE(package::WritePackage({"1.0.72.1", 4, 0}, SixEntries(), image, error));
    EXPECT_FALSE(error.empty());
    EXPECT_FALSE(package::WritePackage({"1", 1, 100}, SixEntries(), image, error));
}
