#include "afx/AfxString.h"

#include <gtest/gtest.h>

TEST(CString, NarrowTextConvertsFromTheAnsiCodePage)
{
    CString s("abc\xe9");
    ASSERT_EQ(4, s.GetLength());
    wchar_t expected = 0;
    MultiByteToWideChar(CP_ACP, 0, "\xe9", 1, &expected, 1);
    EXPECT_EQ(expected, s[3]);
    EXPECT_EQ(CString(L"ab"), CString::FromAnsi("ab\0cd", 5));
    EXPECT_EQ(CString(L"ab"), CString::FromAnsi("abcd", 2));
    EXPECT_TRUE(CString(static_cast<const char*>(nullptr)).IsEmpty());
}

TEST(CString, FormatTakesWideStrings)
{
    CString s;
    s.Format(L"File %s not found!\t(%d)", L"C:\\a b\\\u6587.txt", -7);
    EXPECT_EQ(CString(L"File C:\\a b\\\u6587.txt not found!\t(-7)"), s);
    s.Format(L"%s", L"");
    EXPECT_TRUE(s.IsEmpty());
    CString big;
    big.Format(L"%s%s", static_cast<const wchar_t*>(CString(L'x', 3000)), L"!");
    EXPECT_EQ(3001, big.GetLength());
}

TEST(CString, BufferAccessEndsAtTheFirstZeroOrGivenLength)
{
    CString s(L"hello");
    wchar_t* p = s.GetBuffer(10);
    p[2] = 0;
    s.ReleaseBuffer();
    EXPECT_EQ(CString(L"he"), s);
    p = s.GetBuffer(4);
    p[0] = L'x';
    p[1] = L'y';
    p[2] = L'z';
    s.ReleaseBuffer(3);
    EXPECT_EQ(CString(L"xyz"), s);
}

TEST(CString, TrimmingAndComparison)
{
    struct Case { const wchar_t* text; const wchar_t* trimmed; const wchar_t* left; const wchar_t* right; };
    const Case cases[] = {
        {L"  a b \t\r\n", L"a b", L"a b \t\r\n", L"  a b"},
        {L"", L"", L"", L""},
        {L" \t ", L"", L"", L""},
        {L"x", L"x", L"x", L"x"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(CString(c.trimmed), CString(c.text).Trim()) << c.text;
        EXPECT_EQ(CString(c.left), CString(c.text).TrimLeft()) << c.text;
        EXPECT_EQ(CString(c.right), CString(c.text).TrimRight()) << c.text;
    }
    EXPECT_EQ(CString(L"abc"), CString(L"\\\\abc\\").Trim(L"\\"));
    EXPECT_EQ(0, CString(L"Release").CompareNoCase(L"rELEASE"));
    EXPECT_NE(0, CString(L"Release").Compare(L"release"));
    EXPECT_LT(CString(L"a").CompareNoCase(L"B"), 0);
}

TEST(CString, Substrings)
{
    CString path(L"C:\\WINDOWS\\system32");
    EXPECT_EQ(10, path.ReverseFind(L'\\'));
    EXPECT_EQ(CString(L"C:\\WINDOWS"), path.Left(path.ReverseFind(L'\\')));
    EXPECT_EQ(CString(L"system32"), path.Mid(11));
    EXPECT_EQ(CString(L"32"), path.Right(2));
    EXPECT_EQ(CString(L""), path.Mid(40));
    EXPECT_EQ(path, path.Right(99));
    EXPECT_EQ(3, path.Find(L"WIN"));
    EXPECT_EQ(-1, path.Find(L'q'));
    CString r(L"a.b.c");
    EXPECT_EQ(2, r.Replace(L".", L".."));
    EXPECT_EQ(CString(L"a..b..c"), r);
    EXPECT_EQ(CString(L"ABC"), CString(L"aBc").MakeUpper());
}
