// The typed reads of CInStream, driven through a memory stream.
#include "stream/MemInStream.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Bytes {
    explicit Bytes(const std::string& s) { buffer.Append(s.data(), static_cast<int>(s.size())); }
    CByteBuffer buffer;
};

} // namespace

TEST(CInStream, IntegersInBothByteOrders)
{
    Bytes be(std::string("\x00\x00\x01\x02", 4));
    CMemInStream s1(be.buffer);
    UINT v = 0;
    EXPECT_TRUE(s1.ReadInt32(&v, FALSE));
    EXPECT_EQ(0x102u, v);
    Bytes le(std::string("\x02\x01\x00\x00\xfe\xff\x12\x34\x80", 9));
    CMemInStream s2(le.buffer);
    int i = 0;
    EXPECT_TRUE(s2.ReadInt(&i, TRUE));
    EXPECT_EQ(0x102, i);
    short h = 0;
    EXPECT_TRUE(s2.ReadInt16(&h, TRUE));
    EXPECT_EQ(-2, h);
    EXPECT_TRUE(s2.ReadInt16(&h, FALSE));
    EXPECT_EQ(0x1234, h);
    BYTE b = 0;
    EXPECT_TRUE(s2.ReadInt8(&b));
    EXPECT_EQ(0x80, b);
    EXPECT_FALSE(s2.ReadInt8(&b));
    EXPECT_FALSE(s2.ReadInt32(&v, TRUE));
}

TEST(CInStream, ShortIntegerReadsFail)
{
    Bytes three(std::string("\x01\x02\x03", 3));
    CMemInStream s(three.buffer);
    UINT v = 77;
    EXPECT_FALSE(s.ReadInt32(&v, TRUE));
    short h = 0;
    EXPECT_FALSE(s.ReadInt16(&h, TRUE));
}

TEST(CInStream, AnsiStringEndsAtTheFirstZeroButConsumesTheField)
{
    Bytes data(std::string("\x05\x00\x00\x00" "1.0\x00" "A" "Z", 10));
    CMemInStream s(data.buffer);
    CString text;
    EXPECT_TRUE(s.ReadAnsiString(text));
    EXPECT_EQ(CString(L"1.0"), text);
    EXPECT_EQ(9, s.GetPosition());
}

TEST(CInStream, StringReadsAndTheirFailures)
{
    struct Case { std::string bytes; bool wide; bool ok; const wchar_t* text; };
    const Case cases[] = {
        {std::string("\x07\x00\x00\x00" "a\0b\0c\0d", 11), true, true, L"abc"},      // 7 bytes: 3 chars
        {std::string("\x04\x00\x00\x00" "a\0\0\0", 8), true, true, L"a"},
        {std::string("\x00\x00\x00\x00", 4), true, true, L""},
        {std::string("\x06\x00\x00\x00" "a\0b", 7), true, false, L"ab"},             // short read
        {std::string("\x01\x00", 2), true, false, L""},                              // no prefix
        {std::string("\x03\x00\x00\x00" "abc", 7), false, true, L"abc"},
        {std::string("\x09\x00\x00\x00" "ab", 6), false, false, L"ab"},
        {std::string("\xff\xff\xff\x7f" "ab", 6), false, false, L"ab"},              // damaged length
        {std::string("\xff\xff\xff\x7f" "a\0b\0", 8), true, false, L"ab"},
        {std::string("\xff\xff\xff\xff" "ab", 6), false, true, L""},                 // negative: empty
    };
    for (const Case& c : cases) {
        Bytes data(c.bytes);
        CMemInStream s(data.buffer);
        CString text(L"previous");
        BOOL ok = c.wide ? s.ReadWideString(text) : s.ReadAnsiString(text);
        EXPECT_EQ(c.ok, ok != FALSE) << c.bytes.size();
        EXPECT_EQ(CString(c.text), text) << c.bytes.size();
    }
}

TEST(CInStream, CountsOfZeroOrLessGiveEmptyText)
{
    Bytes data("abc");
    CMemInStream s(data.buffer);
    CString text(L"x");
    EXPECT_TRUE(s.ReadAnsiChars(text, 0));
    EXPECT_TRUE(text.IsEmpty());
    text = L"x";
    EXPECT_TRUE(s.ReadWideChars(text, -1));
    EXPECT_TRUE(text.IsEmpty());
    EXPECT_EQ(0, s.GetPosition());
}

TEST(CInStream, TaggedStrings)
{
    struct Case { std::string bytes; bool ok; const wchar_t* text; };
    const Case cases[] = {
        {std::string("\x00\x00\x00\x00", 4), true, L""},
        {std::string("\x06\x00\x00\x00" "ab\0a\0b", 10), true, L"ab"},              // narrow form first
        {std::string("\x05\x00\x00\x00" "\0x\0y\0", 9), true, L"xy"},               // UTF-16 after a zero
        {std::string("\x04\x00\x00\x00" "\0x\0y", 8), true, L"x"},                  // ends with the payload
        {std::string("\x09\x00\x00\x00" "ab", 6), false, L""},
        {std::string("\x01\x00", 2), false, L""},
    };
    for (const Case& c : cases) {
        Bytes data(c.bytes);
        CMemInStream s(data.buffer);
        CString text(L"previous");
        EXPECT_EQ(c.ok, s.ReadTaggedString(text) != FALSE) << c.bytes.size();
        EXPECT_EQ(CString(c.text), text) << c.bytes.size();
    }
}

TEST(CInStream, ByteBlocksAreBoundedByTheStream)
{
    Bytes data(std::string("\x03\x00\x00\x00" "xyz" "\xff\xff\xff\x7f" "tail", 15));
    CMemInStream s(data.buffer);
    CByteBuffer block;
    EXPECT_TRUE(s.ReadBuffer(block));
    EXPECT_EQ(3, block.GetLength());
    EXPECT_EQ(0, memcmp(block.GetData(), "xyz", 3));
    EXPECT_FALSE(s.ReadBuffer(block));
    EXPECT_EQ(4, block.GetLength());
    EXPECT_LT(block.GetCapacity(), 100);
    EXPECT_EQ(0, memcmp(block.GetData(), "tail", 4));
}

TEST(CInStream, ReadExact)
{
    Bytes data("abcde");
    CMemInStream s(data.buffer);
    char out[8] = {};
    EXPECT_TRUE(s.ReadExact(out, 0));
    EXPECT_TRUE(s.ReadExact(out, 3));
    EXPECT_FALSE(s.ReadExact(out, 3));
    EXPECT_EQ(5, s.GetPosition());
}

TEST(CInStream, Int64PairsHaveTheHighWordFirst)
{
    Bytes data(std::string("\x01\0\0\0\x02\0\0\0\x03\0\0\0\x04\0\0\0", 16));
    CMemInStream s(data.buffer);
    DWORD record[4] = {};
    EXPECT_TRUE(s.ReadInt64Pair(record));
    EXPECT_EQ(2u, record[0]);
    EXPECT_EQ(1u, record[1]);
    EXPECT_EQ(4u, record[2]);
    EXPECT_EQ(3u, record[3]);
    EXPECT_FALSE(s.ReadInt64Pair(record));
}
