#include "AfxString.h"

#include <cwchar>
#include <cwctype>
#include <vector>

namespace {

const wchar_t kWhitespace[] = L" \t\r\n\v\f";

std::wstring Widen(const char* narrow, int bytes)
{
    if (!narrow || bytes <= 0)
        return std::wstring();
    int chars = MultiByteToWideChar(CP_ACP, 0, narrow, bytes, nullptr, 0);
    if (chars <= 0)
        return std::wstring();
    std::wstring wide(chars, L'\0');
    MultiByteToWideChar(CP_ACP, 0, narrow, bytes, &wide[0], chars);
    return wide;
}

int NarrowLength(const char* narrow, int bytes)
{
    int n = 0;
    while (n < bytes && narrow[n])
        ++n;
    return n;
}

} // namespace

CString::CString(const wchar_t* text) : m_str(text ? text : L"") {}

CString::CString(const wchar_t* text, int chars) : m_str(text && chars > 0 ? text : L"", chars > 0 ? chars : 0) {}

CString::CString(const char* narrow) : m_str(Widen(narrow, narrow ? NarrowLength(narrow, INT_MAX) : 0)) {}

CString::CString(wchar_t ch, int repeat) : m_str(repeat > 0 ? repeat : 0, ch) {}

CString CString::FromAnsi(const char* narrow, int bytes)
{
    CString s;
    if (narrow && bytes > 0)
        s.m_str = Widen(narrow, NarrowLength(narrow, bytes));
    return s;
}

CString& CString::operator=(const wchar_t* text)
{
    m_str = text ? text : L"";
    return *this;
}

CString& CString::operator=(const char* narrow)
{
    return *this = CString(narrow);
}

CString& CString::operator+=(const CString& other)
{
    m_str += other.m_str;
    return *this;
}

CString& CString::operator+=(const wchar_t* text)
{
    if (text)
        m_str += text;
    return *this;
}

CString& CString::operator+=(wchar_t ch)
{
    m_str += ch;
    return *this;
}

CString operator+(const CString& a, const CString& b)
{
    CString s(a);
    return s += b;
}

CString operator+(const CString& a, const wchar_t* b)
{
    CString s(a);
    return s += b;
}

CString operator+(const wchar_t* a, const CString& b)
{
    CString s(a);
    return s += b;
}

int CString::Compare(const wchar_t* other) const
{
    return wcscmp(m_str.c_str(), other ? other : L"");
}

int CString::CompareNoCase(const wchar_t* other) const
{
    return _wcsicmp(m_str.c_str(), other ? other : L"");
}

void CString::Format(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    FormatV(format, args);
    va_end(args);
}

void CString::FormatV(const wchar_t* format, va_list args)
{
    // The C runtime's own _vsnwprintf, whose %s takes a wide string as MFC's Format does.
    va_list sizing;
    va_copy(sizing, args);
    int chars = _vscwprintf(format, sizing);
    va_end(sizing);
    if (chars < 0) {
        m_str.clear();
        return;
    }
    std::vector<wchar_t> text(chars + 1, L'\0');
    _vsnwprintf(text.data(), chars, format, args);
    m_str.assign(text.data(), chars);
}

wchar_t* CString::GetBuffer(int minChars)
{
    if (minChars > GetLength())
        m_str.resize(minChars, L'\0');
    return &m_str[0];
}

void CString::ReleaseBuffer(int newLength)
{
    if (newLength < 0)
        newLength = static_cast<int>(wcsnlen(m_str.c_str(), m_str.size()));
    if (newLength < GetLength())
        m_str.resize(newLength);
}

CString CString::Left(int count) const
{
    return Mid(0, count);
}

CString CString::Right(int count) const
{
    if (count <= 0)
        return CString();
    if (count >= GetLength())
        return *this;
    return Mid(GetLength() - count);
}

CString CString::Mid(int first) const
{
    return Mid(first, GetLength());
}

CString CString::Mid(int first, int count) const
{
    if (first < 0)
        first = 0;
    if (first >= GetLength() || count <= 0)
        return CString();
    CString s;
    s.m_str = m_str.substr(first, count);
    return s;
}

int CString::Find(wchar_t ch, int start) const
{
    if (start < 0 || start >= GetLength())
        return -1;
    size_t at = m_str.find(ch, start);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Find(const wchar_t* sub, int start) const
{
    if (!sub || start < 0 || start > GetLength())
        return -1;
    size_t at = m_str.find(sub, start);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::ReverseFind(wchar_t ch) const
{
    size_t at = m_str.rfind(ch);
    return at == std::wstring::npos ? -1 : static_cast<int>(at);
}

int CString::Replace(const wchar_t* oldText, const wchar_t* newText)
{
    if (!oldText || !*oldText)
        return 0;
    std::wstring from(oldText), to(newText ? newText : L"");
    int count = 0;
    for (size_t at = m_str.find(from); at != std::wstring::npos; at = m_str.find(from, at + to.size())) {
        m_str.replace(at, from.size(), to);
        ++count;
    }
    return count;
}

CString& CString::MakeUpper()
{
    if (!m_str.empty())
        CharUpperBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::MakeLower()
{
    if (!m_str.empty())
        CharLowerBuffW(&m_str[0], static_cast<DWORD>(m_str.size()));
    return *this;
}

CString& CString::Trim()
{
    return Trim(kWhitespace);
}

CString& CString::Trim(const wchar_t* chars)
{
    TrimRight(chars);
    return TrimLeft(chars);
}

CString& CString::TrimLeft()
{
    return TrimLeft(kWhitespace);
}

CString& CString::TrimLeft(const wchar_t* chars)
{
    m_str.erase(0, m_str.find_first_not_of(chars ? chars : L""));
    return *this;
}

CString& CString::TrimRight()
{
    return TrimRight(kWhitespace);
}

CString& CString::TrimRight(const wchar_t* chars)
{
    size_t last = m_str.find_last_not_of(chars ? chars : L"");
    m_str.erase(last == std::wstring::npos ? 0 : last + 1);
    return *this;
}
