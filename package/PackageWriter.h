// Writes the installer's package layout: magic, a length-prefixed version field of a chosen size,
// the six length-prefixed entries, zero fill up to a chosen total and the trailing magic.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace package {

struct Entry {
    std::string name;           // narrow bytes, as the installer will name the file
    std::vector<uint8_t> data;
};

struct Layout {
    std::string version;        // narrow text; the field holds it followed by zero bytes
    uint32_t versionFieldSize;  // 0 for an empty field
    uint32_t totalSize;         // 0: no fill and no trailing magic
};

// FALSE with a reason when the version does not fit its field or the entries do not fit the total.
bool WritePackage(const Layout& layout, const std::vector<Entry>& entries, std::vector<uint8_t>& out,
                  std::string& error);

} // namespace package
