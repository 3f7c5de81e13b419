// pkgtool: writes an installer package from files.
//   pkgtool OUT VERSION FIELD_SIZE TOTAL_SIZE NAME=FILE...
#include "PackageWriter.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>

namespace {

bool ReadFile(const std::string& path, std::vector<uint8_t>& data)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

int Fail(const std::string& message)
{
    std::fprintf(stderr, "pkgtool: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 5)
        return Fail("usage: pkgtool OUT VERSION FIELD_SIZE TOTAL_SIZE NAME=FILE...");
    package::Layout layout{argv[2], static_cast<uint32_t>(std::strtoul(argv[3], nullptr, 10)),
                           static_cast<uint32_t>(std::strtoul(argv[4], nullptr, 10))};
    std::vector<package::Entry> entries;
    for (int i = 5; i < argc; ++i) {
        std::string spec = argv[i];
        size_t eq = spec.find('=');
        if (eq == std::string::npos)
            return Fail("not NAME=FILE: " + spec);
        package::Entry entry{spec.substr(0, eq), {}};
        if (!ReadFile(spec.substr(eq + 1), entry.data))
            return Fail("cannot read " + spec.substr(eq + 1));
        entries.push_back(std::move(entry));
    }
    std::vector<uint8_t> image;
    std::string error;
    if (!package::WritePackage(layout, entries, image, error))
        return Fail(error);
    std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(image.data()), static_cast<std::streamsize>(image.size()));
    out.close();
    if (!out)
        return Fail(std::string("cannot write ") + argv[1]);
    return 0;
}
