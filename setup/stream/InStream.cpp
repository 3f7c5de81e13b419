#include "stream/InStream.h"

#include <cstring>
#include <vector>

namespace {

int Bounded(int count, int remaining)
{
    if (remaining < 0)
        remaining = 0;
    return count < remaining ? count : remaining;
}

} // namespace

void CInStream::SetLimit(int count)
{
    m_nLimit = count;
    m_nConsumed = 0;
}

void CInStream::ClearLimit()
{
    m_nLimit = -1;
    m_nConsumed = 0;
}

BOOL CInStream::ReadInt8(BYTE* value)
{
    return Read(value, 1) == 1;
}

BOOL CInStream::ReadInt16(short* value, BOOL littleEndian)
{
    BYTE b[2];
    if (Read(b, 2) != 2)
        return FALSE;
    *value = static_cast<short>(littleEndian ? (b[0] | b[1] << 8) : (b[1] | b[0] << 8));
    return TRUE;
}

BOOL CInStream::ReadInt(int* value, BOOL littleEndian)
{
    return ReadInt32(reinterpret_cast<UINT*>(value), littleEndian);
}

BOOL CInStream::ReadInt32(UINT* value, BOOL littleEndian)
{
    BYTE b[4];
    if (Read(b, 4) != 4)
        return FALSE;
    if (littleEndian)
        *value = b[0] | b[1] << 8 | b[2] << 16 | static_cast<UINT>(b[3]) << 24;
    else
        *value = b[3] | b[2] << 8 | b[1] << 16 | static_cast<UINT>(b[0]) << 24;
    return TRUE;
}

BOOL CInStream::ReadExact(void* dst, int count)
{
    if (count <= 0)
        return count == 0;
    return Read(dst, count) == count;
}

BOOL CInStream::ReadInt64Pair(DWORD* record)
{
    UINT* words = reinterpret_cast<UINT*>(record);
    return ReadInt32(&words[1], TRUE) && ReadInt32(&words[0], TRUE) && ReadInt32(&words[3], TRUE) &&
           ReadInt32(&words[2], TRUE);
}

BOOL CInStream::ReadTaggedString(CString& str)
{
    str.Empty();
    int length = 0;
    if (!ReadInt(&length, TRUE))
        return FALSE;
    if (length == 0)
        return TRUE;
    CByteBuffer payload;
    if (!ReadBlock(payload, length))
        return FALSE;
    const BYTE* bytes = payload.GetData();
    if (bytes[0] != 0) {
        str = CString::FromAnsi(reinterpret_cast<const char*>(bytes), length);
        return TRUE;
    }
    int units = (length - 1) / 2;
    std::vector<wchar_t> text(units + 1, L'\0');
    memcpy(text.data(), bytes + 1, units * sizeof(wchar_t));
    str = text.data();
    return TRUE;
}

BOOL CInStream::ReadWideChars(CString& str, int chars)
{
    if (chars <= 0) {
        str.Empty();
        return TRUE;
    }
    int remaining = GetRemaining();
    int units = Bounded(chars, remaining / 2 + (remaining & 1));
    std::vector<wchar_t> text(units + 1, L'\0');
    int got = units > 0 ? Read(text.data(), 2 * units) : -1;
    str = text.data();
    return got == 2LL * chars;
}

BOOL CInStream::ReadWideString(CString& str)
{
    UINT bytes = 0;
    if (!ReadInt32(&bytes, TRUE)) {
        str.Empty();
        return FALSE;
    }
    return ReadWideChars(str, static_cast<int>(bytes >> 1));
}

BOOL CInStream::ReadAnsiChars(CString& str, int bytes)
{
    if (bytes <= 0) {
        str.Empty();
        return TRUE;
    }
    int take = Bounded(bytes, GetRemaining());
    std::vector<char> block(take + 1, '\0');
    int got = take > 0 ? Read(block.data(), take) : -1;
    str = block.data();
    return got == bytes;
}

BOOL CInStream::ReadAnsiString(CString& str)
{
    int bytes = 0;
    if (!ReadInt(&bytes, TRUE)) {
        str.Empty();
        return FALSE;
    }
    return ReadAnsiChars(str, bytes);
}

BOOL CInStream::ReadBuffer(CByteBuffer& buffer)
{
    int count = 0;
    if (!ReadInt(&count, TRUE))
        return FALSE;
    return ReadBlock(buffer, count);
}

BOOL CInStream::ReadBlock(CByteBuffer& buffer, int count)
{
    buffer.Clear();
    if (count < 0)
        return FALSE;
    int take = Bounded(count, GetRemaining());
    if (!buffer.SetLength(take))
        return FALSE;
    int got = take > 0 ? Read(buffer.GetData(), take) : 0;
    if (got < 0)
        got = 0;
    buffer.SetLength(got);
    return got == count;
}
