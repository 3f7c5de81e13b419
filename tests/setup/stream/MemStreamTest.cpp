#include "stream/MemInStream.h"
#include "stream/MemOutStream.h"

#include <gtest/gtest.h>

namespace {

void Fill(CByteBuffer& b, int n)
{
    for (int i = 0; i < n; ++i)
        b.AppendByte(static_cast<BYTE>('0' + i));
}

} // namespace

TEST(CMemInStream, SkipIsClipped)
{
    CByteBuffer b;
    Fill(b, 10);
    CMemInStream s(b);
    EXPECT_EQ(9, s.Skip(9));
    EXPECT_EQ(10, s.Skip(5));
    EXPECT_EQ(0, s.Skip(-20));
}

TEST(CMemInStream, LimitBoundsReadsAndSkips)
{
    CByteBuffer b;
    Fill(b, 10);
    CMemInStream s(b);
    char out[8] = {};
    s.SetLimit(3);
    EXPECT_EQ(3, s.Read(out, 5));
    EXPECT_EQ(-1, s.Read(out, 5));
    EXPECT_EQ(-1, s.ReadByte());
    EXPECT_EQ(0, s.GetRemaining());
    s.ClearLimit();
    EXPECT_EQ(7, s.GetRemaining());
    EXPECT_EQ('3', s.ReadByte());
    s.SetLimit(2);
    EXPECT_EQ(6, s.Skip(5));
    EXPECT_EQ(4, s.Skip(-5));
    EXPECT_EQ(2, s.GetRemaining());
    EXPECT_EQ(0x3534, s.ReadRawWord());
    EXPECT_EQ(0, s.ReadRawWord());
}

TEST(CMemInStream, ViewsTheBufferAsItWasAndCloses)
{
    CByteBuffer b;
    Fill(b, 3);
    CMemInStream s(b);
    EXPECT_TRUE(s.IsOpen());
    EXPECT_FALSE(s.IsFile());
    b.Append("x", 1);
    EXPECT_EQ(3, s.GetRemaining());
    s.Skip(2);
    EXPECT_EQ('2', s.ReadRawWord());
    s.SetLimit(1);
    s.Close();
    EXPECT_FALSE(s.IsOpen());
    EXPECT_EQ(0, s.GetPosition());
    EXPECT_EQ(0, s.GetRemaining());
    char c;
    EXPECT_EQ(-1, s.Read(&c, 1));
    CByteBuffer empty;
    CMemInStream none(empty);
    EXPECT_FALSE(none.IsOpen());
    EXPECT_EQ(-1, none.ReadByte());
}

TEST(CMemOutStream, OverwriteAndExtend)
{
    CMemOutStream out;
    EXPECT_EQ(4, out.Write("abcd", 4));
    EXPECT_EQ(2, out.Seek(-2));
    EXPECT_EQ(6, out.Write("wxyz", 4));
    EXPECT_EQ(6, out.GetLength());
    EXPECT_EQ(6, out.GetPosition());
    EXPECT_EQ(0, memcmp(out.GetData(), "abwxyz", 6));
    EXPECT_EQ(0, out.Seek(-100));
    out.PutByte('A');
    EXPECT_EQ(0, memcmp(out.GetData(), "Abwxyz", 6));
    EXPECT_EQ(9, out.Seek(8));
    EXPECT_EQ(9, out.GetLength());
    EXPECT_EQ(0, out.GetData()[8]);
    EXPECT_EQ(9, out.Write("q", 0));
    EXPECT_TRUE(out.Flush());
}

TEST(CMemOutStream, TakenOverBytesLeaveTheStreamEmpty)
{
    CMemOutStream out;
    out.Write("package", 7);
    BYTE* storage = out.GetData();
    CByteBuffer kept;
    kept.TakeOver(&out);
    EXPECT_EQ(storage, kept.GetData());
    EXPECT_EQ(7, kept.GetLength());
    EXPECT_EQ(0, out.GetLength());
    EXPECT_EQ(0, out.GetPosition());
    out.Write("new", 3);
    EXPECT_EQ(3, out.GetLength());
    EXPECT_EQ(0, memcmp(out.GetData(), "new", 3));
}

TEST(CMemOutStream, FreeAndClearResetThePosition)
{
    CMemOutStream out;
    out.Write("abc", 3);
    out.Clear();
    EXPECT_EQ(0, out.GetPosition());
    out.Write("z", 1);
    out.Free();
    EXPECT_EQ(0, out.GetPosition());
    EXPECT_EQ(nullptr, out.GetData());
}
