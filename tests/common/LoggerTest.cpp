#include "Logger.h"
#include "FifoWatchdog.h"
#include "ScratchDir.h"
#include "ScratchLog.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <regex>
#include <sys/stat.h>
#include <thread>
#include <vector>

using Pelm::Logger;

namespace {

class LoggerTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        Logger::SetMaxFileSize(10485760);
        Logger::SetLevel(Logger::WARNING);
    }
    testsupport::ScratchLog log;
};

std::string readText(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

TEST_F(LoggerTest, LineLayout)
{
    Logger::WriteLog("WpiParser", "readDocFromFile", "cannot open", Logger::SEVERE);
    const std::vector<std::string> lines = log.lines();
    ASSERT_EQ(lines.size(), 1u);
    const std::regex layout(R"(\[\d{4}\.\d\d\.\d\d \d\d:\d\d:\d\d\] \[0x[0-9a-f]+\] SEVERE cannot open	WpiParser::readDocFromFile\(\))");
    EXPECT_TRUE(std::regex_match(lines[0], layout)) << lines[0];
}

TEST_F(LoggerTest, ThresholdDropsLessSevereLevels)
{
    EXPECT_EQ(Logger::GetLevel(), Logger::WARNING);
    for (Logger::eLevel level : {Logger::INFO, Logger::FINE, Logger::FINER, Logger::FINEST})
        Logger::WriteLog("C", "m", "dropped", level);
    EXPECT_FALSE(log.exists());

    Logger::WriteLog("C", "m", "kept", Logger::WARNING);
    Logger::SetLevel(Logger::FINE);
    Logger::WriteLog("C", "m", "now kept", Logger::FINE);
    Logger::WriteLog(nullptr, nullptr, nullptr, Logger::SEVERE);
    EXPECT_EQ(log.lines().size(), 3u);
}

TEST_F(LoggerTest, FileStartsAfreshOnceItReachesTheLimit)
{
    Logger::SetMaxFileSize(200);
    const std::string filler(120, 'x');
    Logger::WriteLog("C", "m", filler.c_str(), Logger::SEVERE); // below the limit
    Logger::WriteLog("C", "m", filler.c_str(), Logger::SEVERE); // reaches it
    EXPECT_EQ(log.lines().size(), 2u);
    Logger::WriteLog("C", "m", "fresh", Logger::SEVERE);
    const std::vector<std::string> lines = log.lines();
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find(" SEVERE fresh\t"), std::string::npos);
}

TEST_F(LoggerTest, LinesFromManyThreadsStayWhole)
{
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            const std::string message = "thread" + std::to_string(t) + std::string(200, 'a' + t);
            for (int i = 0; i < 50; ++i)
                Logger::WriteLog("C", "m", message.c_str(), Logger::SEVERE);
        });
    for (std::thread& t : threads)
        t.join();
    const std::vector<std::string> lines = log.lines();
    ASSERT_EQ(lines.size(), 200u);
    const std::regex whole(R"(\[.*\] \[0x[0-9a-f]+\] SEVERE thread(\d)([a-d]{200})	C::m\(\))");
    for (const std::string& line : lines) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, whole)) << line;
        EXPECT_EQ(m[2].str(), std::string(200, 'a' + std::stoi(m[1].str())));
    }
}

// Without a path no log is kept, least of all in the current folder.
TEST(LoggerWithoutPath, WritesNoFileAnywhere)
{
    const testsupport::ScratchDir current(true);
    const std::string kept = Logger::GetFilePath();
    Logger::SetFilePath("");
    Logger::WriteLog("C", "m", "lost", Logger::SEVERE);
    Logger::SetFilePath(kept);
    EXPECT_TRUE(std::filesystem::is_empty(current.path()));
}

// The log never follows a link (one planted at its path would make it
// append to another file) and never waits on a FIFO, with or without a
// reader at the other end: such lines are lost, and a regular file later
// put in its place gets them again.
TEST_F(LoggerTest, WritesOnlyIntoARegularFileAndNeverWaits)
{
    const std::filesystem::path folder = std::filesystem::path(log.path()).parent_path();
    const std::string other = (folder / "other.txt").string();
    std::ofstream(other) << "someone else's file\n";
    const std::string fifo = (folder / "fifo").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    const struct {
        const char* name;
        std::function<void()> plant;
        bool withReader;
    } cases[] = {
        {"link to a file", [&] { std::filesystem::create_symlink(other, log.path()); }, false},
        {"link to a missing file", [&] { std::filesystem::create_symlink(folder / "new.txt", log.path()); }, false},
        {"FIFO", [&] { std::filesystem::rename(fifo, log.path()); }, false},
        {"FIFO with a reader", [&] { std::filesystem::rename(fifo, log.path()); }, true},
        {"link to a FIFO", [&] { std::filesystem::create_symlink(fifo, log.path()); }, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        c.plant();
        const std::string fifoNow = std::filesystem::exists(fifo) ? fifo : log.path();
        const int reader = c.withReader ? ::open(fifoNow.c_str(), O_RDONLY | O_NONBLOCK) : -1;
        {
            const testsupport::FifoWatchdog watchdog(fifoNow);
            Logger::WriteLog("C", "m", "planted", Logger::SEVERE);
            EXPECT_FALSE(watchdog.fired()) << "the log waited for the FIFO";
        }
        if (reader >= 0) {
            char byte;
            EXPECT_LE(::read(reader, &byte, 1), 0) << "the line went into the FIFO";
            ::close(reader);
        }
        EXPECT_EQ(readText(other), "someone else's file\n");
        EXPECT_FALSE(std::filesystem::exists(folder / "new.txt"));
        if (std::filesystem::is_fifo(log.path()))
            std::filesystem::rename(log.path(), fifo);
        std::filesystem::remove(log.path());
    }
    Logger::WriteLog("C", "m", "regular", Logger::SEVERE);
    ASSERT_EQ(log.lines().size(), 1u);
    EXPECT_NE(log.lines()[0].find(" SEVERE regular\t"), std::string::npos);
}

TEST(LoggerLevels, NamesAndParsing)
{
    EXPECT_EQ(Logger::LevelToString(Logger::SEVERE), "SEVERE");
    EXPECT_EQ(Logger::LevelToString(Logger::FINEST), "FINEST");
    EXPECT_EQ(Logger::LevelToString(static_cast<Logger::eLevel>(9)), "");
    EXPECT_EQ(Logger::StringToLevel("WARNING"), Logger::WARNING);
    EXPECT_EQ(Logger::StringToLevel("FINER"), Logger::FINER);
    EXPECT_EQ(Logger::StringToLevel("warning"), Logger::INFO);
    EXPECT_EQ(Logger::StringToLevel(""), Logger::INFO);
}
