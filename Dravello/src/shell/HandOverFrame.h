#ifndef DRAVELLO_SHELL_HANDOVERFRAME_H
#define DRAVELLO_SHELL_HANDOVERFRAME_H

// One hand-over message between two copies of the program: a 32-bit
// big-endian byte count followed by that many bytes of UTF-8 text. Free of Qt,
// so that the reader can be fuzzed on its own.

#include <cstddef>
#include <cstdint>
#include <string>

namespace HandOver {

// The largest message a receiver takes: far more than a command word and a
// file path need. A longer announcement is refused before anything is kept.
constexpr std::uint32_t kMaxMessageBytes = 64 * 1024;

// The bytes on the wire for `message` (UTF-8). A message longer than the
// largest 32-bit count cannot be framed and gives an empty result.
std::string frame(const std::string& message);

// Collects one frame from bytes arriving in any pieces.
class FrameReader {
public:
    enum class State { NeedLength, NeedBody, Complete, TooLong };

    explicit FrameReader(std::uint32_t maxMessageBytes = kMaxMessageBytes);

    // Takes bytes of the frame and returns how many it used; it uses nothing
    // past the end of the frame, nor anything once the frame is complete or
    // refused.
    std::size_t feed(const char* data, std::size_t size);

    State state() const { return m_state; }
    // The count announced by the length field (0 until it is complete).
    std::uint32_t announcedLength() const { return m_announced; }
    // Bytes still missing from the current field.
    std::size_t missing() const;
    // The text received so far, up to its first zero byte.
    std::string message() const;

private:
    std::size_t feedLength(const char* data, std::size_t size);
    std::size_t feedBody(const char* data, std::size_t size);

    std::uint32_t m_maxMessageBytes;
    State m_state = State::NeedLength;
    unsigned char m_length[4] = {};
    std::size_t m_lengthBytes = 0;
    std::uint32_t m_announced = 0;
    std::string m_body;
};

} // namespace HandOver

#endif
