// COutStream: the installer's writing stream. Concrete streams supply the raw operations; the typed
// writes produce the same byte format that CInStream reads.
#pragma once

#include "afx/AfxString.h"
#include "stream/ByteBuffer.h"

class COutStream {
public:
    virtual ~COutStream() = default;
    virtual BOOL IsOpen() const = 0;
    virtual BOOL IsFile() const = 0;
    virtual void Close() = 0;
    virtual int GetPosition() const = 0;
    virtual int Seek(int delta) = 0;
    virtual void PutByte(BYTE value) = 0;
    virtual int Write(const void* src, int count) = 0;
    virtual BOOL Flush() = 0;

    virtual void WriteInt8(BYTE value);
    virtual void WriteInt16(short value, BOOL littleEndian);
    virtual void WriteInt32(UINT value, BOOL littleEndian);
    virtual void WriteBytes(const void* src, int count);
    virtual void WriteTaggedString(const CString& text);
    virtual void WriteWideString(const CString& text, BOOL withLength);
    virtual void WriteAnsiString(const CString& text, BOOL withLength);
    virtual void WriteWideText(const wchar_t* text, BOOL withLength);
    virtual void WriteAnsiText(const char* text, BOOL withLength);
    virtual void WriteInt64Pair(const DWORD* record);
    virtual void WriteBuffer(const CByteBuffer& buffer, BOOL withLength);

private:
    void WritePrefixed(const void* src, int count, BOOL withLength);
};
