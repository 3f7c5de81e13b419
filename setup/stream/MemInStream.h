// CMemInStream: reads the bytes of a byte buffer in place. It views the data the buffer held when
// the stream was made; the buffer must outlive it.
#pragma once

#include "stream/InStream.h"

class CMemInStream : public CInStream {
public:
    explicit CMemInStream(const CByteBuffer& buffer);
    CMemInStream(const void* data, int size);

    BOOL IsOpen() const override;
    BOOL IsFile() const override;
    void Close() override;
    int GetPosition() const override;
    int Read(void* dst, int count) override;
    int ReadByte() override;
    WORD ReadRawWord() override;
    int Skip(int delta) override;
    int GetRemaining() const override;

private:
    const BYTE* m_pData;
    int m_nSize;
    int m_nPos = 0;
};
