#include "HandOverFrame.h"

#include <gtest/gtest.h>

#include <string>

using HandOver::FrameReader;
using State = HandOver::FrameReader::State;

namespace {

std::string bytes(std::initializer_list<unsigned char> values) { return std::string(values.begin(), values.end()); }

// Feeds `wire` to a fresh reader in pieces of `piece` bytes.
FrameReader readInPieces(const std::string& wire, std::size_t piece, std::size_t* used = nullptr)
{
    FrameReader reader;
    std::size_t total = 0;
    for (std::size_t at = 0; at < wire.size(); at += piece) {
        const std::size_t size = std::min(piece, wire.size() - at);
        total += reader.feed(wire.data() + at, size);
    }
    if (used)
        *used = total;
    return reader;
}

} // namespace

TEST(HandOverFrame, LengthIsBigEndianByteCount)
{
    // A 13-character path after the command word: 30 bytes.
    const std::string message = "Get the instance_/tmp/abcd.hlv";
    EXPECT_EQ(HandOver::frame(message), bytes({0x00, 0x00, 0x00, 0x1E}) + message);
    // UTF-8: the count is of bytes, not characters.
    EXPECT_EQ(HandOver::frame("\xC3\xA9t\xC3\xA9").substr(0, 4), bytes({0, 0, 0, 5}));
    EXPECT_EQ(HandOver::frame(std::string(0x0304, 'a')).substr(0, 4), bytes({0, 0, 0x03, 0x04}));
}

TEST(HandOverFrame, ReadsTheSameMessageWhateverThePieces)
{
    const std::string message = "Get the instance_/Users/zo\xC3\xAB/\xD0\xA1\xD0\xBA.hlv";
    const std::string wire = HandOver::frame(message);
    for (std::size_t piece : {std::size_t(1), std::size_t(3), std::size_t(4), std::size_t(5), wire.size()}) {
        std::size_t used = 0;
        const FrameReader reader = readInPieces(wire, piece, &used);
        EXPECT_EQ(reader.state(), State::Complete) << "pieces of " << piece;
        EXPECT_EQ(reader.message(), message) << "pieces of " << piece;
        EXPECT_EQ(used, wire.size());
    }
}

TEST(HandOverFrame, TakesNothingBeyondItsFrame)
{
    const std::string wire = HandOver::frame("abc") + "trailing";
    FrameReader reader;
    EXPECT_EQ(reader.feed(wire.data(), wire.size()), 7u);
    EXPECT_EQ(reader.state(), State::Complete);
    EXPECT_EQ(reader.feed("more", 4), 0u);
    EXPECT_EQ(reader.message(), "abc");
}

TEST(HandOverFrame, RefusesAnnouncementsAboveTheLimit)
{
    struct Case {
        std::string wire;
        State state;
    };
    const Case cases[] = {
        {bytes({0xFF, 0xFF, 0xFF, 0xFF}) + "abc", State::TooLong},
        {bytes({0x80, 0x00, 0x00, 0x00}), State::TooLong},
        {bytes({0x00, 0x01, 0x00, 0x01}), State::TooLong},   // limit + 1
        {bytes({0x00, 0x01, 0x00, 0x00}), State::NeedBody},  // exactly the limit
    };
    for (const Case& c : cases) {
        FrameReader reader;
        EXPECT_EQ(reader.feed(c.wire.data(), c.wire.size()), 4u);
        EXPECT_EQ(reader.state(), c.state);
        EXPECT_EQ(reader.message(), "");
    }
    FrameReader refused;
    refused.feed(cases[0].wire.data(), 4);
    EXPECT_EQ(refused.announcedLength(), 0xFFFFFFFFu);
    EXPECT_EQ(refused.missing(), 0u);
    EXPECT_EQ(refused.feed("abc", 3), 0u);
}

TEST(HandOverFrame, MessageStopsAtItsFirstZeroByteAndAtWhatArrived)
{
    const std::string withZero("abc\0def", 7);
    EXPECT_EQ(readInPieces(HandOver::frame(withZero), 2).message(), "abc");

    // Announced 10, only 4 arrived.
    const FrameReader partial = readInPieces(bytes({0, 0, 0, 10}) + "Get ", 64);
    EXPECT_EQ(partial.state(), State::NeedBody);
    EXPECT_EQ(partial.missing(), 6u);
    EXPECT_EQ(partial.message(), "Get ");

    const FrameReader empty = readInPieces(bytes({0, 0, 0, 0}), 1);
    EXPECT_EQ(empty.state(), State::Complete);
    EXPECT_EQ(empty.message(), "");
}

// A later start passes on its launch's startup id and activation token
// behind a zero byte: a reader that takes the message up to that byte (as
// every copy does) reads the same message as before.
TEST(HandOverFrame, ActivationTravelsBehindTheMessage)
{
    const std::string message = "Get the instance_/home/ann/a.wpi";
    const HandOver::Activation activation{"xdg-open-1234-host-_TIME5678", "a96980694aaa41583fee8775"};
    const FrameReader reader = readInPieces(HandOver::frame(HandOver::withActivation(message, activation)), 3);
    EXPECT_EQ(reader.state(), State::Complete);
    EXPECT_EQ(reader.message(), message);
    EXPECT_EQ(reader.activation(), activation);

    // Without either, the frame is the plain message an older copy sends.
    EXPECT_EQ(HandOver::withActivation(message, {}), message);
    EXPECT_EQ(readInPieces(HandOver::frame(message), 5).activation(), HandOver::Activation{});
    const HandOver::Activation tokenOnly{"", "token"};
    EXPECT_EQ(HandOver::activationOf(HandOver::withActivation(message, tokenOnly)), tokenOnly);
}

TEST(HandOverFrame, ActivationTakesOnlyPlainValuesOfItsTwoNames)
{
    const std::string zero(1, '\0');
    struct Case {
        const char* what;
        std::string text;
        HandOver::Activation expected;
    };
    const Case cases[] = {
        {"other names", "m" + zero + "PATH=/bin" + zero + "LD_PRELOAD=x.so", {}},
        {"no name", "m" + zero + "=x" + zero + "DESKTOP_STARTUP_ID", {}},
        {"blank in a value", "m" + zero + "DESKTOP_STARTUP_ID=a b", {}},
        {"control byte", "m" + zero + "XDG_ACTIVATION_TOKEN=a\nb", {}},
        {"too long", "m" + zero + "XDG_ACTIVATION_TOKEN=" + std::string(256, 'x'), {}},
        {"longest", "m" + zero + "XDG_ACTIVATION_TOKEN=" + std::string(255, 'x'), {"", std::string(255, 'x')}},
        {"empty fields", "m" + zero + zero + "DESKTOP_STARTUP_ID=id" + zero, {"id", ""}},
        {"last one counts", "m" + zero + "DESKTOP_STARTUP_ID=a" + zero + "DESKTOP_STARTUP_ID=b", {"b", ""}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(HandOver::activationOf(c.text), c.expected) << c.what;
}
