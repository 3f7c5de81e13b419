#include "stream/OutStream.h"

#include "text/NarrowText.h"

#include <cstring>
#include <cwchar>

void COutStream::WriteInt8(BYTE value)
{
    Write(&value, 1);
}

void COutStream::WriteInt16(short value, BOOL littleEndian)
{
    BYTE lo = static_cast<BYTE>(value & 0xFF), hi = static_cast<BYTE>((value >> 8) & 0xFF);
    BYTE b[2] = {littleEndian ? lo : hi, littleEndian ? hi : lo};
    Write(b, 2);
}

void COutStream::WriteInt32(UINT value, BOOL littleEndian)
{
    BYTE b[4];
    for (int i = 0; i < 4; ++i) {
        BYTE octet = static_cast<BYTE>(value >> (8 * i));
        b[littleEndian ? i : 3 - i] = octet;
    }
    Write(b, 4);
}

void COutStream::WriteBytes(const void* src, int count)
{
    Write(src, count);
}

void COutStream::WritePrefixed(const void* src, int count, BOOL withLength)
{
    if (withLength)
        WriteInt32(static_cast<UINT>(count), TRUE);
    if (count > 0)
        Write(src, count);
}

void COutStream::WriteTaggedString(const CString& text)
{
    CByteBuffer payload;
    if (!text.IsEmpty()) {
        AppendCp936(payload, text, text.GetLength());
        payload.AppendByte(0);
        payload.Append(text.GetString(), text.GetLength() * static_cast<int>(sizeof(wchar_t)));
    }
    WritePrefixed(payload.GetData(), payload.GetLength(), TRUE);
}

void COutStream::WriteWideString(const CString& text, BOOL withLength)
{
    WritePrefixed(text.GetString(), text.GetLength() * static_cast<int>(sizeof(wchar_t)), withLength);
}

void COutStream::WriteAnsiString(const CString& text, BOOL withLength)
{
    CByteBuffer narrow;
    AppendCp936(narrow, text, text.GetLength());
    WritePrefixed(narrow.GetData(), narrow.GetLength(), withLength);
}

void COutStream::WriteWideText(const wchar_t* text, BOOL withLength)
{
    int chars = text ? static_cast<int>(wcslen(text)) : 0;
    WritePrefixed(text, chars * static_cast<int>(sizeof(wchar_t)), withLength);
}

void COutStream::WriteAnsiText(const char* text, BOOL withLength)
{
    WritePrefixed(text, text ? static_cast<int>(strlen(text)) : 0, withLength);
}

void COutStream::WriteInt64Pair(const DWORD* record)
{
    WriteInt32(record[1], TRUE);
    WriteInt32(record[0], TRUE);
    WriteInt32(record[3], TRUE);
    WriteInt32(record[2], TRUE);
}

void COutStream::WriteBuffer(const CByteBuffer& buffer, BOOL withLength)
{
    WritePrefixed(buffer.GetData(), buffer.GetLength(), withLength);
}
