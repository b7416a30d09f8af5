#ifndef DRAVELLO_FUZZ_FUZZSURROUNDINGS_H
#define DRAVELLO_FUZZ_FUZZSURROUNDINGS_H

// What the fuzz targets of the Qt program share: a scratch folder holding an
// empty system root, home and runtime folder (set in the environment, the
// current folder left alone for libFuzzer), and a prompt that answers every
// message box at once.

#include "EnvironmentOverride.h"
#include "ScratchDir.h"
#include "UserPrompt.h"

#include <QString>

#include <filesystem>

namespace fuzzsupport {

class SilentPrompt : public UserPrompt {
public:
    SilentPrompt() { installUserPrompt(this); }
    QMessageBox::StandardButton ask(const PromptRequest&) override { return QMessageBox::Ok; }
};

struct ScratchSurroundings {
    ScratchSurroundings()
    {
        for (const char* folder : {"root/Applications", "home", "runtime"})
            std::filesystem::create_directories(scratch.path() / folder);
        std::filesystem::permissions(scratch.path() / "runtime", std::filesystem::perms::owner_all);
    }

    QString file(const char* name) const { return QString::fromStdString(scratch.file(name)); }

    testsupport::ScratchDir scratch;
    testsupport::EnvironmentOverride root{"DRAVELLO_SYSTEM_ROOT", scratch.file("root").c_str()};
    testsupport::EnvironmentOverride home{"HOME", scratch.file("home").c_str()};
    testsupport::EnvironmentOverride runtime{"XDG_RUNTIME_DIR", scratch.file("runtime").c_str()};
    SilentPrompt prompt;
};

} // namespace fuzzsupport

#endif
