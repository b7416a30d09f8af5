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

// What the desktop gave a later start so that a window it brings up may
// come to the front: the launch's startup id (X11, DESKTOP_STARTUP_ID) and
// activation token (Wayland, XDG_ACTIVATION_TOKEN). A later start passes
// them on to the running copy behind its message.
struct Activation {
    std::string startupId;
    std::string activationToken;

    bool operator==(const Activation& other) const
    {
        return startupId == other.startupId && activationToken == other.activationToken;
    }
};

// The variables' values as this process was given them.
Activation activationFromEnvironment();

// The text of a frame that carries `message` and the activation: the
// message, then for each value a zero byte and "NAME=value". A receiver
// that takes the text up to its first zero byte sees only the message.
std::string withActivation(const std::string& message, const Activation& activation);

// The activation behind the message of a frame's text. Values that are
// empty, longer than 255 bytes or hold anything but printable ASCII are
// left out, and so is every name but the two above.
Activation activationOf(const std::string& text);

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
    // What the frame passes on behind its message.
    Activation activation() const { return activationOf(m_body); }

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
