#include "ApplicationRegistry.h"
#include "FakeSystemRoot.h"
#include "InstalledAppsProbe.h"
#include "RecordingProcessRunner.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <QtTest>

#include <memory>

namespace fs = std::filesystem;
using testsupport::FakeSystemRoot;

namespace {

// Closes any modal window that shows up and remembers that one did: the
// probe must never block a test run on a message box.
class ModalWatch : public QObject {
public:
    ModalWatch()
    {
        connect(&timer, &QTimer::timeout, this, [this] {
            QWidget* modal = QApplication::activeModalWidget();
            if (!modal)
                return;
            seen = true;
            if (auto* dialog = qobject_cast<QDialog*>(modal))
                dialog->reject();
            else
                modal->close();
        });
        timer.start(20);
    }
    bool seen = false;

private:
    QTimer timer;
};

struct ProbeRun {
    QList<QStringList> applications; // the fields of each descriptor
    QStringList messages;
};

QStringList fieldsOf(const ApplicationDescriptor& application)
{
    return {application.bundleName, application.version, application.bundlePath,
            application.pluginsFolder};
}

ProbeRun runProbe(const Platform::ApplicationRegistry& registry, Platform::ProcessRunner& runner)
{
    ProbeRun run;
    const InstalledAppsProbe probe({registry, runner, [&](const QString& text) { run.messages << text; }});
    for (const ApplicationDescriptor& application : probe.getExportingAppsList())
        run.applications << fieldsOf(application);
    return run;
}

ProbeRun runProbe(Platform::ProcessRunner& runner)
{
    return runProbe(Platform::ApplicationRegistry(), runner);
}

QString text(const fs::path& path) { return QString::fromStdString(path.string()); }

QStringList entries(const fs::path& folder)
{
    QStringList names;
    for (const auto& entry : fs::directory_iterator(folder))
        names << text(entry.path().filename());
    names.sort();
    return names;
}

} // namespace

class tst_InstalledAppsProbe : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void nothingInstalledFindsNothing();
    void listsEveryApplicationInOrder();
    void illustratorVersionPicksTheBuild_data();
    void illustratorVersionPicksTheBuild();
    void installedPluginIsLeftAlone();
    void recordThatCannotBeWrittenIsLogged();
    void partialCopyIsNotInstalled();
    void unresolvablePluginsFolderInstallsNothing();
    void sketchBookProWithoutIdentifierIsFoundByName();
    void existingScriptIsKept();
    void scriptsFolderThatCannotBeMadeIsReported();
    void standaloneProbeUsesTheSystem();

private:
    // An Illustrator fixture with its plug-ins folder; the plug-in target.
    fs::path installIllustrator(const std::string& fixture);

    std::unique_ptr<FakeSystemRoot> system;
    std::unique_ptr<ModalWatch> watch;
    Platform::RecordingProcessRunner copying{Platform::systemProcessRunner()};
};

void tst_InstalledAppsProbe::init()
{
    system = std::make_unique<FakeSystemRoot>();
    system->installSupportFiles();
    watch = std::make_unique<ModalWatch>();
    copying = Platform::RecordingProcessRunner(Platform::systemProcessRunner());
}

void tst_InstalledAppsProbe::cleanup()
{
    const bool modalSeen = watch->seen;
    watch.reset();
    system.reset();
    QVERIFY2(!modalSeen, "a modal window appeared");
}

fs::path tst_InstalledAppsProbe::installIllustrator(const std::string& fixture)
{
    const fs::path folder = system->installApplication(fixture);
    fs::create_directories(folder / "Plug-ins.localized");
    return fs::canonical(folder) / "Plug-ins.localized/hlvexportfile.aip";
}

void tst_InstalledAppsProbe::nothingInstalledFindsNothing()
{
    system->installApplication("Broken.app"); // claims to be Photoshop, but does not parse
    const ProbeRun run = runProbe(copying);
    QVERIFY(run.applications.isEmpty());
    QVERIFY(run.messages.isEmpty());
    QVERIFY(copying.calls().empty());
    QVERIFY(!fs::exists(system->userRecord()));
    QVERIFY(!fs::exists(system->documents() / "Adobe Scripts"));
}

