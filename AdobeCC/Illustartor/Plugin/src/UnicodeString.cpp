#include "UnicodeString.h"

#include "AIError.h"
#include "SPAlloc.h"
#include "SuitePointers.h"

#include <cstring>
#include <utility>

namespace ai {

UnicodeString::UnicodeString(const char* text, std::int64_t length, std::int32_t encoding)
{
    if (text)
        aisdk::check_ai_error(sAIUnicodeString->NewUnicodeString(text, length, encoding, &fString));
}

UnicodeString::UnicodeString(const char* text, std::int32_t encoding)
    : UnicodeString(text, text ? static_cast<std::int64_t>(std::strlen(text)) : 0, encoding)
{
}

UnicodeString::UnicodeString(UnicodeString&& other) noexcept : fString(std::exchange(other.fString, nullptr)) {}

UnicodeString& UnicodeString::operator=(UnicodeString&& other) noexcept
{
    std::swap(fString, other.fString);
    return *this;
}

UnicodeString::~UnicodeString()
{
    if (fString)
        sAIUnicodeString->DisposeUnicodeString(fString);
}

UnicodeString UnicodeString::FromPlatform(const char* text)
{
    return UnicodeString(text, kAIPlatformCharacterEncoding);
}

UnicodeString& UnicodeString::append(const UnicodeString& tail)
{
    if (tail.empty())
        return *this;
    if (empty()) {
        const std::string text = tail.as_UTF8();
        return *this = UnicodeString(text.data(), static_cast<std::int64_t>(text.size()),
                                     kAIUTF8CharacterEncoding);
    }
    aisdk::check_ai_error(sAIUnicodeString->AppendUnicodeString(fString, tail.fString));
    return *this;
}

std::int32_t UnicodeString::caseCompare(const UnicodeString& other) const
{
    if (empty() || other.empty())
        return empty() == other.empty() ? 0 : (empty() ? -1 : 1);
    std::int32_t order = 0;
    aisdk::check_ai_error(sAIUnicodeString->CaseCompare(fString, other.fString, &order));
    return order;
}

std::int64_t UnicodeString::getAs(std::int32_t encoding, AutoBuffer<char>& buffer) const
{
    if (empty()) {
        buffer = AutoBuffer<char>();
        return 0;
    }
    std::int64_t length = 0;
    aisdk::check_ai_error(sAIUnicodeString->GetAs(fString, encoding, nullptr, 0, &length));
    if (length < 0)
        throw ai::Error(kBadParameterErr);
    buffer = AutoBuffer<char>(static_cast<std::size_t>(length));
    std::int64_t written = 0;
    aisdk::check_ai_error(sAIUnicodeString->GetAs(fString, encoding, buffer.GetBuffer(), length, &written));
    if (written != length)
        throw ai::Error(kBadParameterErr);
    return length;
}

std::string UnicodeString::getInStdString(std::int32_t encoding) const
{
    AutoBuffer<char> buffer;
    const std::int64_t length = getAs(encoding, buffer);
    return length ? std::string(buffer.GetBuffer(), static_cast<std::size_t>(length)) : std::string();
}

std::string UnicodeString::as_UTF8() const { return getInStdString(kAIUTF8CharacterEncoding); }

} // namespace ai
