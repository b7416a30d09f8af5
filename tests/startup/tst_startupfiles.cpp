#include "ApplicationLook.h"
#include "EnvironmentOverride.h"
#include "FakeSystemRoot.h"
#include "FifoWatchdog.h"
#include "FirstRunFiles.h"
#include "ScratchLog.h"
#include "ScriptedPrompt.h"
#include "StartupArguments.h"

#include <QComboBox>
#include <QFile>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QMessageBox>
#include <QPixmap>
#include <QtTest>

#include <filesystem>
#include <map>
#include <sys/stat.h>

using testsupport::EnvironmentOverride;
using testsupport::FakeSystemRoot;

namespace {

QString qPath(const std::filesystem::path& path) { return QString::fromStdString(path.string()); }

// The difference in lightness (0..1) between a widget's most common colour,
// its ground, and the pixel that stands out most from it; as its window
// draws it, with the ground the window gives it.
double contrastOf(QWidget& widget)
{
    QWidget* window = widget.window();
    const QRect area(widget.mapTo(window, QPoint()), widget.size());
    const QImage image = window->grab(area).toImage().convertToFormat(QImage::Format_RGB32);
    std::map<QRgb, int> counts;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            ++counts[image.pixel(x, y)];
    QRgb ground = 0;
    int most = 0;
    for (const auto& [colour, count] : counts)
        if (count > most) {
            ground = colour;
            most = count;
        }
    double contrast = 0;
    for (const auto& entry : counts)
        contrast = std::max(contrast, double(std::abs(QColor(entry.first).lightnessF() - QColor(ground).lightnessF())));
    return contrast;
}

} // namespace

class StartupFilesTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { registerCompiledResources(); }

    // A relative path is made absolute against the start's working folder
    // ("<cwd>" in the table), since the running copy works in another one.
    void commandLine_data()
    {
        QTest::addColumn<QString>("workingFolder");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("loadFile");
        QTest::addColumn<bool>("tray");

        const QString sketch = QFINDTESTDATA("tst_startupfiles.cpp");
        const QString here = QFileInfo(sketch).absolutePath();
        QTest::newRow("none") << here << QStringList{"Dravello"} << "Get the instance" << "" << false << false;
        QTest::newRow("tray") << here << QStringList{"Dravello", "tray"} << "Get the instance" << "" << false << true;
        QTest::newRow("tray is exact") << here << QStringList{"Dravello", "Tray"} << "Get the instance_<cwd>/Tray"
                                       << "<cwd>/Tray" << false << false;
        QTest::newRow("existing file") << here << QStringList{"Dravello", sketch, "more"}
                                       << "Get the instance_" + sketch << sketch << true << false;
        QTest::newRow("relative file") << here << QStringList{"Dravello", "tst_startupfiles.cpp"}
                                       << "Get the instance_" + sketch << sketch << true << false;
        QTest::newRow("relative, through the parent")
            << here << QStringList{"Dravello", "../startup/tst_startupfiles.cpp"}
            << "Get the instance_" + sketch << sketch << true << false;
        QTest::newRow("relative, other folder") << QDir::tempPath() << QStringList{"Dravello", "tst_startupfiles.cpp"}
                                                << "Get the instance_<cwd>/tst_startupfiles.cpp"
                                                << "<cwd>/tst_startupfiles.cpp" << false << false;
        QTest::newRow("missing file") << here << QStringList{"Dravello", "/nowhere/a.wpi"}
                                      << "Get the instance_/nowhere/a.wpi" << "/nowhere/a.wpi" << false << false;
        QTest::newRow("folder") << here << QStringList{"Dravello", QDir::tempPath()}
                                << "Get the instance_" + QDir::tempPath() << QDir::tempPath() << false << false;
        QTest::newRow("empty") << here << QStringList{"Dravello", ""} << "Get the instance_" << "" << false << false;
    }

    void commandLine()
    {
        QFETCH(QString, workingFolder);
        QFETCH(QStringList, arguments);
        QFETCH(QString, message);
        QFETCH(QString, file);
        QFETCH(bool, loadFile);
        QFETCH(bool, tray);
        const QString previous = QDir::currentPath();
        QVERIFY(QDir::setCurrent(workingFolder));
        const StartupArguments read = readStartupArguments(arguments);
        const QString cwd = QDir::currentPath();
        QVERIFY(QDir::setCurrent(previous));
        QCOMPARE(read.message, QString(message).replace("<cwd>", cwd));
        QCOMPARE(read.strFileArg, QString(file).replace("<cwd>", cwd));
        QCOMPARE(read.loadFile, loadFile);
        QCOMPARE(read.trayStart, tray);
        QCOMPARE(read.noArguments, arguments.size() == 1);
    }

    void aTrayStartStaysInTheTrayUnlessTheVolumeIsPresent()
    {
        const auto state = [](QStringList arguments, bool volume) {
            return startWindowState(readStartupArguments(arguments), volume);
        };
        QCOMPARE(state({"Dravello", "tray"}, false), StartWindowState::InTray);
        QCOMPARE(state({"Dravello", "tray"}, true), StartWindowState::Maximised);
        QCOMPARE(state({"Dravello"}, false), StartWindowState::Maximised);
        QCOMPARE(state({"Dravello", "/a.wpi"}, false), StartWindowState::Maximised);
    }

    void firstStartCopiesTheInstalledSupportFiles_data()
    {
        QTest::addColumn<bool>("xdgFolders");
        QTest::newRow("below HOME") << false;
        QTest::newRow("XDG_DATA_HOME and XDG_CONFIG_HOME") << true;
    }

    void firstStartCopiesTheInstalledSupportFiles()
    {
        QFETCH(bool, xdgFolders);
        FakeSystemRoot system;
        const auto data = xdgFolders ? system.path() / "data" : system.homeFolder() / ".local/share";
        const auto config = xdgFolders ? system.path() / "config" : system.homeFolder() / ".config";
        EnvironmentOverride dataHome("XDG_DATA_HOME", xdgFolders ? data.c_str() : nullptr);
        EnvironmentOverride configHome("XDG_CONFIG_HOME", xdgFolders ? config.c_str() : nullptr);
        for (const char* name : {kLaunchAgentFileName, kBrushLibraryFileName, kUserSettingsFileName})
            FakeSystemRoot::writeFile(system.supportFolder() / name, std::string("installed ") + name);

        QVERIFY(PrepareUserSettingsFile());

        const auto userData = data / "Scrivet";
        QCOMPARE(userDataFolder(), qPath(userData) + "/");
        QCOMPARE(userSettingsFilePath(), qPath(userData / "dravellouser.xml"));
        QCOMPARE(FakeSystemRoot::readFile(userData / "dravellouser.xml"), "installed dravellouser.xml");
        QCOMPARE(FakeSystemRoot::readFile(userData / "brush_pressure.ai"), "installed brush_pressure.ai");
        QCOMPARE(FakeSystemRoot::readFile(config / "autostart" / kLaunchAgentFileName),
                 std::string("installed ") + kLaunchAgentFileName);
    }

    void laterStartsKeepTheUsersFiles()
    {
        FakeSystemRoot system;
        const auto userData = system.userData();
        const auto agent = system.autostart() / kLaunchAgentFileName;
        for (const char* name : {kBrushLibraryFileName, kUserSettingsFileName}) {
            FakeSystemRoot::writeFile(system.supportFolder() / name, "installed");
            FakeSystemRoot::writeFile(userData / name, "the user's");
        }
        FakeSystemRoot::writeFile(system.supportFolder() / kLaunchAgentFileName, "installed");
        FakeSystemRoot::writeFile(agent, "the user's");

        PrepareUserSettingsFile();

        for (const auto& file : {userData / kBrushLibraryFileName, userData / kUserSettingsFileName, agent})
            QCOMPARE(FakeSystemRoot::readFile(file), "the user's");
    }

    void anEmptySupportFolderLeavesOnlyTheUserDataFolder()
    {
        FakeSystemRoot system;
        QVERIFY(PrepareUserSettingsFile());
        QVERIFY(std::filesystem::is_directory(system.userData()));
        QVERIFY(std::filesystem::is_empty(system.userData()));
        QVERIFY(!std::filesystem::exists(system.autostart()));
    }

    // Without a user folder the copies are refused with a severe line, and
    // nothing is written at the filesystem root or in the current folder.
    // An absolute XDG_DATA_HOME still names the user's data folder.
    void withoutAUserFolderNothingIsCopied_data()
    {
        QTest::addColumn<QByteArray>("home");
        QTest::addColumn<bool>("dataHomeSet");
        QTest::newRow("HOME not set") << QByteArray() << false;
        QTest::newRow("HOME relative") << QByteArray("home") << false;
        QTest::newRow("HOME not set, XDG_DATA_HOME set") << QByteArray() << true;
    }

    void withoutAUserFolderNothingIsCopied()
    {
        QFETCH(QByteArray, home);
        QFETCH(bool, dataHomeSet);
        FakeSystemRoot system;
        const testsupport::ScratchLog log;
        const auto data = system.path() / "data";
        EnvironmentOverride noHome("HOME", home.isEmpty() ? nullptr : home.constData());
        EnvironmentOverride dataHome("XDG_DATA_HOME", dataHomeSet ? data.c_str() : nullptr);
        const char* const names[] = {kLaunchAgentFileName, kBrushLibraryFileName, kUserSettingsFileName};
        // Below a relative HOME, taken from the current folder.
        std::vector<std::filesystem::path> outside = {std::filesystem::current_path() / "home/.local",
                                                      std::filesystem::current_path() / "home/.config"};
        for (const char* name : names) {
            FakeSystemRoot::writeFile(system.supportFolder() / name, "installed");
            for (const auto& folder : {std::filesystem::path("/"), std::filesystem::current_path()})
                if (!std::filesystem::exists(folder / name))
                    outside.push_back(folder / name);
        }
        QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^No user folder"));
        if (!dataHomeSet)
            QTest::ignoreMessage(QtCriticalMsg, QRegularExpression("^No user folder"));

        QVERIFY(PrepareUserSettingsFile());

        for (const auto& file : outside)
            QVERIFY2(!std::filesystem::exists(file), file.c_str());
        QCOMPARE(userSettingsFilePath().isEmpty(), !dataHomeSet);
        QCOMPARE(std::filesystem::exists(data / "Scrivet" / kUserSettingsFileName), dataHomeSet);
        const std::string logged = FakeSystemRoot::readFile(log.path());
        QVERIFY2(logged.find("SEVERE No user folder") != std::string::npos, logged.c_str());
    }

    void theFactoryFileIsFoundInTheProgramsDataFolder()
    {
        // From the running program, not from whatever the first argument
        // names: a start through PATH gives just the program's name.
        testsupport::EnvironmentOverride noRoot("DRAVELLO_SYSTEM_ROOT", nullptr);
        const QDir program = QFileInfo(QCoreApplication::applicationFilePath()).absoluteDir();
        QCOMPARE(factorySettingsFilePath(),
                 QDir::cleanPath(program.filePath("../../share/dravello/support/dravellofactory.xml")));
        FakeSystemRoot system;
        QCOMPARE(factorySettingsFilePath(), qPath(system.supportFolder() / "support/dravellofactory.xml"));
    }

    void userSettingsFileFromTheFactoryFile()
    {
        FakeSystemRoot system;
        ScriptedPrompt prompt;
        const QString factory = qPath(system.path() / "program/support/dravellofactory.xml");
        const QString user = qPath(system.path() / "user/dravellouser.xml");
        std::filesystem::create_directories(system.path() / "user");

        // No factory file: the box, and the start ends.
        QVERIFY(!provideUserSettingsFile(user, factory));
        QCOMPARE(prompt.texts(), QStringList{"The factory settings file does not exists " + factory});
        QCOMPARE(prompt.requests.first().icon, QMessageBox::Critical);
        QCOMPARE(prompt.requests.first().title, QString("Scrivet Dravello"));
        prompt.clear();

        FakeSystemRoot::writeFile(factory.toStdString(), "<factory/>");
        QVERIFY(provideUserSettingsFile(user, factory));
        QCOMPARE(FakeSystemRoot::readFile(user.toStdString()), "<factory/>");

        // A present user file is kept.
        FakeSystemRoot::writeFile(user.toStdString(), "<user/>");
        QVERIFY(provideUserSettingsFile(user, factory));
        QCOMPARE(FakeSystemRoot::readFile(user.toStdString()), "<user/>");

        // The copy fails: both paths in the box.
        const QString unreachable = qPath(system.path() / "missing/dravellouser.xml");
        QVERIFY(!provideUserSettingsFile(unreachable, factory));
        QCOMPARE(prompt.texts(),
                 QStringList{"Problem to copy the factory settings " + factory + " to  " + unreachable});
    }

    // Installed files and a factory file that are FIFOs (or links to one)
    // are not copied and hold no start: the copies are refused at once.
    void firstRunFilesThatAreFifosAreNotCopied()
    {
        FakeSystemRoot system;
        ScriptedPrompt prompt;
        const auto fifo = system.path() / "pipe";
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        std::filesystem::create_symlink(fifo, system.supportFolder() / kUserSettingsFileName);
        std::filesystem::create_symlink(fifo, system.supportFolder() / kBrushLibraryFileName);
        std::filesystem::create_symlink(fifo, system.supportFolder() / kLaunchAgentFileName);
        const QString factory = qPath(system.path() / "dravellofactory.xml");
        std::filesystem::create_symlink(fifo, factory.toStdString());
        const QString user = qPath(system.userData() / kUserSettingsFileName);

        const testsupport::FifoWatchdog watchdog(fifo.string());
        QVERIFY(PrepareUserSettingsFile());
        QVERIFY(!provideUserSettingsFile(user, factory));
        QVERIFY2(!watchdog.fired(), "a copy waited for the FIFO");
        QVERIFY(std::filesystem::is_empty(system.userData()));
        QVERIFY(!std::filesystem::exists(system.autostart() / kLaunchAgentFileName));
        QCOMPARE(prompt.texts(), QStringList{"Problem to copy the factory settings " + factory + " to  " + user});
    }

    void styleSheetsKeepBoxesAndListsReadable_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::newRow("start") << QString(kStartStyleSheet);
        QTest::newRow("alternative") << QString(kAlternativeStyleSheet);
    }

    void styleSheetsKeepBoxesAndListsReadable()
    {
        QFETCH(QString, sheet);
        const QString text = applicationStyleSheet(sheet);
        QVERIFY(text.contains("QMainWindow"));
        qApp->setStyleSheet(text);

        QMessageBox box(QMessageBox::Warning, "Scrivet Dravello", "WWWWWWWW MMMMMMMM");
        box.show();
        auto* boxText = box.findChild<QLabel*>("qt_msgbox_label");
        QVERIFY(boxText);
        QVERIFY2(contrastOf(*boxText) > 0.5, "message box text");

        QInputDialog input;
        input.setLabelText("WWWWWWWW MMMMMMMM");
        input.setTextValue("WWWWWWWW");
        input.show();
        for (QWidget* part : std::initializer_list<QWidget*>{input.findChild<QLabel*>(), input.findChild<QLineEdit*>()}) {
            QVERIFY(part);
            QVERIFY2(contrastOf(*part) > 0.5, qPrintable(part->metaObject()->className()));
        }

        QComboBox combo;
        combo.addItems({"WWWWWWWW", "MMMMMMMM"});
        combo.resize(200, 30);
        combo.show();
        QVERIFY2(contrastOf(combo) > 0.5, "combo box");
        combo.showPopup();
        QVERIFY2(contrastOf(*combo.view()->viewport()) > 0.5, "combo box list");
        combo.hidePopup();

        qApp->setStyleSheet(QString());
    }

    void theSplashPictureLoads() { QVERIFY(!QPixmap(":/misc/Resources/miscell/scrivetlogo.png").isNull()); }
};

QTEST_MAIN(StartupFilesTest)
#include "tst_startupfiles.moc"