void tst_InstalledAppsProbe::listsEveryApplicationInOrder()
{
    for (const char* fixture : {"SketchBook Designer.app", "SketchBook Pro.app", "Adobe Photoshop CS6"})
        system->installApplication(fixture);
    const fs::path target = installIllustrator("Adobe Illustrator CC");
    const fs::path apps = system->applications();

    const ProbeRun run = runProbe(copying);

    const QList<QStringList> expected{
        {"Adobe Photoshop CS6", "13.0.0", text(apps / "Adobe Photoshop CS6/Adobe Photoshop CS6.app"), ""},
        {"Adobe Illustrator", "17.0.0", text(apps / "Adobe Illustrator CC/Adobe Illustrator.app"),
         text(target.parent_path())},
        {"SketchBook Pro", "6.2.1", text(apps / "SketchBook Pro.app"), ""},
        {"SketchBook Designer", "2013.1", text(apps / "SketchBook Designer.app"), ""},
    };
    QCOMPARE(run.applications, expected);
    QVERIFY(run.messages.isEmpty());
    QCOMPARE(FakeSystemRoot::buildOf(target), std::string(FakeSystemRoot::ccBuild));
    QCOMPARE(FakeSystemRoot::readFile(system->userRecord()), target.string());
    QCOMPARE(FakeSystemRoot::readFile(system->documents() / "Adobe Scripts/pngloader.jsx"),
             FakeSystemRoot::readFile(system->supportFolder() / "pngloader.jsx"));
}

void tst_InstalledAppsProbe::illustratorVersionPicksTheBuild_data()
{
    QTest::addColumn<QString>("fixture");
    QTest::addColumn<QString>("build");
    QTest::newRow("15.0.0") << "Adobe Illustrator CS5" << FakeSystemRoot::plainBuild;
    QTest::newRow("16.0.0") << "Adobe Illustrator CS6" << FakeSystemRoot::cs6Build;
    QTest::newRow("17.0.0") << "Adobe Illustrator CC" << FakeSystemRoot::ccBuild;
    QTest::newRow("18.1.0") << "Adobe Illustrator CC 2014" << FakeSystemRoot::ccBuild;
    QTest::newRow("no leading digits") << "Adobe Illustrator Preview" << FakeSystemRoot::plainBuild;
}

void tst_InstalledAppsProbe::illustratorVersionPicksTheBuild()
{
    QFETCH(QString, fixture);
    QFETCH(QString, build);
    const fs::path target = installIllustrator(fixture.toStdString());

    const ProbeRun run = runProbe(copying);

    QCOMPARE(run.applications.size(), 1);
    QCOMPARE(QString::fromStdString(FakeSystemRoot::buildOf(target)), build);
    QCOMPARE(entries(target.parent_path()), QStringList{"hlvexportfile.aip"});
    QCOMPARE(FakeSystemRoot::readFile(system->userRecord()), target.string());
    QVERIFY(!fs::exists(system->documents() / "Adobe Scripts")); // no Photoshop, no script
}

void tst_InstalledAppsProbe::installedPluginIsLeftAlone()
{
    const fs::path target = installIllustrator("Adobe Illustrator CC");
    FakeSystemRoot::writeFile(target / "Contents/MacOS/hlvexportfile", "installed earlier");
    FakeSystemRoot::writeFile(system->userRecord(), "/earlier/target");
    Platform::RecordingProcessRunner recorder;

    runProbe(recorder);

    QVERIFY(recorder.calls().empty());
    QCOMPARE(FakeSystemRoot::buildOf(target), std::string("installed earlier"));
    QCOMPARE(FakeSystemRoot::readFile(system->userRecord()), std::string("/earlier/target"));
}

