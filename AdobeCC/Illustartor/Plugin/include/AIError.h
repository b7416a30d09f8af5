#ifndef HLV_AIERROR_H
#define HLV_AIERROR_H

// Host errors travel through the plug-in as ai::Error and are turned back
// into the host's code at the message boundary.

#include "HostTypes.h"

#include <exception>

namespace ai {

class Error : public std::exception {
public:
    explicit Error(AIErr code) noexcept : fCode(code) {}
    operator AIErr() const noexcept { return fCode; }
    const char* what() const noexcept override { return "host error"; }

private:
    AIErr fCode;
};

} // namespace ai

// Throws ai::Error for a non-zero code.
inline void check_result(AIErr code)
{
    if (code != kNoErr)
        throw ai::Error(code);
}

namespace aisdk {
inline void check_ai_error(AIErr code) { check_result(code); }
} // namespace aisdk

// The host code for the exception being handled: an ai::Error's own code,
// 'CANT' for anything else. Only valid inside a catch block.
AIErr currentExceptionCode() noexcept;

#endif
