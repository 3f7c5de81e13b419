// The typed writes of COutStream, collected by a memory stream and read back.
#include "stream/MemInStream.h"
#include "stream/MemOutStream.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Written(const CMemOutStream& out)
{
    return std::string(reinterpret_cast<const char*>(out.GetData()), out.GetLength());
}

} // namespace

TEST(COutStream, IntegersInBothByteOrders)
{
    CMemOutStream out;
    out.WriteInt16(0x1234, FALSE);
    out.WriteInt16(0x1234, TRUE);
    out.WriteInt32(0x01020304, FALSE);
    out.WriteInt32(0x01020304, TRUE);
    out.WriteInt8(0xAB);
    EXPECT_EQ(std::string("\x12\x34\x34\x12\x01\x02\x03\x04\x04\x03\x02\x01\xab", 13), Written(out));
}

TEST(COutStream, StringsWithAndWithoutLength)
{
    CMemOutStream out;
    out.WriteWideString(CString(), TRUE);
    out.WriteWideString(CString(), FALSE);
    out.WriteWideString(L"ab", TRUE);
    out.WriteAnsiString(L"xy", FALSE);
    out.WriteAnsiText("q", TRUE);
    out.WriteAnsiText(nullptr, TRUE);
    out.WriteWideText(nullptr, FALSE);
    out.WriteWideText(L"z", FALSE);
    EXPECT_EQ(std::string("\0\0\0\0" "\x04\0\0\0a\0b\0" "xy" "\x01\0\0\0q" "\0\0\0\0" "z\0", 25), Written(out));
}

TEST(COutStream, NarrowTextIsCodePage936)
{
    CMemOutStream out;
    out.WriteAnsiString(L"\u4e2d\u6587!\u0e01", TRUE);
    // Two double-byte characters, the ASCII mark, and the default character for a Thai letter.
    EXPECT_EQ(std::string("\x06\0\0\0" "\xd6\xd0\xce\xc4!?", 10), Written(out));
}

TEST(COutStream, TaggedStringRoundTrip)
{
    // The reader takes the narrow form in the system's ANSI code page, so only text that reads the
    // same in every code page comes back unchanged everywhere.
    const wchar_t* texts[] = {L"", L"abc", L"reg.ini"};
    for (const wchar_t* text : texts) {
        CMemOutStream out;
        out.WriteTaggedString(text);
        CMemInStream in(out);
        CString back;
        EXPECT_TRUE(in.ReadTaggedString(back));
        EXPECT_EQ(CString(text), back);
        EXPECT_EQ(0, in.GetRemaining());
    }
    CMemOutStream out;
    out.WriteTaggedString(L"ab");
    EXPECT_EQ(std::string("\x07\0\0\0" "ab\0a\0b\0", 11), Written(out));
}

TEST(COutStream, Int64PairAndBuffers)
{
    CMemOutStream out;
    DWORD record[4] = {1, 2, 3, 4};
    out.WriteInt64Pair(record);
    CByteBuffer block;
    block.Append("hi", 2);
    out.WriteBuffer(block, TRUE);
    out.WriteBuffer(block, FALSE);
    EXPECT_EQ(std::string("\x02\0\0\0\x01\0\0\0\x04\0\0\0\x03\0\0\0" "\x02\0\0\0hi" "hi", 24), Written(out));
    CMemInStream in(out);
    DWORD back[4] = {};
    EXPECT_TRUE(in.ReadInt64Pair(back));
    EXPECT_EQ(0, memcmp(record, back, sizeof record));
}