// The program writes its record where its user may write; when even that
// fails, the log says so and the copy stays installed.
void tst_InstalledAppsProbe::recordThatCannotBeWrittenIsLogged()
{
    const fs::path target = installIllustrator("Adobe Illustrator CC");
    fs::create_directories(system->userRecord()); // a folder in its place
    QTest::ignoreMessage(QtWarningMsg,
                         QRegularExpression("^The plug-in was copied to .*hlvexportfile.aip, but its record could "
                                            "not be written to .*/Scrivet/copied_files.txt$"));

    const ProbeRun run = runProbe(copying);

    QCOMPARE(FakeSystemRoot::buildOf(target), std::string(FakeSystemRoot::ccBuild));
    QVERIFY(fs::is_directory(system->userRecord()));
    QVERIFY(run.messages.isEmpty());
}

void tst_InstalledAppsProbe::partialCopyIsNotInstalled()
{
    const fs::path target = installIllustrator("Adobe Illustrator CC");
    // cp copies the rest of the build, then fails on the link that leads nowhere.
    fs::create_symlink(system->path() / "gone",
                       system->buildBundle(FakeSystemRoot::ccBuild) / "Contents/zz-missing");

    for (int start = 1; start <= 2; ++start) {
        runProbe(copying);
        QCOMPARE(copying.calls().size(), std::size_t(start)); // tried again at every start
        QVERIFY(entries(target.parent_path()).isEmpty());
        QVERIFY(!fs::exists(system->userRecord()));
    }
}

void tst_InstalledAppsProbe::unresolvablePluginsFolderInstallsNothing()
{
    const fs::path folder = system->installApplication("Adobe Illustrator CC");
    const Platform::ApplicationRegistry registry;
    fs::remove_all(folder); // gone between the lookup and the installation
    Platform::RecordingProcessRunner recorder;

    const ProbeRun run = runProbe(registry, recorder);

    QCOMPARE(run.applications.size(), 1);
    QCOMPARE(run.applications[0][3], QString()); // no plug-ins folder, not "/Plug-ins.localized"
    QVERIFY(recorder.calls().empty());
    QVERIFY(!fs::exists(system->userRecord()));
}

void tst_InstalledAppsProbe::sketchBookProWithoutIdentifierIsFoundByName()
{
    system->installApplication("SketchBookPro6.app");
    system->installApplication("SketchBook Designer.app");
    const ProbeRun run = runProbe(copying);
    const QList<QStringList> expected{
        {"SketchBookPro", "6.0.1", text(system->applications() / "SketchBookPro6.app"), ""},
        {"SketchBook Designer", "2013.1", text(system->applications() / "SketchBook Designer.app"), ""},
    };
    QCOMPARE(run.applications, expected);
    QVERIFY(copying.calls().empty());
}

void tst_InstalledAppsProbe::existingScriptIsKept()
{
    system->installApplication("Adobe Photoshop CS6");
    const fs::path script = system->documents() / "Adobe Scripts/pngloader.jsx";
    FakeSystemRoot::writeFile(script, "// the user's own version\n");

    const ProbeRun run = runProbe(copying);

    QCOMPARE(run.applications.size(), 1);
    QCOMPARE(FakeSystemRoot::readFile(script), std::string("// the user's own version\n"));
}

void tst_InstalledAppsProbe::scriptsFolderThatCannotBeMadeIsReported()
{
    system->installApplication("Adobe Photoshop CS6");
    fs::remove_all(system->documents()); // the folder is made one level only

    const ProbeRun run = runProbe(copying);

    QCOMPARE(run.applications.size(), 1);
    QCOMPARE(run.messages, QStringList{"Fialed to create Adobe Scripts folder"});
    QVERIFY(!fs::exists(system->documents()));
}

void tst_InstalledAppsProbe::standaloneProbeUsesTheSystem()
{
    system->installApplication("Adobe Photoshop CS6");
    const InstalledAppsProbe probe;
    QCOMPARE(probe.getExportingAppsList().size(), 1);
    QCOMPARE(probe.getExportingAppsList()[0].bundleName, QString("Adobe Photoshop CS6"));
    QVERIFY(fs::exists(system->documents() / "Adobe Scripts/pngloader.jsx"));
}

QTEST_MAIN(tst_InstalledAppsProbe)
#include "tst_installedappsprobe.moc"
