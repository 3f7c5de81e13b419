#include "text/NarrowText.h"

void AppendCp936(CByteBuffer& out, const wchar_t* text, int chars)
{
    if (!text || chars <= 0)
        return;
    int bytes = WideCharToMultiByte(936, 0, text, chars, nullptr, 0, nullptr, nullptr);
    if (bytes <= 0)
        return;
    int start = out.GetLength();
    if (!out.SetLength(start + bytes))
        return;
    WideCharToMultiByte(936, 0, text, chars, reinterpret_cast<char*>(out.GetData()) + start, bytes, nullptr, nullptr);
}
