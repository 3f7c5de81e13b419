// lzma.exe: the package's LZMA tool.
//   lzma d IN OUT   decode the LZMA-alone stream IN into OUT
// Exit code 0 on success; otherwise a message on stderr, exit code 1, and no OUT left behind.
#include "LzmaDecoder.h"

#include <cstdio>
#include <cwchar>

namespace {

int Fail(const wchar_t* what, const char* reason)
{
    std::fwprintf(stderr, L"lzma: %ls: %hs\n", what, reason);
    return 1;
}

int DecodeFile(const wchar_t* inPath, const wchar_t* outPath)
{
    FILE* in = _wfopen(inPath, L"rb");
    if (!in)
        return Fail(inPath, "cannot open");
    FILE* out = _wfopen(outPath, L"wb");
    if (!out) {
        std::fclose(in);
        return Fail(outPath, "cannot create");
    }
    std::string error;
    bool ok = lzma::Decode([&](uint8_t* buffer, size_t size) { return std::fread(buffer, 1, size, in); },
                           [&](const uint8_t* bytes, size_t size) { return std::fwrite(bytes, 1, size, out) == size; },
                           error);
    std::fclose(in);
    if (std::fclose(out) != 0 && ok) {
        ok = false;
        error = "the output cannot be written";
    }
    if (ok)
        return 0;
    _wremove(outPath);
    return Fail(inPath, error.c_str());
}

} // namespace

int wmain(int argc, wchar_t** argv)
{
    if (argc != 4 || std::wcscmp(argv[1], L"d") != 0) {
        std::fwprintf(stderr, L"usage: lzma d IN OUT\n");
        return 1;
    }
    try {
        return DecodeFile(argv[2], argv[3]);
    } catch (...) {
        return Fail(argv[2], "unexpected failure");
    }
}
