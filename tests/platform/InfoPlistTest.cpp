#include "FifoWatchdog.h"
#include "InfoPlist.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sys/stat.h>

using Platform::parseInfoPlist;

namespace {

std::string plist(const std::string& dictionaryBody)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
           "<!DOCTYPE plist PUBLIC \"-//Apple//DTD PLIST 1.0//EN\" "
           "\"http://www.apple.com/DTDs/PropertyList-1.0.dtd\">\n"
           "<plist version=\"1.0\"><dict>"
        + dictionaryBody + "</dict></plist>";
}

} // namespace

TEST(InfoPlist, ReadsTheTopLevelStringsOnly)
{
    const auto values = parseInfoPlist(plist(
        "<key>CFBundleName</key><string>Adobe &amp; Co \u00dcbung</string>"
        "<key>LSRequiresCarbon</key><true/>"
        "<key>CFBundleVersion</key><string>17.0.0</string>"
        "<key>CFBundleSignature</key><integer>7</integer>"
        "<key>CFBundleDocumentTypes</key><array><dict>"
        "<key>CFBundleIdentifier</key><string>nested</string></dict></array>"
        "<key>CFBundleExecutable</key><string/>"));
    ASSERT_TRUE(values);
    const Platform::InfoDictionary expected{
        {"CFBundleName", "Adobe & Co \u00dcbung"}, {"CFBundleVersion", "17.0.0"}, {"CFBundleExecutable", ""}};
    EXPECT_EQ(*values, expected);
}

TEST(InfoPlist, RefusesWhatIsNoPropertyList)
{
    // Deep enough to exhaust the stack of a recursive parser.
    std::string nested;
    for (int i = 0; i < 100000; ++i)
        nested += "<array>";
    for (int i = 0; i < 100000; ++i)
        nested += "</array>";
    const struct {
        const char* what;
        std::string text;
    } cases[] = {
        {"empty", ""},
        {"not XML", "CFBundleName=Photoshop"},
        {"unterminated", "<plist><dict><key>CFBundleName</key><string>x</string>"},
        {"other root", "<list><dict><key>a</key><string>b</string></dict></list>"},
        {"array at the top", "<plist><array><string>b</string></array></plist>"},
        {"nested too deep", plist("<key>a</key>" + nested)},
        {"UTF-8 cut short at the end", "<plist><dict><key>CF\xCF"},
        {"stray UTF-8 continuation byte", plist("<key>CFBundleName</key><string>\x80</string>")},
    };
    for (const auto& c : cases)
        EXPECT_FALSE(parseInfoPlist(c.text)) << c.what;
}

TEST(InfoPlist, KeyWithoutValueAtTheEndIsIgnored)
{
    const auto values = parseInfoPlist(plist("<key>CFBundleName</key><string>A</string><key>Last</key>"));
    ASSERT_TRUE(values);
    EXPECT_EQ(values->size(), 1u);
    EXPECT_EQ(values->at("CFBundleName"), "A");
}

TEST(InfoPlist, FileLargerThanTheLimitIsNotRead)
{
    testsupport::ScratchDir scratch;
    const std::string valid = plist("<key>CFBundleName</key><string>A</string>");
    const std::string small = scratch.file("small.plist");
    const std::string large = scratch.file("large.plist");
    std::ofstream(small) << valid;
    std::ofstream(large) << valid << "<!--" << std::string(Platform::maxInfoPlistSize, ' ') << "-->";

    EXPECT_TRUE(Platform::readInfoPlist(small));
    EXPECT_FALSE(Platform::readInfoPlist(large));
    EXPECT_FALSE(Platform::readInfoPlist(scratch.file("missing.plist")));
    EXPECT_FALSE(Platform::readInfoPlist(scratch.path().string())); // a folder
}

// A bundle's Info.plist that is a FIFO (or a link to one) must not hold the
// scan of the installed applications: it is refused unread.
TEST(InfoPlist, FifoIsRefusedAtOnce)
{
    testsupport::ScratchDir scratch;
    const std::string fifo = scratch.file("Info.plist");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const std::string link = scratch.file("link.plist");
    std::filesystem::create_symlink(fifo, link);
    for (const std::string& path : {fifo, link}) {
        SCOPED_TRACE(path);
        const testsupport::FifoWatchdog watchdog(fifo);
        EXPECT_FALSE(Platform::readInfoPlist(path));
        EXPECT_FALSE(watchdog.fired()) << "the read waited for a writer";
    }
}
