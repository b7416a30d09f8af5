#include "ApplSettings.h"
#include "FifoWatchdog.h"
#include "FileSizeLimit.h"
#include "FolderWithoutUnnamedFiles.h"
#include "ScratchDir.h"
#include "SettingsFixtures.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <sys/stat.h>

namespace {

const QString kMissingText = QStringLiteral("Entry %1 does not have attribute name %2 in \n%3 settings file.");

QString missingText(const QString& key, const QString& attribute, const QString& path)
{
    return kMissingText.arg(key, attribute, path);
}

// Every name in the folder, hidden ones too.
QStringList namesIn(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot, QDir::Name);
}

QString badKeyText(const QString& key)
{
    return QStringLiteral("Entry string \"%1\" does not exist in the settings file.").arg(key);
}

// A settings file with the given attributes on "page_properties/page" and a
// complete default pen.
QByteArray pageSettings(const QString& pageAttributes)
{
    return QStringLiteral("<settings><page_properties><page %1/></page_properties>"
                          "<visuality_properties><default_pen rgba_color=\"0 0 0 255\" "
                          "width=\"3\" ball_point_size=\"1.0\"/></visuality_properties></settings>")
        .arg(pageAttributes)
        .toUtf8();
}

} // namespace

Q_DECLARE_METATYPE(ApplSettings::PaperSize)
Q_DECLARE_METATYPE(ApplSettings::Orientation)

class ApplSettingsTest : public QObject {
    Q_OBJECT

private:
    SettingsTestEnvironment environment;
    ScriptedPrompt& prompt = environment.prompt;
    std::unique_ptr<testsupport::ScratchDir> scratch;

    // A store that has read a scratch copy of the fixture; its path in `path`.
    // Messages shown while loading are dropped.
    std::unique_ptr<ApplSettings> loaded(const char* fixture, QString& path)
    {
        path = copyFixture(*scratch, fixture);
        auto settings = std::make_unique<ApplSettings>();
        if (!settings->readApplSettings(path, fixturePath("user.xml")))
            return nullptr;
        prompt.clear();
        return settings;
    }

private slots:
    void init()
    {
        scratch = std::make_unique<testsupport::ScratchDir>();
        prompt.clear();
    }

    void cleanup() { QVERIFY(environment.nothingModal()); }

    void lookupsFollowTheMatchingRules_data()
    {
        QTest::addColumn<QString>("fixture");
        QTest::addColumn<bool>("preloaded");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("attribute");
        QTest::addColumn<bool>("found");
        QTest::addColumn<QString>("value");
        QTest::addColumn<QString>("message"); // %1 stands for the settings path

        const QString none;
        QTest::newRow("attribute value") << "user.xml" << false << "translator/language" << "name"
                                         << true << "French" << none;
        QTest::newRow("absent attribute is empty") << "user.xml" << false << "translator/language"
                                                   << "nonexistent" << true << "" << none;
        QTest::newRow("group without regard to case") << "user.xml" << false << "Translator/language"
                                                      << "name" << true << "French" << none;
        QTest::newRow("entry matched exactly") << "user.xml" << false << "translator/Language"
                                               << "name" << false << ""
                                               << missingText("translator/Language", "name", "%1");
        QTest::newRow("empty entry matches nothing") << "user.xml" << false << "translator/"
                                                     << "name" << false << ""
                                                     << missingText("translator/", "name", "%1");
        QTest::newRow("no slash") << "user.xml" << false << "translator" << "name" << false << ""
                                  << badKeyText("translator");
        QTest::newRow("two slashes") << "user.xml" << true << "a/b/c" << "name" << false << ""
                                     << badKeyText("a/b/c");
        QTest::newRow("attribute name exact") << "user.xml" << false << "page_properties/page"
                                              << "ANGLE" << true << "" << none;
        QTest::newRow("preloaded attribute without case") << "user.xml" << true
                                                          << "page_properties/page" << "ANGLE"
                                                          << true << "90" << none;
        QTest::newRow("preloaded missing attribute") << "user.xml" << true << "page_properties/page"
                                                     << "nonexistent" << false << ""
                                                     << missingText("page_properties/page",
                                                                    "nonexistent", "%1");
        QTest::newRow("first group whose entry has attributes")
            << "duplicate-groups.xml" << false << "page_properties/page" << "angle" << true << "45"
            << none;
        QTest::newRow("preloaded takes the last matching group")
            << "duplicate-groups.xml" << true << "page_properties/page" << "angle" << true << "90"
            << none;
    }

