// The package that the installer carries as its resource BIN 130: a version field and six files,
// read in place from the bytes the dialog keeps.
#pragma once

#include "stream/InStream.h"

const UINT kPackageResourceId = 130;
const wchar_t kPackageResourceType[] = L"BIN";
const int kPackageEntryCount = 6;
const int kPackageMagicLength = 9;

// Reads the version from the start of the package and leaves `in` at the first entry.
CString ReadPackageVersion(CInStream& in);

// Reads the next entry into `name` and `data`. FALSE when the package ends inside it: the name is
// then empty or partial and `data` holds only the bytes the package still had.
BOOL ReadPackageEntry(CInStream& in, CString& name, CByteBuffer& data);
