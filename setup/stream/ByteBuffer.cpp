#include "stream/ByteBuffer.h"

#include <climits>
#include <cstdlib>
#include <cstring>
#include <malloc.h>

namespace {

// The growth step for the current capacity; `need` is what an empty buffer takes at once.
long long GrowthStep(long long capacity, long long need)
{
    if (capacity > 2048000)
        return static_cast<long long>(capacity * 0.2);
    if (capacity > 204800)
        return static_cast<long long>(capacity * 0.4);
    if (capacity > 20480)
        return capacity + capacity / 2;
    if (capacity > 2048)
        return static_cast<long long>(capacity * 0.7);
    if (capacity > 0)
        return capacity;
    return need;
}

} // namespace

CByteBuffer::CByteBuffer(int initialSize)
{
    if (initialSize > 0)
        Reserve(initialSize);
}

CByteBuffer::~CByteBuffer()
{
    free(m_pData);
}

int CByteBuffer::GetLength() const { return m_nLength; }
int CByteBuffer::GetCapacity() const { return m_nCapacity; }
BYTE* CByteBuffer::GetData() const { return m_pData; }

void CByteBuffer::Terminate()
{
    int spare = m_nCapacity - m_nLength;
    if (m_nCapacity <= 0 || spare <= 0)
        return;
    memset(m_pData + m_nLength, 0, spare < 4 ? spare : 4);
}

void CByteBuffer::Assign(const void* src, int count)
{
    Free();
    Append(src, count);
}

int CByteBuffer::AppendByte(BYTE value)
{
    Append(&value, 1);
    return m_nLength;
}

void CByteBuffer::AppendWord(WORD value)
{
    BYTE bytes[2] = {static_cast<BYTE>(value & 0xFF), static_cast<BYTE>(value >> 8)};
    Append(bytes, 2);
}

void CByteBuffer::Append(const void* src, int count)
{
    if (count <= 0 || !src)
        return;
    long long size = static_cast<long long>(m_nLength) + count;
    if (size > INT_MAX - 8)
        return;
    Reserve(static_cast<int>(size));
    if (!HasRoomFor(static_cast<int>(size)))
        return;
    memcpy(m_pData + m_nLength, src, count);
    m_nLength += count;
}

void CByteBuffer::Insert(const void* src, int pos, int count)
{
    if (pos < 0 || count < 1)
        return;
    if (pos >= m_nLength) {
        Append(src, count);
        return;
    }
    long long size = static_cast<long long>(m_nLength) + count + 4;
    if (size > INT_MAX - 8)
        return;
    if (size >= m_nCapacity)
        Reserve(static_cast<int>(size));
    if (!HasRoomFor(m_nLength + count))
        return;
    memmove(m_pData + pos + count, m_pData + pos, m_nLength - pos);
    memcpy(m_pData + pos, src, count);
    m_nLength += count;
}

void CByteBuffer::TakeOver(CByteBuffer* other)
{
    Free();
    if (!other || other == this)
        return;
    m_pData = other->m_pData;
    m_nLength = other->m_nLength;
    m_nCapacity = other->m_nCapacity;
    other->m_pData = nullptr;
    other->m_nLength = 0;
    other->m_nCapacity = 0;
    // Lets a derived buffer reset its own state (a memory stream its write position).
    other->Clear();
}

void CByteBuffer::Attach(void* memory, int length)
{
    Free();
    if (!memory)
        return;
    m_pData = static_cast<BYTE*>(memory);
    m_nLength = length;
    m_nCapacity = static_cast<int>(_msize(memory));
}

BYTE* CByteBuffer::Detach()
{
    BYTE* data = m_pData;
    m_pData = nullptr;
    m_nCapacity = 0;
    m_nLength = 0;
    return data;
}

void CByteBuffer::ReserveMore(int count)
{
    long long size = static_cast<long long>(m_nLength) + count;
    if (size <= INT_MAX - 8)
        Reserve(static_cast<int>(size));
}

void CByteBuffer::Reserve(int size)
{
    long long need = static_cast<long long>(size) + 4;
    if (need < m_nCapacity)
        return;
    long long capacity = m_nCapacity;
    while (need >= capacity)
        capacity += GrowthStep(capacity, need);
    if (capacity > INT_MAX)
        capacity = INT_MAX;
    if (need >= capacity)
        return;
    BYTE* block = static_cast<BYTE*>(calloc(static_cast<size_t>(capacity), 1));
    if (!block)
        return;
    if (m_pData) {
        memcpy(block, m_pData, m_nLength);
        free(m_pData);
    }
    m_pData = block;
    m_nCapacity = static_cast<int>(capacity);
}

void CByteBuffer::Free()
{
    free(m_pData);
    m_pData = nullptr;
    m_nLength = 0;
    m_nCapacity = 0;
}

void CByteBuffer::Clear()
{
    m_nLength = 0;
}

void CByteBuffer::Shrink()
{
    if (m_nCapacity < 5 || m_nLength + 4 >= m_nCapacity)
        return;
    BYTE* block = static_cast<BYTE*>(calloc(m_nLength + 4, 1));
    if (!block)
        return;
    memcpy(block, m_pData, m_nLength);
    free(m_pData);
    m_pData = block;
    m_nCapacity = m_nLength + 4;
}

HGLOBAL CByteBuffer::ToGlobal() const
{
    HGLOBAL handle = GlobalAlloc(GMEM_MOVEABLE | GMEM_ZEROINIT, m_nLength);
    if (!handle)
        return nullptr;
    if (m_nLength > 0) {
        void* block = GlobalLock(handle);
        if (!block) {
            GlobalFree(handle);
            return nullptr;
        }
        memcpy(block, m_pData, m_nLength);
        GlobalUnlock(handle);
    }
    return handle;
}

BOOL CByteBuffer::SetLength(int length)
{
    if (length < 0)
        return FALSE;
    Reserve(length);
    if (!HasRoomFor(length))
        return FALSE;
    m_nLength = length;
    return TRUE;
}
