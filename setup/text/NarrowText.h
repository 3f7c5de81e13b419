// The installer's narrow text: every explicit conversion to narrow bytes uses code page 936, so
// characters the code page lacks become its default character.
#pragma once

#include "afx/AfxString.h"
#include "stream/ByteBuffer.h"

// Appends the code page 936 bytes of `chars` characters of `text` (no terminator) to `out`.
void AppendCp936(CByteBuffer& out, const wchar_t* text, int chars);
