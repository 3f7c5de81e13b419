// CMemOutStream: collects written bytes in the byte buffer it is; another buffer can take them
// over without a copy (TakeOver), which leaves the stream empty at position 0.
#pragma once

#include "stream/OutStream.h"

class CMemOutStream : public COutStream, public CByteBuffer {
public:
    CMemOutStream() = default;

    BOOL IsOpen() const override;
    BOOL IsFile() const override;
    void Close() override;
    int GetPosition() const override;
    int Seek(int delta) override;
    void PutByte(BYTE value) override;
    int Write(const void* src, int count) override;
    BOOL Flush() override;

    void Free() override;
    void Clear() override;

private:
    int m_nPos = 0;
};
