#include "PackageWriter.h"

namespace package {
namespace {

const char kMagic[] = "qorqorqor";
const size_t kMagicLength = sizeof(kMagic) - 1;

void PutLength(std::vector<uint8_t>& out, size_t value)
{
    for (int i = 0; i < 4; ++i)
        out.push_back(static_cast<uint8_t>(value >> (8 * i)));
}

void PutBytes(std::vector<uint8_t>& out, const void* bytes, size_t count)
{
    const uint8_t* p = static_cast<const uint8_t*>(bytes);
    out.insert(out.end(), p, p + count);
}

} // namespace

bool WritePackage(const Layout& layout, const std::vector<Entry>& entries, std::vector<uint8_t>& out,
                  std::string& error)
{
    if (layout.version.size() > layout.versionFieldSize) {
        error = "the version does not fit its field";
        return false;
    }
    out.clear();
    PutBytes(out, kMagic, kMagicLength);
    PutLength(out, layout.versionFieldSize);
    PutBytes(out, layout.version.data(), layout.version.size());
    out.resize(out.size() + layout.versionFieldSize - layout.version.size(), 0);
    for (const Entry& entry : entries) {
        PutLength(out, entry.name.size());
        PutBytes(out, entry.name.data(), entry.name.size());
        PutLength(out, entry.data.size());
        PutBytes(out, entry.data.data(), entry.data.size());
    }
    if (layout.totalSize == 0)
        return true;
    if (out.size() + kMagicLength > layout.totalSize) {
        error = "the entries do not fit the total size";
        return false;
    }
    out.resize(layout.totalSize - kMagicLength, 0);
    PutBytes(out, kMagic, kMagicLength);
    return true;
}

} // namespace package
