#include "stream/ByteBuffer.h"

#include <gtest/gtest.h>

#include <cstring>
#include <malloc.h>
#include <string>

namespace {

std::string Bytes(const CByteBuffer& b)
{
    return std::string(reinterpret_cast<const char*>(b.GetData()), b.GetLength());
}

// A buffer whose storage is exactly `capacity` bytes, to start growth from a chosen size.
void SetCapacity(CByteBuffer& b, int capacity)
{
    b.Attach(calloc(capacity, 1), 0);
    ASSERT_EQ(capacity, b.GetCapacity());
}

} // namespace

TEST(CByteBuffer, InitialSize)
{
    CByteBuffer b(1024);
    EXPECT_EQ(2056, b.GetCapacity());
    EXPECT_EQ(0, b.GetLength());
    CByteBuffer none(0);
    EXPECT_EQ(0, none.GetCapacity());
    EXPECT_EQ(nullptr, none.GetData());
}

TEST(CByteBuffer, ReserveGrowsInItsFixedSteps)
{
    struct Case { int from; int need; int expected; };
    const Case cases[] = {
        {3000, 3000, 5100},          // +70%
        {30000, 30000, 75000},       // x2.5
        {300000, 300000, 420000},    // +40%
        {3000000, 3000000, 3600000}, // +20%
        {1000, 1000, 2000},          // doubling
        {100, 1000, 1600},           // doubling, repeated until the need fits
        {3000, 9000, 14739},         // +70% twice: 5100, then 8670, then 14739
    };
    for (const Case& c : cases) {
        CByteBuffer b;
        SetCapacity(b, c.from);
        b.Reserve(c.need);
        EXPECT_EQ(c.expected, b.GetCapacity()) << c.from << " -> " << c.need;
    }
    CByteBuffer b;
    b.Reserve(1024);
    EXPECT_EQ(2056, b.GetCapacity());
    b.Reserve(2051);
    EXPECT_EQ(2056, b.GetCapacity());
    b.Reserve(2052);
    EXPECT_EQ(3495, b.GetCapacity());
}

TEST(CByteBuffer, GrowthKeepsDataAndZeroFillsTheRest)
{
    CByteBuffer b;
    b.Append("abc", 3);
    b.Reserve(5000);
    EXPECT_EQ("abc", Bytes(b));
    for (int i = 3; i < b.GetCapacity(); ++i)
        ASSERT_EQ(0, b.GetData()[i]) << i;
}

TEST(CByteBuffer, AppendAndAssign)
{
    CByteBuffer b;
    b.Append("xy", 0);
    b.Append("xy", -3);
    EXPECT_EQ(0, b.GetLength());
    EXPECT_EQ(nullptr, b.GetData());
    b.Append("ab", 2);
    EXPECT_EQ(3, b.AppendByte('c'));
    b.AppendWord(0x4544);
    EXPECT_EQ("abcDE", Bytes(b));
    EXPECT_GT(b.GetCapacity(), b.GetLength() + 4);
    b.Assign("z", 1);
    EXPECT_EQ("z", Bytes(b));
}

TEST(CByteBuffer, Insert)
{
    struct Case { int pos; int count; const char* expected; };
    const Case cases[] = {
        {1, 2, "AxyBC"}, {0, 2, "xyABC"}, {3, 2, "ABCxy"}, {9, 1, "ABCx"}, {-1, 2, "ABC"}, {1, 0, "ABC"},
    };
    for (const Case& c : cases) {
        CByteBuffer b;
        b.Append("ABC", 3);
        b.Insert("xy", c.pos, c.count);
        EXPECT_EQ(c.expected, Bytes(b)) << c.pos << "," << c.count;
    }
}

TEST(CByteBuffer, TerminateWritesUpToFourZeros)
{
    CByteBuffer exact;
    exact.Attach(_strdup("abcdef"), 4);
    exact.Terminate();
    EXPECT_EQ(0, memcmp(exact.GetData(), "abcd\0\0\0", 7));
    EXPECT_EQ(4, exact.GetLength());
    CByteBuffer empty;
    empty.Terminate();
    EXPECT_EQ(nullptr, empty.GetData());
}

TEST(CByteBuffer, OwnershipMoves)
{
    CByteBuffer a;
    a.Append("hello", 5);
    BYTE* storage = a.GetData();
    CByteBuffer b;
    b.Append("old", 3);
    b.TakeOver(&a);
    EXPECT_EQ(storage, b.GetData());
    EXPECT_EQ("hello", Bytes(b));
    EXPECT_EQ(nullptr, a.GetData());
    EXPECT_EQ(0, a.GetLength());
    EXPECT_EQ(0, a.GetCapacity());
    b.TakeOver(nullptr);
    EXPECT_EQ(0, b.GetLength());

    CByteBuffer c;
    c.Append("data", 4);
    BYTE* block = c.Detach();
    EXPECT_EQ(nullptr, c.GetData());
    CByteBuffer d;
    d.Attach(block, 4);
    EXPECT_EQ("data", Bytes(d));
    EXPECT_EQ(static_cast<int>(_msize(block)), d.GetCapacity());
    d.Attach(nullptr, 9);
    EXPECT_EQ(0, d.GetLength());
}

TEST(CByteBuffer, ClearKeepsStorageFreeReleasesIt)
{
    CByteBuffer b;
    b.Append("abc", 3);
    int capacity = b.GetCapacity();
    b.Clear();
    EXPECT_EQ(0, b.GetLength());
    EXPECT_EQ(capacity, b.GetCapacity());
    b.Free();
    EXPECT_EQ(0, b.GetCapacity());
    EXPECT_EQ(nullptr, b.GetData());
}

TEST(CByteBuffer, ShrinkLeavesExactlyFourSpareBytes)
{
    CByteBuffer b(5000);
    b.Append("abcdef", 6);
    b.Shrink();
    EXPECT_EQ(10, b.GetCapacity());
    EXPECT_EQ("abcdef", Bytes(b));
    b.Shrink();
    EXPECT_EQ(10, b.GetCapacity());
}

TEST(CByteBuffer, ToGlobalCopiesTheData)
{
    CByteBuffer b;
    b.Append("global", 6);
    HGLOBAL h = b.ToGlobal();
    ASSERT_NE(nullptr, h);
    EXPECT_EQ(6u, GlobalSize(h));
    void* p = GlobalLock(h);
    EXPECT_EQ(0, memcmp(p, "global", 6));
    GlobalUnlock(h);
    GlobalFree(h);
}

TEST(CByteBuffer, ImpossibleSizesLeaveTheBufferAsItWas)
{
    CByteBuffer b;
    b.Append("keep", 4);
    b.Append("x", 0x7FFFFFFE);
    b.Insert("x", 1, 0x7FFFFFFE);
    EXPECT_FALSE(b.SetLength(0x7FFFFFFE));
    EXPECT_EQ("keep", Bytes(b));
}
