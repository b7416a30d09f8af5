// The Info.plist reader on arbitrary bytes: it must answer without crashing.
#include "InfoPlist.h"

#include <cstddef>
#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size > Platform::maxInfoPlistSize)
        return 0;
    Platform::parseInfoPlist(std::string(reinterpret_cast<const char*>(data), size));
    return 0;
}
