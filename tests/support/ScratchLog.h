#ifndef DRAVELLO_TESTS_SCRATCHLOG_H
#define DRAVELLO_TESTS_SCRATCHLOG_H

// The ink library's log kept in a file of a fresh scratch folder while the
// object lives; the log's path before is restored afterwards.

#include "Logger.h"
#include "ScratchDir.h"

#include <fstream>
#include <string>
#include <vector>

namespace testsupport {

class ScratchLog {
public:
    ScratchLog() : previous(Pelm::Logger::GetFilePath()) { Pelm::Logger::SetFilePath(path()); }
    ~ScratchLog() { Pelm::Logger::SetFilePath(previous); }
    ScratchLog(const ScratchLog&) = delete;
    ScratchLog& operator=(const ScratchLog&) = delete;

    std::string path() const { return folder.file("pelm.log"); }
    bool exists() const { return std::ifstream(path()).good(); }

    std::vector<std::string> lines() const
    {
        std::ifstream in(path());
        std::vector<std::string> all;
        for (std::string line; std::getline(in, line);)
            all.push_back(line);
        return all;
    }

    // The lines without time and thread: "LEVEL message\tClass::method()".
    std::vector<std::string> messages() const
    {
        std::vector<std::string> all;
        for (const std::string& line : lines())
            all.push_back(line.substr(line.find("] ", line.find("] ") + 2) + 2));
        return all;
    }

    void clear() const { std::ofstream(path(), std::ios::trunc); }

private:
    ScratchDir folder;
    std::string previous;
};

} // namespace testsupport

#endif
