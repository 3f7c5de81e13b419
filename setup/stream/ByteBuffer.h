// CByteBuffer: the growable, zero-filled block of bytes used throughout the installer. Its virtual
// operations are in a fixed order so that derived classes (memory output stream, extended buffer)
// hook them by position.
#pragma once

#include <windows.h>

class CByteBuffer {
public:
    explicit CByteBuffer(int initialSize = 0);
    CByteBuffer(const CByteBuffer&) = delete;
    CByteBuffer& operator=(const CByteBuffer&) = delete;

    virtual ~CByteBuffer();
    virtual int GetLength() const;
    virtual int GetCapacity() const;
    virtual BYTE* GetData() const;
    virtual void Terminate();
    virtual void Assign(const void* src, int count);
    virtual int AppendByte(BYTE value);
    virtual void AppendWord(WORD value);
    virtual void Append(const void* src, int count);
    virtual void Insert(const void* src, int pos, int count);
    virtual void TakeOver(CByteBuffer* other);
    virtual void Attach(void* memory, int length);
    virtual BYTE* Detach();
    virtual void ReserveMore(int count);
    // Guarantees capacity > size + 4. When the memory cannot be had the buffer stays as it was;
    // every growing operation then leaves its data unchanged (see HasRoomFor).
    virtual void Reserve(int size);
    virtual void Free();
    virtual void Clear();
    virtual void Shrink();
    virtual HGLOBAL ToGlobal() const;

    // Reserves room and sets the length (bytes never written are zero); FALSE when memory is short.
    BOOL SetLength(int length);
    BOOL HasRoomFor(int size) const { return size >= 0 && size + 4LL < m_nCapacity; }

protected:
    int m_nCapacity = 0;
    int m_nLength = 0;
    BYTE* m_pData = nullptr;
};
