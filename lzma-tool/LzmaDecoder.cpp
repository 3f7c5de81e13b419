#include "LzmaDecoder.h"

#include <algorithm>

namespace lzma {
namespace {

const int kNumStates = 12;
const int kMatchMinLen = 2;
const int kEndPosModelIndex = 14;
const int kNumAlignBits = 4;
const uint32_t kTopValue = 1u << 24;
typedef uint16_t Prob;

struct DamagedInput {
    const char* reason;
};

class Input {
public:
    explicit Input(const std::function<size_t(uint8_t*, size_t)>& read) : m_read(read) {}

    uint8_t Byte()
    {
        if (m_pos == m_size) {
            m_size = m_read(m_buffer, sizeof m_buffer);
            m_pos = 0;
            if (m_size == 0)
                throw DamagedInput{"the stream is truncated"};
        }
        return m_buffer[m_pos++];
    }

private:
    const std::function<size_t(uint8_t*, size_t)>& m_read;
    uint8_t m_buffer[1 << 16];
    size_t m_size = 0, m_pos = 0;
};

class RangeDecoder {
public:
    explicit RangeDecoder(Input& in) : m_in(in)
    {
        if (m_in.Byte() != 0)
            throw DamagedInput{"the stream does not start like LZMA data"};
        for (int i = 0; i < 4; ++i)
            m_code = m_code << 8 | m_in.Byte();
        if (m_code == m_range)
            throw DamagedInput{"the stream is damaged"};
    }

    unsigned Bit(Prob& p)
    {
        uint32_t bound = (m_range >> 11) * p;
        unsigned bit;
        if (m_code < bound) {
            m_range = bound;
            p += (2048 - p) >> 5;
            bit = 0;
        } else {
            m_range -= bound;
            m_code -= bound;
            p -= p >> 5;
            bit = 1;
        }
        Normalize();
        return bit;
    }

    uint32_t Direct(int count)
    {
        uint32_t result = 0;
        while (count-- > 0) {
            m_range >>= 1;
            uint32_t bit = m_code >= m_range ? 1 : 0;
            if (bit)
                m_code -= m_range;
            result = result << 1 | bit;
            Normalize();
        }
        return result;
    }

    uint32_t Tree(Prob* probs, int bits)
    {
        uint32_t m = 1;
        for (int i = 0; i < bits; ++i)
            m = m << 1 | Bit(probs[m]);
        return m - (1u << bits);
    }

    uint32_t ReverseTree(Prob* probs, int bits)
    {
        uint32_t m = 1, symbol = 0;
        for (int i = 0; i < bits; ++i) {
            unsigned bit = Bit(probs[m]);
            m = m << 1 | bit;
            symbol |= bit << i;
        }
        return symbol;
    }

    bool FinishedCleanly() const { return m_code == 0; }

private:
    void Normalize()
    {
        if (m_range < kTopValue) {
            m_range <<= 8;
            m_code = m_code << 8 | m_in.Byte();
        }
    }

    Input& m_in;
    uint32_t m_range = 0xFFFFFFFF;
    uint32_t m_code = 0;
};

struct LengthDecoder {
    Prob choice = 1024, choice2 = 1024;
    Prob low[16][8], mid[16][8], high[256];

    LengthDecoder()
    {
        std::fill(&low[0][0], &low[0][0] + 16 * 8, Prob(1024));
        std::fill(&mid[0][0], &mid[0][0] + 16 * 8, Prob(1024));
        std::fill(high, high + 256, Prob(1024));
    }

    uint32_t Decode(RangeDecoder& rc, unsigned posState)
    {
        if (!rc.Bit(choice))
            return rc.Tree(low[posState], 3);
        if (!rc.Bit(choice2))
            return 8 + rc.Tree(mid[posState], 3);
        return 16 + rc.Tree(high, 8);
    }
};

// The sliding window: the last `size` bytes, flushed to the sink each time it wraps.
class Window {
public:
    Window(uint32_t size, const std::function<bool(const uint8_t*, size_t)>& write) : m_bytes(size), m_write(write) {}

    void Put(uint8_t b)
    {
        m_bytes[m_pos++] = b;
        ++m_total;
        if (m_pos == m_bytes.size())
            Flush();
    }

