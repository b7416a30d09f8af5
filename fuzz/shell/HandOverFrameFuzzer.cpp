// Feeds arbitrary bytes, in pieces whose size the first byte chooses, to the
// hand-over frame reader and checks that it keeps within its frame and limit,
// and that what it passes on behind the message is only plain, short values.

#include "HandOverFrame.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const std::size_t piece = data[0] % 16 + 1;
    const char* bytes = reinterpret_cast<const char*>(data + 1);
    const std::size_t length = size - 1;

    HandOver::FrameReader reader;
    std::size_t used = 0;
    for (std::size_t at = 0; at < length; at += piece) {
        const std::size_t chunk = length - at < piece ? length - at : piece;
        const std::size_t taken = reader.feed(bytes + at, chunk);
        if (taken > chunk)
            std::abort();
        used += taken;
    }
    const std::size_t framed = 4 + std::size_t(reader.announcedLength());
    if (reader.state() == HandOver::FrameReader::State::Complete && used != framed)
        std::abort();
    if (used > framed || reader.message().size() > HandOver::kMaxMessageBytes)
        std::abort();
    const HandOver::Activation activation = reader.activation();
    for (const std::string* value : {&activation.startupId, &activation.activationToken}) {
        if (value->size() > 255)
            std::abort();
        for (char c : *value)
            if (c <= ' ' || c >= 0x7F)
                std::abort();
    }
    return 0;
}