    void lookupsFollowTheMatchingRules()
    {
        QFETCH(QString, fixture);
        QFETCH(bool, preloaded);
        QFETCH(QString, key);
        QFETCH(QString, attribute);
        QFETCH(bool, found);
        QFETCH(QString, value);
        QFETCH(QString, message);

        QString path;
        const auto settings = loaded(fixture.toLatin1().constData(), path);
        QVERIFY(settings);

        QString result = QStringLiteral("unchanged");
        const bool ok = preloaded ? settings->getAttrValueStrPreloaded(key, attribute, result)
                                  : settings->getAttrValueStr(key, attribute, result);
        QCOMPARE(ok, found);
        QCOMPARE(result, found ? value : QStringLiteral("unchanged"));
        QCOMPARE(prompt.texts(), message.isEmpty() ? QStringList() : QStringList{message.arg(path)});
    }

    void setChangesTheFirstMatchInMemoryOnly()
    {
        QString path;
        const auto settings = loaded("duplicate-groups.xml", path);
        QVERIFY(settings);
        const QByteArray onDisk = readBytes(path);

        QVERIFY(settings->setAttrValueStr("page_properties/page", "Angle", "-45"));
        QString angle;
        QVERIFY(settings->getAttrValueStr("page_properties/page", "angle", angle));
        QCOMPARE(angle, QStringLiteral("-45"));
        QVERIFY(settings->getAttrValueStrPreloaded("page_properties/page", "angle", angle));
        QCOMPARE(angle, QStringLiteral("90"));
        QCOMPARE(readBytes(path), onDisk);
        QVERIFY(prompt.requests.isEmpty());
    }

    void setCreatesNothing()
    {
        QString path;
        const auto settings = loaded("user.xml", path);
        QVERIFY(settings);

        QVERIFY(!settings->setAttrValueStr("translator/language", "dialect", "x"));
        QVERIFY(!settings->setAttrValueStr("nogroup/language", "name", "x"));
        QVERIFY(!settings->setAttrValueStr("translator", "name", "x"));
        QCOMPARE(prompt.texts(),
                 (QStringList{missingText("translator/language", "dialect", path),
                              missingText("nogroup/language", "name", path),
                              badKeyText("translator")}));

        const QString written = scratchPath(*scratch, "written.xml");
        QVERIFY(settings->writeApplSettings(written));
        QVERIFY(!readBytes(written).contains("dialect"));
        QVERIFY(!readBytes(written).contains("nogroup"));
    }

    // A change is asked for by the user's save: its failure is told each time.
    void failedChangesAreToldEachTime()
    {
        QString path;
        const auto settings = loaded("user.xml", path);
        QVERIFY(settings);
        for (int i = 0; i < 2; ++i) {
            QVERIFY(!settings->setAttrValueStr("translator/language", "dialect", "x"));
            QVERIFY(!settings->setAttrValueStr("translator", "name", "x"));
        }
        const QStringList once{missingText("translator/language", "dialect", path), badKeyText("translator")};
        QCOMPARE(prompt.texts(), once + once);
    }

