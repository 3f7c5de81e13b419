// Hands script results to the host: numbers as Int32 variants, texts as String variants in a
// buffer from NPN_MemAlloc, which then belongs to the host.
#pragma once

#include "npapi/NpapiTypes.h"

#include <string>

void SetNumberResult(NPVariant* result, int32_t value);

// The bytes go unchanged (no code-page conversion); the host sees the text up to its first zero
// byte. When the host has no memory the result is void and the call fails (nonzero).
int32_t SetTextResult(NPVariant* result, const std::string& text);
