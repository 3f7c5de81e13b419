// CabArc.Exe: the package's cabinet tool.
//   CabArc [-o] X CABINET [DESTINATION]
// Extracts every file of the cabinet into DESTINATION (default: the current folder), overwriting
// existing files, with their attributes and times. Exit code 0 on success; otherwise a message on
// stderr and exit code 1. A name that would leave the destination is refused.
#include "Cabinet.h"

#include <windows.h>

#include <cstdio>
#include <cwchar>
#include <map>

namespace {

const uint32_t kMaxFolderSize = 1u << 30;

int Fail(const std::wstring& what, const std::string& reason)
{
    std::fwprintf(stderr, L"CabArc: %ls: %hs\n", what.c_str(), reason.c_str());
    return 1;
}

std::wstring Widen(const std::string& s, UINT codePage)
{
    int n = MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring w(n > 0 ? n : 0, L'\0');
    if (n > 0)
        MultiByteToWideChar(codePage, 0, s.data(), static_cast<int>(s.size()), &w[0], n);
    return w;
}

// The name as a relative path below the destination, or empty when it would leave it.
std::wstring SafeName(const cab::File& file)
{
    std::wstring name = Widen(file.name, file.utf8Name ? CP_UTF8 : CP_ACP);
    for (wchar_t& c : name)
        if (c == L'/')
            c = L'\\';
    if (name.empty() || name[0] == L'\\' || name.find(L':') != std::wstring::npos)
        return std::wstring();
    size_t start = 0;
    while (start <= name.size()) {
        size_t end = name.find(L'\\', start);
        std::wstring part = name.substr(start, end == std::wstring::npos ? std::wstring::npos : end - start);
        if (part.empty() || part == L"." || part == L"..")
            return std::wstring();
        if (end == std::wstring::npos)
            break;
        start = end + 1;
    }
    return name;
}

bool WriteFileAt(const std::wstring& path, const uint8_t* data, uint32_t size, const cab::File& file)
{
    for (size_t at = path.find(L'\\'); at != std::wstring::npos; at = path.find(L'\\', at + 1))
        CreateDirectoryW(path.substr(0, at).c_str(), nullptr);
    SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    HANDLE h = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    bool ok = size == 0 || (WriteFile(h, data, size, &written, nullptr) && written == size);
    FILETIME local, utc;
    if (ok && DosDateTimeToFileTime(file.date, file.time, &local) && LocalFileTimeToFileTime(&local, &utc))
        SetFileTime(h, nullptr, nullptr, &utc);
    ok = CloseHandle(h) && ok;
    DWORD attributes = file.attributes & (FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                                          FILE_ATTRIBUTE_ARCHIVE);
    SetFileAttributesW(path.c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL);
    return ok;
}

bool ReadWhole(const std::wstring& path, std::vector<uint8_t>& bytes)
{
    FILE* in = _wfopen(path.c_str(), L"rb");
    if (!in)
        return false;
    uint8_t block[1 << 16];
    for (size_t n; (n = std::fread(block, 1, sizeof block, in)) > 0;)
        bytes.insert(bytes.end(), block, block + n);
    bool ok = !std::ferror(in);
    std::fclose(in);
    return ok;
}

int Extract(const std::wstring& cabinetPath, std::wstring destination)
{
    std::vector<uint8_t> image;
    if (!ReadWhole(cabinetPath, image))
        return Fail(cabinetPath, "cannot read the cabinet");
    cab::Cabinet cabinet;
    std::string error;
    if (!cabinet.Open(image, error))
        return Fail(cabinetPath, error);
    std::map<size_t, uint64_t> needed; // bytes of each folder that its files cover
    for (const cab::File& f : cabinet.Files()) {
        if (SafeName(f).empty())
            return Fail(cabinetPath, "the name '" + f.name + "' would leave the destination folder");
        uint64_t end = static_cast<uint64_t>(f.folderOffset) + f.size;
        if (end > needed[f.folder])
            needed[f.folder] = end;
    }
    if (!destination.empty() && destination.back() != L'\\')
        destination += L'\\';
    if (!destination.empty())
        CreateDirectoryW(destination.c_str(), nullptr);
    for (const auto& entry : needed) {
        if (entry.second > kMaxFolderSize)
            return Fail(cabinetPath, "a folder is larger than this tool handles");
        std::vector<uint8_t> data;
        if (!cabinet.ReadFolder(entry.first, static_cast<uint32_t>(entry.second), data, error))
            return Fail(cabinetPath, error);
        for (const cab::File& f : cabinet.Files()) {
            if (f.folder != entry.first)
                continue;
            std::wstring path = destination + SafeName(f);
            if (!WriteFileAt(path, data.data() + f.folderOffset, f.size, f))
                return Fail(path, "cannot write the file");
        }
    }
    return 0;
}

int Usage()
{
    std::fwprintf(stderr, L"usage: CabArc [-o] X CABINET [DESTINATION]\n");
    return 1;
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    int i = 1;
    while (i < argc && argv[i][0] == L'-')
        ++i; // -o (overwrite) is what extraction always does
    if (argc - i < 2 || argc - i > 3 || _wcsicmp(argv[i], L"X") != 0)
        return Usage();
    try {
        return Extract(argv[i + 1], argc - i == 3 ? argv[i + 2] : L"");
    } catch (...) {
        return Fail(argv[i + 1], "unexpected failure");
    }
}