    uint8_t Back(uint32_t distance) const // 1 = the last byte
    {
        size_t at = m_pos >= distance ? m_pos - distance : m_pos + m_bytes.size() - distance;
        return m_bytes[at];
    }

    void Flush()
    {
        if (m_pos > m_flushed && !m_write(m_bytes.data() + m_flushed, m_pos - m_flushed))
            throw DamagedInput{"the output cannot be written"};
        m_flushed = m_pos == m_bytes.size() ? 0 : m_pos;
        if (m_pos == m_bytes.size())
            m_pos = 0;
    }

    uint64_t Total() const { return m_total; }
    bool Holds(uint32_t distance) const { return distance <= m_total && distance <= m_bytes.size(); }

private:
    std::vector<uint8_t> m_bytes;
    const std::function<bool(const uint8_t*, size_t)>& m_write;
    size_t m_pos = 0, m_flushed = 0;
    uint64_t m_total = 0;
};

class Decoder {
public:
    Decoder(unsigned lc, unsigned lp, unsigned pb, RangeDecoder& rc, Window& out)
        : m_lc(lc), m_lp(lp), m_pb(pb), m_rc(rc), m_out(out), m_literals(0x300u << (lc + lp), Prob(1024))
    {
        for (Prob* block : {&m_isMatch[0][0], &m_isRep0Long[0][0]})
            std::fill(block, block + kNumStates * 16, Prob(1024));
        for (Prob* row : {m_isRep, m_isRepG0, m_isRepG1, m_isRepG2})
            std::fill(row, row + kNumStates, Prob(1024));
        std::fill(&m_posSlot[0][0], &m_posSlot[0][0] + 4 * 64, Prob(1024));
        std::fill(m_posSpecial, m_posSpecial + 115, Prob(1024));
        std::fill(m_align, m_align + 16, Prob(1024));
    }

    // Decodes until `size` bytes are out, or until the end marker when the size is unknown.
    void Run(uint64_t size, bool sizeKnown, uint64_t maxOutput)
    {
        while (!sizeKnown || m_out.Total() < size) {
            if (m_out.Total() > maxOutput)
                throw DamagedInput{"the stream would decode to more than the output limit"};
            unsigned posState = static_cast<unsigned>(m_out.Total()) & ((1u << m_pb) - 1);
            if (!m_rc.Bit(m_isMatch[m_state][posState])) {
                Literal();
                continue;
            }
            uint32_t len;
            if (m_rc.Bit(m_isRep[m_state])) {
                if (!m_out.Total())
                    throw DamagedInput{"the stream is damaged"};
                if (!m_rc.Bit(m_isRepG0[m_state])) {
                    if (!m_rc.Bit(m_isRep0Long[m_state][posState])) {
                        m_state = m_state < 7 ? 9 : 11;
                        m_out.Put(m_out.Back(m_rep[0] + 1));
                        continue;
                    }
                } else {
                    uint32_t dist;
                    if (!m_rc.Bit(m_isRepG1[m_state])) {
                        dist = m_rep[1];
                    } else {
                        if (!m_rc.Bit(m_isRepG2[m_state])) {
                            dist = m_rep[2];
                        } else {
                            dist = m_rep[3];
                            m_rep[3] = m_rep[2];
                        }
                        m_rep[2] = m_rep[1];
                    }
                    m_rep[1] = m_rep[0];
                    m_rep[0] = dist;
                }
                len = m_repLen.Decode(m_rc, posState);
                m_state = m_state < 7 ? 8 : 11;
            } else {
                m_rep[3] = m_rep[2];
                m_rep[2] = m_rep[1];
                m_rep[1] = m_rep[0];
                len = m_len.Decode(m_rc, posState);
                m_state = m_state < 7 ? 7 : 10;
                m_rep[0] = Distance(len);
                if (m_rep[0] == 0xFFFFFFFF) {
                    if (sizeKnown && m_out.Total() != size)
                        throw DamagedInput{"the end marker comes before the stated size"};
                    if (!m_rc.FinishedCleanly())
                        throw DamagedInput{"the stream is damaged at its end"};
                    return;
                }
            }
            Copy(m_rep[0] + 1, len + kMatchMinLen, sizeKnown ? size : UINT64_MAX);
        }
    }

private:
    void Literal()
    {
        uint8_t prev = m_out.Total() ? m_out.Back(1) : 0;
        unsigned lit = ((static_cast<unsigned>(m_out.Total()) & ((1u << m_lp) - 1)) << m_lc) + (prev >> (8 - m_lc));
        Prob* probs = &m_literals[0x300u * lit];
        unsigned symbol = 1;
        if (m_state >= 7) {
            unsigned match = m_out.Back(m_rep[0] + 1);
            do {
                unsigned matchBit = (match >> 7) & 1;
                match <<= 1;
                unsigned bit = m_rc.Bit(probs[((1 + matchBit) << 8) + symbol]);
                symbol = symbol << 1 | bit;
                if (matchBit != bit)
                    break;
            } while (symbol < 0x100);
        }
        while (symbol < 0x100)
            symbol = symbol << 1 | m_rc.Bit(probs[symbol]);
        m_out.Put(static_cast<uint8_t>(symbol));
        m_state = m_state < 4 ? 0 : m_state < 10 ? m_state - 3 : m_state - 6;
    }

