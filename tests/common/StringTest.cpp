#include "DateTime.h"
#include "StringConverter.h"
#include "StringUtils.h"

#include <gtest/gtest.h>

#include <climits>

using namespace Pelm;

namespace {

std::wstring wideOf(const std::string& bytes)
{
    StringConverter c(bytes.c_str());
    const wchar_t* w = c.GetWideChar();
    return w ? std::wstring(w) : std::wstring(L"<null>");
}

std::string utf8Of(std::wstring units)
{
    StringConverter c(units.c_str());
    const char* u = c.GetUtf8();
    return u ? std::string(u) : std::string("<null>");
}

} // namespace

TEST(StringConverter, Utf8ToWideTable)
{
    struct Case {
        std::string bytes;
        std::wstring units;
    } cases[] = {
        {"\xC3\xA9", {0xE9}},
        {"\xC3\x41", {0x03, 0x41}}, // a lead cut short: the next byte stands alone
        {"\xE2\x82\xAC", {0x20AC}},
        {"\xF0\x9F\x98\x80", {0x1F600}},
        {"abc", L"abc"},
        {"", L""},
        {"\xE2\x82", {0x82}},       // cut off by the end of the text
        {"\x81", {0x01}},           // a lone continuation byte keeps its low bits
        {"\xFF\xBF", {0x3F}},       // every top bit set: value bits come only from followers
    };
    for (const Case& c : cases)
        EXPECT_EQ(wideOf(c.bytes), c.units) << c.bytes;
}

TEST(StringConverter, ZeroUnitFromNonZeroBytesFails)
{
    for (const char* bytes : {"\x80", "a\x80z", "\xC0\x80", "\xE0\x80\x80"}) {
        StringConverter c(bytes);
        EXPECT_EQ(c.GetWideChar(), nullptr) << bytes;
        EXPECT_FALSE(c.IsValid());
        EXPECT_EQ(c.GetWideString(false), L"");
    }
}

TEST(StringConverter, WideToUtf8Table)
{
    struct Case {
        std::wstring units;
        std::string bytes;
    } cases[] = {
        {{0xE9}, "\xC3\xA9"},
        {{0x20AC}, "\xE2\x82\xAC"},
        {{0x1F600}, "\xF0\x9F\x98\x80"},
        {L"plain", "plain"},
        {L"", ""}, // empty text converts to empty text
    };
    for (const Case& c : cases)
        EXPECT_EQ(utf8Of(c.units), c.bytes);

    const std::string six = utf8Of({0x4000000});
    ASSERT_EQ(six.size(), 6u);
    EXPECT_EQ(static_cast<unsigned char>(six[0]), 0xFC);
    EXPECT_EQ(wideOf(six), std::wstring({0x4000000}));
}

TEST(StringConverter, NullInputAnswersNull)
{
    StringConverter fromNullUtf8(static_cast<const char*>(nullptr));
    EXPECT_EQ(fromNullUtf8.GetUtf8(), nullptr);
    EXPECT_EQ(fromNullUtf8.GetWideChar(), nullptr);
    StringConverter fromNullWide(static_cast<const wchar_t*>(nullptr));
    EXPECT_EQ(fromNullWide.GetUtf8(), nullptr);
    EXPECT_EQ(fromNullWide.GetWideString(true), L"");
}

TEST(StringConverter, SwappedWideString)
{
    StringConverter c("A\xC3\xA9");
    EXPECT_EQ(c.GetWideString(false), std::wstring({0x41, 0xE9}));
    const std::wstring swapped = c.GetWideString(true);
    ASSERT_EQ(swapped.size(), 2u);
    EXPECT_EQ(static_cast<unsigned>(swapped[0]), 0x41000000u);
    EXPECT_EQ(static_cast<unsigned>(swapped[1]), 0xE9000000u);
    EXPECT_EQ(swapBytes(swapped), c.GetWideString(false));
}

TEST(StringUtils, IntegersBothWays)
{
    EXPECT_EQ(Int2Str(0), "0");
    EXPECT_EQ(Int2Str(-42), "-42");
    EXPECT_EQ(Int2Str(INT_MIN), "-2147483648");

    struct Case {
        const char* text;
        int value;
    } cases[] = {
        {nullptr, 0},       {"12.7", 12},       {"  \t-34x", -34},           {"+5", 5},
        {"abc", 0},         {"", 0},            {"2147483647", INT_MAX},     {"-2147483648", INT_MIN},
        {"99999999999999", INT_MAX},            {"-99999999999999", INT_MIN}, {"- 4", 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Str2Int(c.text), c.value) << (c.text ? c.text : "null");

    EXPECT_EQ(Str2Int64("16777215"), 16777215);
    EXPECT_EQ(Str2Int64("4294967296000"), 4294967296000LL);
    EXPECT_EQ(Str2Int64("999999999999999999999"), INT64_MAX);
}

TEST(StringUtils, TokenizeSkipsEmptyTokensAndAppends)
{
    std::list<std::string> tokens{"kept"};
    tokenize(",,a,,b,", tokens, ",");
    EXPECT_EQ(tokens, (std::list<std::string>{"kept", "a", "b"}));

    tokens.clear();
    tokenize("1 2  3", tokens, " ");
    EXPECT_EQ(tokens, (std::list<std::string>{"1", "2", "3"}));

    tokens.clear();
    tokenize(" ;; ", tokens, " ;");
    EXPECT_TRUE(tokens.empty());
}

TEST(StringUtils, Concatenation)
{
    const std::string a = "pelm", b = ".log";
    EXPECT_EQ(a << b, "pelm.log");
    EXPECT_EQ(a, "pelm");
}

TEST(DateTime, FormatsLocalTimeAndCompares)
{
    const DateTime epochish(86400L * 365);
    EXPECT_EQ(epochish.ToString("%Y").size(), 4u);
    EXPECT_EQ(epochish, DateTime(86400L * 365));
    EXPECT_NE(epochish, DateTime(0L));
    EXPECT_EQ(epochish.ToString(""), "");
}
