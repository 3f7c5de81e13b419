// Reads a Microsoft cabinet ("MSCF") from memory: its folders, files and the data of each folder
// (stored or MSZIP), checking data-block checksums where the cabinet has them.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace cab {

struct File {
    std::string name;     // as stored (UTF-8 when utf8Name is set)
    bool utf8Name;
    uint32_t size;
    uint32_t folderOffset;
    uint16_t folder;
    uint16_t date, time;  // DOS date and time
    uint16_t attributes;  // read-only 1, hidden 2, system 4, archive 0x20
};

struct Folder {
    uint32_t dataOffset;
    uint16_t blockCount;
    uint16_t compression; // low four bits: 0 stored, 1 MSZIP, 2 Quantum, 3 LZX
};

class Cabinet {
public:
    // FALSE with a reason for input that is not a complete single cabinet of a supported kind.
    bool Open(const std::vector<uint8_t>& image, std::string& error);
    const std::vector<File>& Files() const { return m_files; }
    // The first `size` bytes of a folder's data.
    bool ReadFolder(size_t index, uint32_t size, std::vector<uint8_t>& out, std::string& error) const;

private:
    const std::vector<uint8_t>* m_image = nullptr;
    std::vector<Folder> m_folders;
    std::vector<File> m_files;
    uint8_t m_dataReserve = 0;
};

} // namespace cab
