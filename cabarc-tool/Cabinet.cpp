#include "Cabinet.h"

#include <zlib.h>

#include <cstring>

namespace cab {
namespace {

const uint16_t kPrevCabinet = 1, kNextCabinet = 2, kReservePresent = 4;
const uint32_t kMaxBlock = 32768;

class Reader {
public:
    Reader(const std::vector<uint8_t>& bytes, size_t pos) : m_bytes(bytes), m_pos(pos) {}
    bool Has(size_t n) const { return m_pos <= m_bytes.size() && m_bytes.size() - m_pos >= n; }
    uint8_t U8() { return m_bytes[m_pos++]; }
    uint16_t U16() { uint16_t v = m_bytes[m_pos] | m_bytes[m_pos + 1] << 8; m_pos += 2; return v; }
    uint32_t U32() { uint32_t v = U16(); return v | static_cast<uint32_t>(U16()) << 16; }
    void Skip(size_t n) { m_pos += n; }
    size_t Pos() const { return m_pos; }
    const uint8_t* Here() const { return m_bytes.data() + m_pos; }
    bool String(std::string& s)
    {
        size_t end = m_pos;
        while (end < m_bytes.size() && m_bytes[end])
            ++end;
        if (end >= m_bytes.size())
            return false;
        s.assign(reinterpret_cast<const char*>(m_bytes.data() + m_pos), end - m_pos);
        m_pos = end + 1;
        return true;
    }

private:
    const std::vector<uint8_t>& m_bytes;
    size_t m_pos;
};

uint32_t Checksum(const uint8_t* data, size_t bytes, uint32_t seed)
{
    uint32_t sum = seed;
    for (size_t n = bytes / 4; n--; data += 4)
        sum ^= data[0] | data[1] << 8 | data[2] << 16 | static_cast<uint32_t>(data[3]) << 24;
    uint32_t rest = 0;
    switch (bytes & 3) {
    case 3: rest |= static_cast<uint32_t>(*data++) << 16; [[fallthrough]];
    case 2: rest |= static_cast<uint32_t>(*data++) << 8; [[fallthrough]];
    case 1: rest |= *data;
    }
    return sum ^ rest;
}

bool Fail(std::string& error, const char* reason)
{
    error = reason;
    return false;
}

// One MSZIP block: "CK", then a raw deflate stream whose history is the folder's last 32 KB.
bool InflateBlock(const uint8_t* in, size_t size, uint32_t expected, std::vector<uint8_t>& out, std::string& error)
{
    if (size < 2 || in[0] != 'C' || in[1] != 'K')
        return Fail(error, "an MSZIP block lacks its CK signature");
    z_stream z;
    memset(&z, 0, sizeof z);
    if (inflateInit2(&z, -MAX_WBITS) != Z_OK)
        return Fail(error, "cannot start inflating");
    size_t history = out.size() < kMaxBlock ? out.size() : kMaxBlock;
    if (history)
        inflateSetDictionary(&z, out.data() + out.size() - history, static_cast<uInt>(history));
    size_t start = out.size();
    out.resize(start + expected);
    z.next_in = const_cast<Bytef*>(in + 2);
    z.avail_in = static_cast<uInt>(size - 2);
    z.next_out = out.data() + start;
    z.avail_out = expected;
    int rc = inflate(&z, Z_FINISH);
    bool ok = rc == Z_STREAM_END && z.avail_out == 0;
    inflateEnd(&z);
    return ok || Fail(error, "an MSZIP block is damaged");
}

} // namespace

bool Cabinet::Open(const std::vector<uint8_t>& image, std::string& error)
{
    m_image = &image;
    Reader r(image, 0);
    if (!r.Has(36) || memcmp(image.data(), "MSCF", 4) != 0)
        return Fail(error, "not a cabinet (no MSCF signature)");
    r.Skip(8);
    uint32_t cabinetSize = r.U32();
    r.Skip(4);
    uint32_t filesOffset = r.U32();
    r.Skip(6);
    uint16_t folderCount = r.U16(), fileCount = r.U16(), flags = r.U16();
    r.Skip(4);
    if (cabinetSize > image.size())
        return Fail(error, "the cabinet is truncated");
    if (flags & (kPrevCabinet | kNextCabinet))
        return Fail(error, "cabinet sets spanning several files are not supported");
    uint8_t folderReserve = 0;
    if (flags & kReservePresent) {
        if (!r.Has(4))
            return Fail(error, "the cabinet header is truncated");
        uint16_t headerReserve = r.U16();
        folderReserve = r.U8();
        m_dataReserve = r.U8();
        r.Skip(headerReserve);
    }
    m_folders.clear();
    for (uint16_t i = 0; i < folderCount; ++i) {
        if (!r.Has(8u + folderReserve))
            return Fail(error, "the folder table is truncated");
        Folder f;
        f.dataOffset = r.U32();
        f.blockCount = r.U16();
        f.compression = r.U16();
        r.Skip(folderReserve);
        unsigned kind = f.compression & 0xF;
        if (kind == 2 || kind == 3)
            return Fail(error, kind == 2 ? "Quantum compression is not supported" : "LZX compression is not supported");
        if (kind > 1)
            return Fail(error, "unknown compression");
        m_folders.push_back(f);
    }
    m_files.clear();
    Reader fr(image, filesOffset);
    for (uint16_t i = 0; i < fileCount; ++i) {
        File f;
        if (!fr.Has(16))
            return Fail(error, "the file table is truncated");
        f.size = fr.U32();
        f.folderOffset = fr.U32();
        f.folder = fr.U16();
        f.date = fr.U16();
        f.time = fr.U16();
        f.attributes = fr.U16();
        f.utf8Name = (f.attributes & 0x80) != 0;
        if (!fr.String(f.name))
            return Fail(error, "a file name is truncated");
        if (f.folder >= 0xFFFD)
            return Fail(error, "files continued across cabinets are not supported");
        if (f.folder >= m_folders.size())
            return Fail(error, "a file names a folder the cabinet lacks");
        m_files.push_back(f);
    }
    return true;
}

bool Cabinet::ReadFolder(size_t index, uint32_t size, std::vector<uint8_t>& out, std::string& error) const
{
    const Folder& folder = m_folders[index];
    out.clear();
    Reader r(*m_image, folder.dataOffset);
    for (uint16_t block = 0; block < folder.blockCount && out.size() < size; ++block) {
        if (!r.Has(8u + m_dataReserve))
            return Fail(error, "a data block is truncated");
        const uint8_t* header = r.Here();
        uint32_t checksum = r.U32();
        uint16_t packed = r.U16(), unpacked = r.U16();
        r.Skip(m_dataReserve);
        if (!r.Has(packed))
            return Fail(error, "a data block is truncated");
        const uint8_t* data = r.Here();
        r.Skip(packed);
        if (unpacked > kMaxBlock)
            return Fail(error, "a data block is larger than 32 KB");
        if (checksum && Checksum(header + 4, 4, Checksum(data, packed, 0)) != checksum)
            return Fail(error, "a data block fails its checksum");
        if ((folder.compression & 0xF) == 0) {
            if (packed != unpacked)
                return Fail(error, "a stored block has two sizes");
            out.insert(out.end(), data, data + packed);
        } else if (!InflateBlock(data, packed, unpacked, out, error)) {
            return false;
        }
    }
    if (out.size() < size)
        return Fail(error, "a folder holds less data than its files");
    return true;
}

} // namespace cab
