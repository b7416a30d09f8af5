#include "Logger.h"
#include "ScratchDir.h"

#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <sstream>
#include <thread>
#include <vector>

using Pelm::Logger;

namespace {

std::vector<std::string> logLines()
{
    std::ifstream in(Pelm::logFileName);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

class LoggerTest : public ::testing::Test {
protected:
    void TearDown() override
    {
        Logger::SetMaxFileSize(10485760);
        Logger::SetLevel(Logger::WARNING);
    }
    testsupport::ScratchDir scratch{true};
};

} // namespace

TEST_F(LoggerTest, LineLayout)
{
    Logger::WriteLog("WpiParser", "readDocFromFile", "cannot open", Logger::SEVERE);
    const std::vector<std::string> lines = logLines();
    ASSERT_EQ(lines.size(), 1u);
    const std::regex layout(R"(\[\d{4}\.\d\d\.\d\d \d\d:\d\d:\d\d\] \[0x[0-9a-f]+\] SEVERE cannot open	WpiParser::readDocFromFile\(\))");
    EXPECT_TRUE(std::regex_match(lines[0], layout)) << lines[0];
}

TEST_F(LoggerTest, ThresholdDropsLessSevereLevels)
{
    EXPECT_EQ(Logger::GetLevel(), Logger::WARNING);
    for (Logger::eLevel level : {Logger::INFO, Logger::FINE, Logger::FINER, Logger::FINEST})
        Logger::WriteLog("C", "m", "dropped", level);
    EXPECT_FALSE(std::ifstream(Pelm::logFileName).good());

    Logger::WriteLog("C", "m", "kept", Logger::WARNING);
    Logger::SetLevel(Logger::FINE);
    Logger::WriteLog("C", "m", "now kept", Logger::FINE);
    Logger::WriteLog(nullptr, nullptr, nullptr, Logger::SEVERE);
    EXPECT_EQ(logLines().size(), 3u);
}

TEST_F(LoggerTest, FileStartsAfreshOnceItReachesTheLimit)
{
    Logger::SetMaxFileSize(200);
    const std::string filler(120, 'x');
    Logger::WriteLog("C", "m", filler.c_str(), Logger::SEVERE); // below the limit
    Logger::WriteLog("C", "m", filler.c_str(), Logger::SEVERE); // reaches it
    EXPECT_EQ(logLines().size(), 2u);
    Logger::WriteLog("C", "m", "fresh", Logger::SEVERE);
    const std::vector<std::string> lines = logLines();
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
    const std::vector<std::string> lines = logLines();
    ASSERT_EQ(lines.size(), 200u);
    const std::regex whole(R"(\[.*\] \[0x[0-9a-f]+\] SEVERE thread(\d)([a-d]{200})	C::m\(\))");
    for (const std::string& line : lines) {
        std::smatch m;
        ASSERT_TRUE(std::regex_match(line, m, whole)) << line;
        EXPECT_EQ(m[2].str(), std::string(200, 'a' + std::stoi(m[1].str())));
    }
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
