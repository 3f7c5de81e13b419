#include "sys/LastError.h"

#include <gtest/gtest.h>

TEST(LastError, EachWriterReplacesTheWholeText)
{
    SetLastErrorText(L"first");
    SetLastErrorFormat(L"File %s deleting failure!\t", L"C:\\x.txt");
    EXPECT_EQ(CString(L"File C:\\x.txt deleting failure!\t"), g_strLastError);
    SetLastErrorFormat(L"File %s Copy Failure (ErrorCode=%d)!\t", L"a", 32);
    EXPECT_EQ(CString(L"File a Copy Failure (ErrorCode=32)!\t"), g_strLastError);
}

TEST(LastError, IsEmptyWhenTheProcessStarts)
{
    // Each case runs in a process of its own, so nothing has written the text yet.
    EXPECT_TRUE(g_strLastError.IsEmpty());
}
