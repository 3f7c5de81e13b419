#include "sys/LastError.h"

CString g_strLastError;

void SetLastErrorText(const CString& text)
{
    g_strLastError = text;
}

void SetLastErrorFormat(const wchar_t* format, ...)
{
    va_list args;
    va_start(args, format);
    CString text;
    text.FormatV(format, args);
    va_end(args);
    SetLastErrorText(text);
}
