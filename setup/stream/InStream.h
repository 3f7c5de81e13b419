// CInStream: the installer's reading stream. Concrete streams supply the raw operations; the typed
// reads (integers in either byte order, length-prefixed strings and blocks) are built on them once.
#pragma once

#include "afx/AfxString.h"
#include "stream/ByteBuffer.h"

class CInStream {
public:
    virtual ~CInStream() = default;
    virtual BOOL IsOpen() const = 0;
    virtual BOOL IsFile() const = 0;
    virtual void Close() = 0;
    virtual int GetPosition() const = 0;
    // Bytes copied (at least 1), or −1 when nothing could be read.
    virtual int Read(void* dst, int count) = 0;
    virtual int ReadByte() = 0;
    virtual WORD ReadRawWord() = 0;
    virtual int Skip(int delta) = 0;
    virtual void SetLimit(int count);
    virtual void ClearLimit();
    virtual int GetRemaining() const = 0;

    virtual BOOL ReadInt8(BYTE* value);
    virtual BOOL ReadInt16(short* value, BOOL littleEndian);
    virtual BOOL ReadInt(int* value, BOOL littleEndian);
    virtual BOOL ReadInt32(UINT* value, BOOL littleEndian);
    virtual BOOL ReadExact(void* dst, int count);
    // A 16-byte record of four 32-bit words, stored as two 64-bit values with the high word first.
    virtual BOOL ReadInt64Pair(DWORD* record);
    virtual BOOL ReadTaggedString(CString& str);
    virtual BOOL ReadWideChars(CString& str, int chars);
    virtual BOOL ReadWideString(CString& str);
    virtual BOOL ReadAnsiChars(CString& str, int bytes);
    virtual BOOL ReadAnsiString(CString& str);
    virtual BOOL ReadBuffer(CByteBuffer& buffer);

    // Replaces the buffer's contents with the next `count` bytes. A count beyond what the stream
    // still holds (a damaged length) keeps only the bytes there are and gives FALSE; memory is
    // never sized by the count alone.
    BOOL ReadBlock(CByteBuffer& buffer, int count);

protected:
    BOOL HasLimit() const { return m_nLimit != -1; }

    int m_nLimit = -1;
    int m_nConsumed = 0;
};
