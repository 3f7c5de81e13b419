#include "app/ResourceLoader.h"

#include "sys/LastError.h"

namespace {

CString TypeName(const wchar_t* type)
{
    if (!IS_INTRESOURCE(type))
        return type;
    CString name;
    name.Format(L"#%u", static_cast<unsigned>(reinterpret_cast<ULONG_PTR>(type)));
    return name;
}

} // namespace

BOOL LoadResourceToStream(COutStream& out, HINSTANCE module, UINT id, const wchar_t* type)
{
    HRSRC info = FindResourceW(module, MAKEINTRESOURCEW(id), type);
    DWORD size = info ? SizeofResource(module, info) : 0;
    HGLOBAL loaded = size ? LoadResource(module, info) : nullptr;
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) {
        SetLastErrorFormat(L"Can't Find %s resource,\t\r\nThis program file has been damaged!\t",
                           TypeName(type).GetString());
        return FALSE;
    }
    out.Write(bytes, static_cast<int>(size));
    out.Flush();
    return TRUE;
}
