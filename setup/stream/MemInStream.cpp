#include "stream/MemInStream.h"

#include <cstring>

CMemInStream::CMemInStream(const CByteBuffer& buffer) : CMemInStream(buffer.GetData(), buffer.GetLength()) {}

CMemInStream::CMemInStream(const void* data, int size)
    : m_pData(static_cast<const BYTE*>(data)), m_nSize(data && size > 0 ? size : 0)
{
}

BOOL CMemInStream::IsOpen() const { return m_pData != nullptr; }
BOOL CMemInStream::IsFile() const { return FALSE; }
int CMemInStream::GetPosition() const { return m_nPos; }

void CMemInStream::Close()
{
    m_pData = nullptr;
    m_nSize = 0;
    m_nPos = 0;
    ClearLimit();
}

int CMemInStream::Read(void* dst, int count)
{
    if (!m_pData || m_nPos >= m_nSize)
        return -1;
    int n = count < m_nSize - m_nPos ? count : m_nSize - m_nPos;
    if (HasLimit()) {
        int left = m_nLimit - m_nConsumed;
        if (n > left)
            n = left;
        if (n > 0)
            m_nConsumed += n;
    }
    if (n <= 0)
        return -1;
    memcpy(dst, m_pData + m_nPos, n);
    m_nPos += n;
    return n;
}

int CMemInStream::ReadByte()
{
    if (!m_pData || m_nPos >= m_nSize)
        return -1;
    if (HasLimit()) {
        if (m_nConsumed >= m_nLimit)
            return -1;
        ++m_nConsumed;
    }
    return m_pData[m_nPos++];
}

WORD CMemInStream::ReadRawWord()
{
    BYTE b[2] = {0, 0};
    if (Read(b, 2) < 0)
        return 0;
    return static_cast<WORD>(b[0] | b[1] << 8);
}

int CMemInStream::Skip(int delta)
{
    long long target = static_cast<long long>(m_nPos) + delta;
    if (target < 0)
        target = 0;
    if (target > m_nSize)
        target = m_nSize;
    long long moved = target - m_nPos;
    if (HasLimit()) {
        long long consumed = m_nConsumed + moved;
        if (consumed < 0)
            moved -= consumed;
        else if (consumed > m_nLimit)
            moved -= consumed - m_nLimit;
        m_nConsumed += static_cast<int>(moved);
    }
    m_nPos += static_cast<int>(moved);
    return m_nPos;
}

int CMemInStream::GetRemaining() const
{
    if (HasLimit())
        return m_nLimit - m_nConsumed;
    return m_nSize - m_nPos;
}
