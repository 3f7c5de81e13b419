#include "stream/MemOutStream.h"

#include <climits>
#include <cstring>

BOOL CMemOutStream::IsOpen() const { return TRUE; }
BOOL CMemOutStream::IsFile() const { return FALSE; }
void CMemOutStream::Close() {}
int CMemOutStream::GetPosition() const { return m_nPos; }
BOOL CMemOutStream::Flush() { return TRUE; }

int CMemOutStream::Write(const void* src, int count)
{
    if (count <= 0 || !src)
        return m_nPos;
    if (m_nPos == m_nLength) {
        int before = m_nLength;
        Append(src, count);
        m_nPos += m_nLength - before;
        return m_nPos;
    }
    long long end = static_cast<long long>(m_nPos) + count;
    if (end > INT_MAX - 8)
        return m_nPos;
    Reserve(static_cast<int>(end));
    if (!HasRoomFor(static_cast<int>(end)))
        return m_nPos;
    memcpy(m_pData + m_nPos, src, count);
    if (m_nLength < end)
        m_nLength = static_cast<int>(end);
    m_nPos = static_cast<int>(end);
    return m_nPos;
}

void CMemOutStream::PutByte(BYTE value)
{
    Write(&value, 1);
}

int CMemOutStream::Seek(int delta)
{
    long long target = static_cast<long long>(m_nPos) + delta;
    if (target < 0)
        target = 0;
    if (target > m_nLength && !SetLength(static_cast<int>(target > INT_MAX - 8 ? -1 : target)))
        return m_nPos;
    m_nPos = static_cast<int>(target);
    return m_nPos;
}

void CMemOutStream::Free()
{
    CByteBuffer::Free();
    m_nPos = 0;
}

void CMemOutStream::Clear()
{
    CByteBuffer::Clear();
    m_nPos = 0;
}