    void messagesAreCriticalBoxesShownOncePerMessage()
    {
        ApplSettings settings;
        QString value;
        QVERIFY(!settings.getAttrValueStr("page_properties/page", "size", value));
        QVERIFY(!settings.getAttrValueStr("page_properties/page", "size", value));
        QVERIFY(!settings.getAttrValueStrPreloaded("page_properties/page", "size", value));
        QVERIFY(!settings.getAttrValueStr("page_properties/page", "angle", value));

        // Before the first read the settings path is empty.
        QCOMPARE(prompt.texts(), (QStringList{missingText("page_properties/page", "size", ""),
                                              missingText("page_properties/page", "angle", "")}));
        const PromptRequest& box = prompt.requests.first();
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.title, QStringLiteral("Scrivet Dravello"));
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QVERIFY(!box.parent);
    }

    void paperSizeFollowsThePageEntry_data()
    {
        QTest::addColumn<QString>("page");
        QTest::addColumn<QSizeF>("paperSize");
        QTest::addColumn<ApplSettings::PaperSize>("paper");
        QTest::addColumn<ApplSettings::Orientation>("orientation");

        QTest::newRow("Legal landscape") << "size=\"Legal\" orientation=\"Landscape\""
                                         << QSizeF(3560, 2160) << ApplSettings::Legal
                                         << ApplSettings::Landscape;
        QTest::newRow("Junior Legal portrait") << "size=\"Junior Legal\" orientation=\"Portrait\""
                                               << QSizeF(1270, 2030) << ApplSettings::JuniorLegal
                                               << ApplSettings::Portrait;
        QTest::newRow("Letter landscape") << "size=\"Letter\" orientation=\"Landscape\""
                                          << QSizeF(2790, 2160) << ApplSettings::Letter
                                          << ApplSettings::Landscape;
        QTest::newRow("A7 portrait") << "size=\"A7\" orientation=\"Portrait\"" << QSizeF(740, 1050)
                                     << ApplSettings::A7 << ApplSettings::Portrait;
        QTest::newRow("paper name in lower case") << "size=\"legal\" orientation=\"Landscape\""
                                                  << QSizeF(2100, 2970) << ApplSettings::A4
                                                  << ApplSettings::Landscape;
        QTest::newRow("orientation in lower case") << "size=\"A5\" orientation=\"landscape\""
                                                   << QSizeF(2100, 2970) << ApplSettings::A5
                                                   << ApplSettings::Portrait;
        QTest::newRow("no size attribute") << "orientation=\"Landscape\"" << QSizeF(2100, 2970)
                                           << ApplSettings::A4 << ApplSettings::Landscape;
    }

    void paperSizeFollowsThePageEntry()
    {
        QFETCH(QString, page);
        QFETCH(QSizeF, paperSize);
        QFETCH(ApplSettings::PaperSize, paper);
        QFETCH(ApplSettings::Orientation, orientation);

        const QString path = scratchPath(*scratch, "page.xml");
        QVERIFY(writeBytes(path, pageSettings(page)));
        ApplSettings settings;
        QCOMPARE(settings.getPaperSize(), QSizeF(-1, -1));
        QVERIFY(settings.readApplSettings(path, path));
        QCOMPARE(settings.getPaperSize(), paperSize);
        QCOMPARE(settings.getPaperSizeEnum(), paper);
        QCOMPARE(settings.getOrientation(), orientation);
        QVERIFY(prompt.requests.isEmpty());
    }

    void settersWriteThePageEntryAndRecomputeTheSize()
    {
        const QString path = scratchPath(*scratch, "page.xml");
        QVERIFY(writeBytes(path, pageSettings("size=\"A4\" orientation=\"Portrait\"")));
        ApplSettings settings;
        QVERIFY(settings.readApplSettings(path, path));
        QString text;

        settings.setPaperSizeEnum(ApplSettings::Legal);
        QVERIFY(settings.getAttrValueStr("page_properties/page", "size", text));
        QCOMPARE(text, QStringLiteral("Legal"));
        QCOMPARE(settings.getPaperSize(), QSizeF(2160, 3560));

        settings.setOrientation(ApplSettings::Landscape);
        QVERIFY(settings.getAttrValueStr("page_properties/page", "orientation", text));
        QCOMPARE(text, QStringLiteral("Landscape"));
        QCOMPARE(settings.getPaperSize(), QSizeF(3560, 2160));

        settings.setOrientation(ApplSettings::Portrait);
        QCOMPARE(settings.getOrientation(), ApplSettings::Portrait);
        QCOMPARE(settings.getPaperSize(), QSizeF(2160, 3560));

        settings.setOrientation(static_cast<ApplSettings::Orientation>(5));
        QCOMPARE(settings.getOrientation(), ApplSettings::Landscape);

        // An index with no paper (the dialog's empty chooser) writes nothing.
        settings.setPaperSizeEnum(static_cast<ApplSettings::PaperSize>(-1));
        QCOMPARE(settings.getPaperSizeEnum(), ApplSettings::Legal);
        QCOMPARE(settings.getPaperSize(), QSizeF(3560, 2160));
        QVERIFY(prompt.requests.isEmpty());
    }

    void colourTexts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("parsed");
        QTest::addColumn<QColor>("colour");

        const QColor unchanged(1, 2, 3, 4);
        QTest::newRow("red, half transparent") << "255 0 0 128" << true << QColor(255, 0, 0, 128);
        QTest::newRow("opaque") << "10 20 30 255" << true << QColor(10, 20, 30, 255);
        QTest::newRow("extra section ignored") << "10 20 30 40 50" << true << QColor(10, 20, 30, 40);
        QTest::newRow("three numbers") << "255 0 0" << false << unchanged;
        QTest::newRow("two spaces") << "255  0 0 128" << false << unchanged;
        QTest::newRow("empty") << "" << false << unchanged;
        QTest::newRow("not a number") << "255 0 x 128" << false << unchanged;
        QTest::newRow("above 255") << "256 0 0 128" << false << unchanged;
        QTest::newRow("negative") << "0 0 0 -1" << false << unchanged;
        QTest::newRow("hexadecimal") << "0xff 0 0 128" << false << unchanged;
    }

    void colourTexts()
    {
        QFETCH(QString, text);
        QFETCH(bool, parsed);
        QFETCH(QColor, colour);

        ApplSettings settings;
        QColor result(1, 2, 3, 4);
        QCOMPARE(settings.str2Color(text, result), parsed);
        QCOMPARE(result, colour);
        QCOMPARE(result.alpha(), colour.alpha());
    }

    void unopenableUserFileIsReported()
    {
        const QString path = scratchPath(*scratch, "absent.xml");
        ApplSettings settings;
        QVERIFY(!settings.readApplSettings(path, fixturePath("user.xml")));
        QCOMPARE(prompt.texts(), QStringList{QStringLiteral("Cannot open settings file \n") + path});
        QCOMPARE(settings.getPaperSize(), QSizeF(-1, -1));
        QVERIFY(!QFileInfo::exists(path));
    }

    void unparsableUserFileIsKeptAsideAndReplaced()
    {
        const QString path = copyFixture(*scratch, "malformed.xml");
        const QByteArray malformed = readBytes(path);
        QVERIFY(writeBytes(path + ".bad", "an older unreadable file"));

        ApplSettings settings;
        QVERIFY(settings.readApplSettings(path, fixturePath("user.xml")));
        QCOMPARE(readBytes(path + ".bad"), malformed);
        QCOMPARE(readBytes(path), readBytes(fixturePath("user.xml")));
        QCOMPARE(settings.getPaperSize(), QSizeF(3560, 2160));
        QVERIFY(prompt.requests.isEmpty());
    }

    // Without a user folder the factory file is read as the user's.
    void anUnparsableFactoryFileIsNeverReplaced()
    {
        const QString factory = copyFixture(*scratch, "malformed.xml");
        const QByteArray malformed = readBytes(factory);
        for (int start = 0; start < 2; ++start) {
            ApplSettings settings;
            QVERIFY(!settings.readApplSettings(factory, factory));
            QCOMPARE(prompt.texts(), QStringList{QStringLiteral("Parsing error for settings file \n") + factory});
            QCOMPARE(readBytes(factory), malformed);
            QVERIFY(!QFileInfo::exists(factory + ".bad"));
            prompt.clear();
        }
    }

    void factoryCopyIsWritable()
    {
        const QString factory = copyFixture(*scratch, "user.xml");
        QVERIFY(QFile::setPermissions(factory, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
        const QString path = copyFixture(*scratch, "malformed.xml");

        ApplSettings settings;
        QVERIFY(settings.readApplSettings(path, factory));
        QVERIFY(QFile::permissions(path) & QFileDevice::WriteOwner);
    }

    void failedRecoveryKeepsTheLoadedSettings_data()
    {
        QTest::addColumn<QString>("factory");
        QTest::newRow("factory unparsable too") << fixturePath("malformed.xml");
        QTest::newRow("factory missing") << fixturePath("absent.xml");
    }

    void failedRecoveryKeepsTheLoadedSettings()
    {
        QFETCH(QString, factory);
        QString goodPath;
        const auto settings = loaded("user.xml", goodPath);
        QVERIFY(settings);

        const QString path = copyFixture(*scratch, "malformed.xml");
        QVERIFY(!settings->readApplSettings(path, factory));
        QCOMPARE(prompt.texts(),
                 QStringList{QStringLiteral("Parsing error for settings file \n") + path});
        // The user's file is never lost.
        QCOMPARE(readBytes(path + ".bad"), readBytes(fixturePath("malformed.xml")));

        // The settings read before stay in force, and so does their path.
        QCOMPARE(settings->getPaperSize(), QSizeF(3560, 2160));
        QString value;
        QVERIFY(settings->getAttrValueStr("translator/language", "name", value));
        QCOMPARE(value, QStringLiteral("French"));
        QVERIFY(!settings->getAttrValueStr("nothing/here", "name", value));
        QCOMPARE(prompt.texts().last(), missingText("nothing/here", "name", goodPath));
    }

    void loadingReportsAMissingDefaultPen()
    {
        const QString path = scratchPath(*scratch, "nopen.xml");
        QVERIFY(writeBytes(path, "<settings><page_properties><page size=\"A5\" "
                                 "orientation=\"Portrait\"/></page_properties></settings>"));
        ApplSettings settings;
        QVERIFY(settings.readApplSettings(path, path));
        const QString pen = QStringLiteral("visuality_properties/default_pen");
        QCOMPARE(prompt.texts(), (QStringList{missingText(pen, "rgba_color", path),
                                              missingText(pen, "width", path),
                                              missingText(pen, "ball_point_size", path)}));
        QCOMPARE(settings.getPaperSize(), QSizeF(1480, 2100));
    }

    void writtenSettingsReadBack()
    {
        QString path;
        const auto settings = loaded("user.xml", path);
        QVERIFY(settings);
        QVERIFY(settings->setAttrValueStr("visuality_properties/default_pen", "rgba_color", "1 2 3 255"));
        QVERIFY(settings->setAttrValueStr("startup_directory/directory", "path", "/home/ü/sketches"));
        settings->setOrientation(ApplSettings::Portrait);
        QVERIFY(settings->writeApplSettings(path));

        const QByteArray written = readBytes(path);
        QVERIFY(written.contains("\n <page_properties>\n  <page "));

        ApplSettings reread;
        QVERIFY(reread.readApplSettings(path, path));
        QString value;
        QVERIFY(reread.getAttrValueStr("visuality_properties/default_pen", "rgba_color", value));
        QCOMPARE(value, QStringLiteral("1 2 3 255"));
        QVERIFY(reread.getAttrValueStr("startup_directory/directory", "path", value));
        QCOMPARE(value, QStringLiteral("/home/ü/sketches"));
        QCOMPARE(reread.getPaperSize(), QSizeF(2160, 3560));
        QVERIFY(prompt.requests.isEmpty());
    }

    void failedWritesReportFalseAndTouchNothing()
    {
        QString path;
        const auto settings = loaded("user.xml", path);
        QVERIFY(settings);

        QVERIFY(!settings->writeApplSettings(scratchPath(*scratch, "missing-folder/settings.xml")));
        QVERIFY(!settings->writeApplSettings(QString::fromStdString(scratch->path().string())));

        // Nothing read yet: an empty document never replaces the user's file.
        const QByteArray before = readBytes(path);
        ApplSettings empty;
        QVERIFY(!empty.writeApplSettings(path));
        QCOMPARE(readBytes(path), before);
        QVERIFY(prompt.requests.isEmpty());
    }

    // A full disk (a file size limit here) fails the save; the file keeps
    // every byte it had, and nothing is left beside it.
    void fullDiskFailsTheSaveAndKeepsTheFile()
    {
        QString path;
        const auto settings = loaded("user.xml", path);
        QVERIFY(settings);
        QVERIFY(settings->setAttrValueStr("startup_directory/directory", "path", "/home/ann/sketches"));
        const QByteArray before = readBytes(path);

        bool saved;
        {
            const testsupport::FileSizeLimit fullDisk(before.size() / 2);
            saved = settings->writeApplSettings(path);
        }
        QVERIFY(!saved);
        QCOMPARE(readBytes(path).size(), before.size());
        QCOMPARE(readBytes(path), before);
        QCOMPARE(namesIn(QFileInfo(path).path()), QStringList{"user.xml"});
    }

    // Saves killed while they write leave the file as it was; the next save
    // leaves nothing beside it, also where temporary files need names.
    void killedSavesLeaveNothingBehind_data()
    {
        QTest::addColumn<bool>("unnamedFiles");
        QTest::newRow("folder with unnamed files") << true;
        QTest::newRow("folder without unnamed files") << false;
    }

    void killedSavesLeaveNothingBehind()
    {
        QFETCH(bool, unnamedFiles);
        testsupport::FolderWithoutUnnamedFiles plain(scratch->path());
        if (!unnamedFiles && !plain.usable())
            QSKIP("no folder without unnamed files here");
        const QString folder = QString::fromStdString(unnamedFiles ? scratch->file("local") : plain.path().string());
        QVERIFY(QDir().mkpath(folder));
        const QString path = folder + "/user.xml";
        QVERIFY(writeBytes(path, readBytes(fixturePath("user.xml"))));
        ApplSettings settings;
        QVERIFY(settings.readApplSettings(path, fixturePath("user.xml")));
        const QByteArray before = readBytes(path);

        QVERIFY(settings.setAttrValueStr("startup_directory/directory", "path", "/home/ann/sketches"));
        for (int kill = 0; kill < 3; ++kill)
            QVERIFY2(testsupport::killedMidWrite([&] { settings.writeApplSettings(path); }, before.size() / 2),
                     "the save was not cut short");
        QCOMPARE(readBytes(path), before);
        QVERIFY(settings.writeApplSettings(path));
        QCOMPARE(namesIn(folder), QStringList{"user.xml"});
        QVERIFY(readBytes(path).contains("/home/ann/sketches"));
    }

    // A settings file that is no regular file (a FIFO, or a link to one) is
    // refused at once, as one that cannot be opened; it is neither read,
    // waited for, nor put aside. A save onto it is refused too.
    void settingsFileThatIsNoRegularFileIsRefusedAtOnce_data()
    {
        QTest::addColumn<bool>("throughALink");
        QTest::newRow("FIFO") << false;
        QTest::newRow("link to a FIFO") << true;
    }

    void settingsFileThatIsNoRegularFileIsRefusedAtOnce()
    {
        QFETCH(bool, throughALink);
        const std::string fifo = scratch->file("fifo.xml");
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        const QString path = throughALink ? scratchPath(*scratch, "link.xml") : QString::fromStdString(fifo);
        if (throughALink)
            std::filesystem::create_symlink(fifo, path.toStdString());
        QString goodPath;
        const auto saved = loaded("user.xml", goodPath);
        QVERIFY(saved);

        const testsupport::FifoWatchdog watchdog(fifo);
        ApplSettings settings;
        QVERIFY(!settings.readApplSettings(path, fixturePath("user.xml")));
        QVERIFY(!saved->writeApplSettings(path));
        QVERIFY2(!watchdog.fired(), "the settings waited for the FIFO");
        QCOMPARE(prompt.texts(), QStringList{QStringLiteral("Cannot open settings file \n") + path});
        QCOMPARE(settings.getPaperSize(), QSizeF(-1, -1));
        QVERIFY(std::filesystem::is_fifo(fifo));
        QVERIFY(!QFileInfo::exists(path + ".bad"));
    }
};

QTEST_MAIN(ApplSettingsTest)
#include "tst_applsettings.moc"
