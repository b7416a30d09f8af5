#ifndef PELM_STRINGCONVERTER_H
#define PELM_STRINGCONVERTER_H

#include <string>

namespace Pelm {

static_assert(sizeof(wchar_t) == 4, "wide text is held in 32-bit units");

// Converts between UTF-8 and 32-bit wide text, lazily, once per direction.
// A converter made from a null pointer, or whose conversion failed, answers
// null (and an empty wide string). Empty text converts to empty text.
class StringConverter {
public:
    explicit StringConverter(const char* utf8);
    explicit StringConverter(const wchar_t* wide);

    const char* GetUtf8();
    const wchar_t* GetWideChar();
    std::wstring GetWideString(bool swap);
    bool IsValid() const { return valid; }

private:
    bool toWide();
    bool toUtf8();

    std::string utf8;
    std::wstring wide;
    bool valid;
    bool hasUtf8;
    bool hasWide;
};

// Copy with the four bytes of every unit reversed.
std::wstring swapBytes(const std::wstring& text);

} // namespace Pelm

#endif
