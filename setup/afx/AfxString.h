// CString: the UTF-16 string of the installer, with the MFC semantics its code relies on
// (narrow text converts from the system ANSI code page, Format takes wide %s arguments).
#pragma once

#include <windows.h>

#include <cstdarg>
#include <string>

class CString {
public:
    CString() = default;
    CString(const wchar_t* text);
    CString(const wchar_t* text, int chars);
    CString(const char* narrow);
    CString(wchar_t ch, int repeat = 1);

    // Narrow bytes of the system ANSI code page, at most `bytes` of them, ending at a zero byte.
    static CString FromAnsi(const char* narrow, int bytes);

    int GetLength() const { return static_cast<int>(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }
    operator const wchar_t*() const { return m_str.c_str(); }
    const wchar_t* GetString() const { return m_str.c_str(); }
    wchar_t GetAt(int index) const { return m_str[index]; }
    wchar_t operator[](int index) const { return m_str[index]; }

    CString& operator=(const wchar_t* text);
    CString& operator=(const char* narrow);
    CString& operator+=(const CString& other);
    CString& operator+=(const wchar_t* text);
    CString& operator+=(wchar_t ch);
    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, const wchar_t* b);
    friend CString operator+(const wchar_t* a, const CString& b);
    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, const wchar_t* b) { return a.m_str == (b ? b : L""); }
    friend bool operator!=(const CString& a, const CString& b) { return a.m_str != b.m_str; }
    friend bool operator!=(const CString& a, const wchar_t* b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.m_str < b.m_str; }

    int Compare(const wchar_t* other) const;
    int CompareNoCase(const wchar_t* other) const;

    void Format(const wchar_t* format, ...);
    void FormatV(const wchar_t* format, va_list args);

    // The writable buffer holds at least `minChars` characters (and the terminator);
    // ReleaseBuffer ends the text at `newLength`, or at its first zero character when −1.
    wchar_t* GetBuffer(int minChars = 0);
    void ReleaseBuffer(int newLength = -1);

    CString Left(int count) const;
    CString Right(int count) const;
    CString Mid(int first) const;
    CString Mid(int first, int count) const;
    int Find(wchar_t ch, int start = 0) const;
    int Find(const wchar_t* sub, int start = 0) const;
    int ReverseFind(wchar_t ch) const;
    int Replace(const wchar_t* oldText, const wchar_t* newText);

    CString& MakeUpper();
    CString& MakeLower();
    CString& Trim();
    CString& Trim(const wchar_t* chars);
    CString& TrimLeft();
    CString& TrimLeft(const wchar_t* chars);
    CString& TrimRight();
    CString& TrimRight(const wchar_t* chars);

private:
    std::wstring m_str;
};
