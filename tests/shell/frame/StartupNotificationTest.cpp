#include "StartupNotification.h"

#include <gtest/gtest.h>

using StartupNotification::launchTime;

TEST(StartupNotification, LaunchTimeEndsTheId)
{
    EXPECT_EQ(launchTime("xdg-open-4711-host-1_TIME123456"), 123456u);
    EXPECT_EQ(launchTime("a_TIMEb_TIME4294967295"), 4294967295u);
    for (const char* none : {"", "host-1", "x_TIME", "x_TIME12a", "x_TIME-5", "x_TIME4294967296", "x_TIME 12"})
        EXPECT_EQ(launchTime(none), std::nullopt) << none;
}

TEST(StartupNotification, RemoveNamesTheIdQuotedWhereItMustBe)
{
    EXPECT_EQ(StartupNotification::removeMessage("gio-1_TIME42"), "remove: ID=gio-1_TIME42");
    EXPECT_EQ(StartupNotification::removeMessage("a b\"c\\d"), "remove: ID=\"a b\\\"c\\\\d\"");
}

// The message and its terminating zero byte in pieces of 20 bytes, the last
// filled up with zero bytes.
TEST(StartupNotification, PiecesCarryTheMessageAndItsEnd)
{
    const std::string message = "remove: ID=gio-1_TIME42"; // 23 bytes
    const std::vector<std::string> pieces = StartupNotification::pieces(message);
    ASSERT_EQ(pieces.size(), 2u);
    EXPECT_EQ(pieces[0], message.substr(0, 20));
    EXPECT_EQ(pieces[1], std::string("E42") + std::string(17, '\0'));
    EXPECT_EQ(StartupNotification::pieces(std::string(19, 'a')).size(), 1u);
    EXPECT_EQ(StartupNotification::pieces(std::string(20, 'a')).size(), 2u);
}
