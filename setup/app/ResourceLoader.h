// Copies a resource of a module into an output stream (the installer's embedded package).
#pragma once

#include "stream/OutStream.h"

BOOL LoadResourceToStream(COutStream& out, HINSTANCE module, UINT id, const wchar_t* type);