    uint32_t Distance(uint32_t len)
    {
        unsigned lenState = std::min<uint32_t>(len, 3);
        uint32_t slot = m_rc.Tree(m_posSlot[lenState], 6);
        if (slot < 4)
            return slot;
        int direct = static_cast<int>(slot >> 1) - 1;
        uint32_t dist = (2 | (slot & 1)) << direct;
        if (slot < kEndPosModelIndex)
            return dist + m_rc.ReverseTree(m_posSpecial + dist - slot, direct);
        dist += m_rc.Direct(direct - kNumAlignBits) << kNumAlignBits;
        return dist + m_rc.ReverseTree(m_align, kNumAlignBits);
    }

    void Copy(uint32_t distance, uint32_t len, uint64_t size)
    {
        if (!m_out.Holds(distance))
            throw DamagedInput{"the stream refers to data before its start"};
        while (len-- > 0 && m_out.Total() < size)
            m_out.Put(m_out.Back(distance));
    }

    unsigned m_lc, m_lp, m_pb;
    RangeDecoder& m_rc;
    Window& m_out;
    std::vector<Prob> m_literals;
    Prob m_isMatch[kNumStates][16], m_isRep0Long[kNumStates][16];
    Prob m_isRep[kNumStates], m_isRepG0[kNumStates], m_isRepG1[kNumStates], m_isRepG2[kNumStates];
    Prob m_posSlot[4][64], m_posSpecial[115], m_align[16];
    LengthDecoder m_len, m_repLen;
    unsigned m_state = 0;
    uint32_t m_rep[4] = {0, 0, 0, 0};
};

} // namespace

bool Decode(const std::function<size_t(uint8_t*, size_t)>& read,
            const std::function<bool(const uint8_t*, size_t)>& write, std::string& error, const Limits& limits)
{
    try {
        Input in(read);
        uint8_t header[13];
        for (uint8_t& b : header)
            b = in.Byte();
        unsigned props = header[0];
        if (props >= 9 * 5 * 5)
            throw DamagedInput{"the properties byte is not valid"};
        unsigned lc = props % 9, lp = (props / 9) % 5, pb = props / 45;
        uint32_t dictionary = header[1] | header[2] << 8 | header[3] << 16 | static_cast<uint32_t>(header[4]) << 24;
        uint64_t size = 0;
        for (int i = 0; i < 8; ++i)
            size |= static_cast<uint64_t>(header[5 + i]) << (8 * i);
        bool sizeKnown = size != UINT64_MAX;
        if (sizeKnown && size > limits.maxOutput)
            throw DamagedInput{"the stated size is beyond the output limit"};
        if (dictionary > limits.maxDictionary)
            throw DamagedInput{"the dictionary size is beyond the limit"};
        uint32_t window = std::max<uint32_t>(dictionary, 4096);
        if (sizeKnown)
            window = static_cast<uint32_t>(std::max<uint64_t>(std::min<uint64_t>(window, size), 1));
        Window out(window, write);
        if (sizeKnown && size == 0) {
            out.Flush();
            return true;
        }
        RangeDecoder rc(in);
        Decoder(lc, lp, pb, rc, out).Run(size, sizeKnown, limits.maxOutput);
        out.Flush();
        return true;
    } catch (const DamagedInput& damaged) {
        error = damaged.reason;
    } catch (const std::bad_alloc&) {
        error = "not enough memory for the dictionary";
    }
    return false;
}

} // namespace lzma
