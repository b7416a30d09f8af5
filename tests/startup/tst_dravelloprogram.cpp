// Starts the built program the way a user does: by name through PATH, from
// any folder, in a fresh home and (unless told otherwise) system root.

#include "EnvironmentOverride.h"
#include "FakeSystemRoot.h"
#include "FifoWatchdog.h"
#include "ProgramRun.h"

#include <QtTest>

#include <filesystem>
#include <sys/stat.h>

using testsupport::FakeSystemRoot;

namespace {

const std::filesystem::path kProgram = DRAVELLO_PROGRAM;

// One start of the program, stopped when the object goes; `user` is HOME
// (and any XDG variable) as the start sees it.
class ProgramRun : public testsupport::ProgramRun {
public:
    enum class Root { Fake, None };

    // Without the fake system root the program finds its installed files
    // from its own folder.
    ProgramRun(const FakeSystemRoot& system, const std::filesystem::path& folder,
               std::vector<std::string> arguments, std::vector<std::string> user = {},
               Root root = Root::Fake)
        : testsupport::ProgramRun(
              kProgram, folder, std::move(arguments),
              testsupport::programEnvironment(system, std::move(user), {}, root == Root::Fake))
    {
    }
};

} // namespace

class DravelloProgramTest : public QObject {
    Q_OBJECT

    // The program is found by name, as from a shell.
    testsupport::EnvironmentOverride path{"PATH", (kProgram.parent_path().string() + ":/usr/bin:/bin").c_str()};

private slots:
    void aStartThroughPathFindsItsInstalledFiles()
    {
        FakeSystemRoot system;
        const std::filesystem::path elsewhere = system.path() / "elsewhere";
        std::filesystem::create_directories(elsewhere);

        ProgramRun run(system, elsewhere, {}, {}, ProgramRun::Root::None);
        QVERIFY(run.started);
        const auto userFile = system.userData() / "dravellouser.xml";
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(userFile) || !run.running(), 20000);
        QCOMPARE(FakeSystemRoot::readFile(userFile),
                 FakeSystemRoot::readFile(std::filesystem::path(DRAVELLO_BUILD_DATADIR) / "dravellouser.xml"));
        QTest::qWait(1500);
        QVERIFY(run.running());
    }

    // The second start ends with success once the running copy took its file.
    void aSecondStartHandsItsFileToTheRunningCopy()
    {
        FakeSystemRoot system;
        system.installProgramData();
        // Not the very first start: the user data folder holds the lock.
        std::filesystem::create_directories(system.userData());
        ProgramRun first(system, system.path(), {});
        QVERIFY(first.started);
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(system.userData() / "qtsasock") || !first.running(),
                                 20000);
        QVERIFY(first.running());

        const std::filesystem::path sketch = system.documents() / "a.wpi";
        FakeSystemRoot::writeFile(sketch, "");
        ProgramRun second(system, system.path(), {sketch.string()});
        QTRY_VERIFY_WITH_TIMEOUT(!second.running(), 20000);
        QCOMPARE(second.exitCode, 0);
        QVERIFY(first.running());
    }

    // The settings file being a FIFO (or a link to one) holds no start: the
    // first refuses it at once and shows its box, and a second start is
    // handed over to the first and ends. Neither waits for the FIFO.
    void aFifoAsTheSettingsFileHoldsNoStart_data()
    {
        QTest::addColumn<bool>("throughALink");
        QTest::newRow("FIFO") << false;
        QTest::newRow("link to a FIFO") << true;
    }

    void aFifoAsTheSettingsFileHoldsNoStart()
    {
        QFETCH(bool, throughALink);
        FakeSystemRoot system;
        std::filesystem::create_directories(system.userData());
        const std::filesystem::path settings = system.userData() / "dravellouser.xml";
        const std::filesystem::path fifo = throughALink ? system.path() / "pipe" : settings;
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        if (throughALink)
            std::filesystem::create_symlink(fifo, settings);
        const testsupport::FifoWatchdog watchdog(fifo.string());

        ProgramRun first(system, system.path(), {});
        QVERIFY(first.started);
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(system.userData() / "qtsasock") || !first.running(),
                                 20000);
        ProgramRun second(system, system.path(), {});
        QTRY_VERIFY_WITH_TIMEOUT(!second.running(), 20000);
        QVERIFY2(!watchdog.fired(), "a start waited for the FIFO");
        QCOMPARE(second.exitCode, 0);
        QVERIFY(first.running());
        QVERIFY(std::filesystem::is_fifo(fifo));
    }

    // Without HOME the start keeps its single copy in the runtime folder and
    // runs on the factory settings, writing no settings file anywhere. Its
    // log (of the first-run copies it leaves out) goes to the state folder,
    // which it makes, not into the folder it was started from.
    void aStartWithoutHomeRunsOnTheFactorySettings()
    {
        FakeSystemRoot system;
        system.installProgramData();
        const std::filesystem::path runtime = system.path() / "runtime";
        const std::filesystem::path elsewhere = system.path() / "elsewhere";
        const std::filesystem::path state = system.path() / "state/deep";
        std::filesystem::create_directories(runtime);
        std::filesystem::create_directories(elsewhere);
        FakeSystemRoot::writeFile(system.supportFolder() / "dravellouser.xml", "installed");
        const bool rootHadSettings = std::filesystem::exists("/dravellouser.xml");

        ProgramRun run(system, elsewhere, {},
                       {"XDG_RUNTIME_DIR=" + runtime.string(), "XDG_STATE_HOME=" + state.string()});
        QVERIFY(run.started);
        QTRY_VERIFY_WITH_TIMEOUT(std::filesystem::exists(runtime / "Scrivet/qtsasock") || !run.running(), 20000);
        QTest::qWait(1500);
        QVERIFY(run.running());
        QVERIFY(!std::filesystem::exists(elsewhere / "dravellouser.xml"));
        QVERIFY(rootHadSettings || !std::filesystem::exists("/dravellouser.xml"));
        QVERIFY(!std::filesystem::exists(system.homeFolder() / ".local"));
        QVERIFY(std::filesystem::is_empty(elsewhere));
        QVERIFY(FakeSystemRoot::readFile(state / "Scrivet/pelm.log").find("SEVERE No user folder") != std::string::npos);
    }
};

QTEST_GUILESS_MAIN(DravelloProgramTest)
#include "tst_dravelloprogram.moc"
