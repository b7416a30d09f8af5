#ifndef HLV_UNICODESTRING_H
#define HLV_UNICODESTRING_H

// One host string; a null handle is the empty string.

#include "HostTypes.h"

#include <string>

namespace ai {

template <typename T>
class AutoBuffer;

class UnicodeString {
public:
    UnicodeString() = default;
    // length is in bytes of the encoding.
    UnicodeString(const char* text, std::int64_t length, std::int32_t encoding);
    UnicodeString(const char* text, std::int32_t encoding);
    // Takes over a string the host handed out.
    explicit UnicodeString(AIUnicodeStringHandle adopted) : fString(adopted) {}
    UnicodeString(UnicodeString&& other) noexcept;
    UnicodeString& operator=(UnicodeString&& other) noexcept;
    UnicodeString(const UnicodeString&) = delete;
    UnicodeString& operator=(const UnicodeString&) = delete;
    ~UnicodeString();

    static UnicodeString FromPlatform(const char* text);

    UnicodeString& append(const UnicodeString& tail);
    // 0 when both hold the same text, letter case aside.
    std::int32_t caseCompare(const UnicodeString& other) const;
    // Fills the buffer with the text in the encoding; gives its length in bytes.
    std::int64_t getAs(std::int32_t encoding, AutoBuffer<char>& buffer) const;
    std::string getInStdString(std::int32_t encoding) const;
    std::string as_UTF8() const;

    AIUnicodeStringHandle handle() const { return fString; }
    bool empty() const { return fString == nullptr; }

private:
    AIUnicodeStringHandle fString = nullptr;
};

} // namespace ai

#endif
