#ifndef PELM_PACKETSTREAM_H
#define PELM_PACKETSTREAM_H

#include <cstddef>
#include <cstring>

namespace Pelm {

// Read cursor over the bytes of a WPI file held in memory. A read that would
// run past the last byte takes nothing and puts the cursor at its end state
// (atEnd() true), so no byte beyond the buffer is ever decoded.
class PacketStream {
public:
    PacketStream(const unsigned char* data, std::size_t size)
        : position(data), end(data + size), pastEnd(false)
    {
    }

    // True until a read has run past the last byte.
    bool good() const { return !pastEnd; }
    bool atEnd() const { return pastEnd; }

    // One byte as it is.
    bool get(unsigned char& byte)
    {
        if (position == end)
            return fail();
        byte = *position++;
        return true;
    }

    // One byte after any blanks (0x09 to 0x0D and 0x20), as a text-mode
    // character extraction takes it.
    bool getSkippingBlanks(unsigned char& byte)
    {
        while (position != end && isBlank(*position))
            ++position;
        return get(byte);
    }

    // Exactly count bytes, or none.
    bool read(unsigned char* out, std::size_t count)
    {
        if (remaining() < count)
            return fail();
        std::memcpy(out, position, count);
        position += count;
        return true;
    }

    // Moves past count bytes; past the last byte it stops at the end state.
    void skip(std::size_t count)
    {
        if (remaining() < count) {
            position = end;
            fail();
            return;
        }
        position += count;
    }

private:
    static bool isBlank(unsigned char byte) { return byte == 0x20 || (byte >= 0x09 && byte <= 0x0D); }

    std::size_t remaining() const { return static_cast<std::size_t>(end - position); }

    bool fail()
    {
        pastEnd = true;
        return false;
    }

    const unsigned char* position;
    const unsigned char* end;
    bool pastEnd;
};

} // namespace Pelm

#endif
