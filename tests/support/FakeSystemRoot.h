#ifndef DRAVELLO_TESTS_FAKESYSTEMROOT_H
#define DRAVELLO_TESTS_FAKESYSTEMROOT_H

// A system root and a home folder in a scratch folder, set as
// DRAVELLO_SYSTEM_ROOT and HOME for the object's lifetime, with the XDG base
// directories at their defaults below HOME (the scratch folder is the
// current folder meanwhile). Applications are copied in from the
// fixtures in tests/data/apps; the support folder (the program's data
// folder) can be given the three plug-in builds and the Photoshop script,
// and the program's own files.

#include "EnvironmentOverride.h"
#include "ScratchDir.h"

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

namespace testsupport {

class FakeSystemRoot {
public:
    // The plug-in builds: the first two by the folder below the support
    // folder that holds them; the plain build lies in the support folder itself.
    static constexpr const char* ccBuild = "AICCPlugin";
    static constexpr const char* cs6Build = "AICS6Plugin";
    static constexpr const char* plainBuild = "plain";

    FakeSystemRoot()
        : scratch(true),
          root("DRAVELLO_SYSTEM_ROOT", scratch.file("root").c_str()),
          home("HOME", scratch.file("home").c_str()),
          userDirs("XDG_CONFIG_HOME", nullptr),
          dataHome("XDG_DATA_HOME", nullptr),
          runtimeDir("XDG_RUNTIME_DIR", nullptr)
    {
        std::filesystem::create_directories(applications());
        std::filesystem::create_directories(supportFolder());
        std::filesystem::create_directories(documents());
    }

    std::filesystem::path path() const { return scratch.path(); }
    std::filesystem::path applications() const { return scratch.path() / "root/Applications"; }
    // The program's data folder, which is also the system support folder.
    std::filesystem::path supportFolder() const { return scratch.path() / "root/usr/share/dravello"; }
    std::filesystem::path homeFolder() const { return scratch.path() / "home"; }
    std::filesystem::path documents() const { return homeFolder() / "Documents"; }
    // The program's user support folder.
    std::filesystem::path userData() const { return homeFolder() / ".local/share/Scrivet"; }
    std::filesystem::path autostart() const { return homeFolder() / ".config/autostart"; }
    // The plug-in installation records of the installer tool and of the program.
    std::filesystem::path systemRecord() const { return scratch.path() / "root/var/lib/dravello/copied_files.txt"; }
    std::filesystem::path userRecord() const { return userData() / "copied_files.txt"; }

    // Copies the fixture (a bundle, or a folder holding one) into the
    // applications folder, under another name if given; returns the copy.
    std::filesystem::path installApplication(const std::string& fixture, std::string as = "") const
    {
        const std::filesystem::path target = applications() / (as.empty() ? fixture : as);
        std::filesystem::copy(std::filesystem::path(DRAVELLO_TEST_DATA "/apps") / fixture, target,
                              std::filesystem::copy_options::recursive);
        return target;
    }

    // The plug-in bundle of one build in the support folder.
    std::filesystem::path buildBundle(const std::string& build) const
    {
        const std::filesystem::path folder =
            build == plainBuild ? supportFolder() : supportFolder() / build;
        return folder / "hlvexportfile.aip";
    }

    // Lays out the three plug-in builds, each with a program file that names
    // its build and a resource, all writable by the group; and the Photoshop script.
    void installSupportFiles() const
    {
        using std::filesystem::perms;
        for (const char* build : {ccBuild, cs6Build, plainBuild}) {
            const std::filesystem::path bundle = buildBundle(build);
            writeFile(bundle / "Contents/MacOS/hlvexportfile", build);
            writeFile(bundle / "Contents/Resources/brushes.txt", "brushes");
            for (const auto& entry : std::filesystem::recursive_directory_iterator(bundle)) {
                const bool program = entry.path().filename() == "hlvexportfile";
                std::filesystem::permissions(entry.path(), entry.is_directory() || program
                                                               ? perms(0775)
                                                               : perms(0664));
            }
        }
        writeFile(supportFolder() / "pngloader.jsx", "// loads the sketch layers\n");
    }

    // Puts the program's own installed files (the factory settings and the
    // translations, as the build made them) into the data folder.
    void installProgramData() const
    {
        for (const char* folder : {"support", "translations"})
            std::filesystem::copy(std::filesystem::path(DRAVELLO_BUILD_DATADIR) / folder, supportFolder() / folder,
                                  std::filesystem::copy_options::recursive);
    }

    // Which build a copied plug-in bundle holds; empty when it holds none.
    static std::string buildOf(const std::filesystem::path& bundle)
    {
        return std::filesystem::exists(bundle / "Contents/MacOS/hlvexportfile")
            ? readFile(bundle / "Contents/MacOS/hlvexportfile")
            : "";
    }

    static std::string readFile(const std::filesystem::path& file)
    {
        std::ifstream in(file, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    static void writeFile(const std::filesystem::path& file, const std::string& content)
    {
        std::filesystem::create_directories(file.parent_path());
        std::ofstream(file, std::ios::binary) << content;
    }

private:
    ScratchDir scratch;
    EnvironmentOverride root;
    EnvironmentOverride home;
    EnvironmentOverride userDirs; // so that the documents folder is HOME/Documents
    EnvironmentOverride dataHome;
    EnvironmentOverride runtimeDir;
};

} // namespace testsupport

#endif
