#ifndef DRAVELLO_TESTS_FAKEPROGRAM_H
#define DRAVELLO_TESTS_FAKEPROGRAM_H

// A stand-in for a program that the code under test starts: a shell script
// in a folder of the test's that records its arguments and exits with a
// chosen status. A held one first waits until release() (at most 30 s), so
// that a test can tell whether its caller waited for it.

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace testsupport {

class FakeProgram {
public:
    FakeProgram(const std::filesystem::path& folder, const std::string& name, int exitStatus,
                bool held = false)
        : program(folder / name), argumentsFile(folder / (name + ".args")), releaseFile(folder / (name + ".go"))
    {
        std::filesystem::create_directories(folder);
        const std::string part = quoted(argumentsFile.string() + ".part");
        std::ofstream script(program);
        script << "#!/bin/sh\n"
               << "printf '%s\\0' \"$@\" > " << part << " && mv " << part << ' ' << quoted(argumentsFile.string())
               << '\n';
        if (held)
            script << "n=0\nwhile [ ! -e " << quoted(releaseFile.string())
                   << " ] && [ $n -lt 600 ]; do sleep 0.05; n=$((n + 1)); done\n";
        script << "exit " << exitStatus << '\n';
        script.close();
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
    }

    std::string path() const { return program.string(); }

    // True once the program has run (its arguments are recorded).
    bool ran() const { return std::filesystem::exists(argumentsFile); }

    std::vector<std::string> arguments() const
    {
        std::ifstream file(argumentsFile, std::ios::binary);
        std::vector<std::string> found;
        for (std::string argument; std::getline(file, argument, '\0');)
            found.push_back(argument);
        return found;
    }

    // Lets a held program go on to its exit.
    void release() const { std::ofstream(releaseFile).put('\n'); }

private:
    static std::string quoted(const std::string& text)
    {
        std::string result = "'";
        for (char c : text)
            result += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return result + "'";
    }

    std::filesystem::path program;
    std::filesystem::path argumentsFile;
    std::filesystem::path releaseFile;
};

} // namespace testsupport

#endif
