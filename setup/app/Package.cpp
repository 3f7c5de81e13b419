#include "app/Package.h"

CString ReadPackageVersion(CInStream& in)
{
    in.Skip(kPackageMagicLength);
    CString version;
    in.ReadAnsiString(version);
    return version;
}

BOOL ReadPackageEntry(CInStream& in, CString& name, CByteBuffer& data)
{
    BOOL complete = in.ReadAnsiString(name);
    int dataLen = 0;
    complete = in.ReadInt(&dataLen, TRUE) && complete;
    return in.ReadBlock(data, dataLen) && complete;
}
