// The process-wide description of the most recent failure of a library function: each failing
// function replaces it with a formatted English message; nothing clears it.
#pragma once

#include "afx/AfxString.h"

extern CString g_strLastError;

void SetLastErrorText(const CString& text);
// Formats like CString::Format (wide %s) and makes the result the last-error text.
void SetLastErrorFormat(const wchar_t* format, ...);
