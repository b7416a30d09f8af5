#include "ApplSettings.h"
#include "EnvironmentOverride.h"
#include "ScratchDir.h"
#include "Translations.h"
#include "UserPrompt.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLibraryInfo>
#include <QProcess>
#include <QTest>
#include <QTranslator>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

const char* const kReportPreference = "DRAVELLO_TEST_REPORT_CHINESE_PREFERENCE";

// Built beside this test from tests/data/shell: the fake program file holds
// Probe/"Hello", the fake toolkit file Toolkit/"Cancel", both in French.
QString fixture(const char* name) { return QCoreApplication::applicationDirPath() + QLatin1Char('/') + name; }

bool programTextsTranslated() { return QCoreApplication::translate("Probe", "Hello") == QLatin1String("Bonjour"); }
bool toolkitTextsTranslated() { return QCoreApplication::translate("Toolkit", "Cancel") == QLatin1String("Annuler"); }

class RecordingPrompt : public UserPrompt {
public:
    QMessageBox::StandardButton ask(const PromptRequest& request) override
    {
        requests.push_back(request);
        return QMessageBox::Ok;
    }
    std::vector<PromptRequest> requests;
};

} // namespace

class TranslationsTest : public QObject {
    Q_OBJECT

private:
    RecordingPrompt prompt;
    std::unique_ptr<QTranslator> program;

private slots:
    void init()
    {
        installUserPrompt(&prompt);
        prompt.requests.clear();
        translatorQT = new QTranslator(qApp);
    }

    void cleanup()
    {
        installUserPrompt(nullptr);
        QCoreApplication::removeTranslator(program.get());
        program.reset();
        QCoreApplication::removeTranslator(translatorQT);
        delete translatorQT;
        translatorQT = nullptr;
    }

    void choice_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("status");
        QTest::addColumn<QLocale::Language>("system");
        QTest::addColumn<int>("chinese");
        QTest::addColumn<QString>("programFile");
        QTest::addColumn<QString>("toolkitFile");

        QTest::newRow("name in any case") << "french" << 1 << QLocale::German << 1 << "dravello_fr" << "qt_fr";
        QTest::newRow("status 0 follows the system") << "French" << 0 << QLocale::German << 1 << "dravello_de"
                                                     << "qt_de";
        QTest::newRow("status 2 follows the system") << "French" << 2 << QLocale::Japanese << 1 << "dravello_ja"
                                                     << "qt_ja";
        QTest::newRow("English by name") << "English" << 1 << QLocale::French << 1 << "dravello_en" << "";
        QTest::newRow("empty name") << "" << 1 << QLocale::French << 1 << "dravello_en" << "";
        QTest::newRow("whole name only") << "French " << 1 << QLocale::French << 1 << "dravello_en" << "";
        QTest::newRow("Brazilian") << "portuguese(brazil)" << 1 << QLocale::English << 1 << "dravello_pt"
                                   << "qt_pt_BR";
        QTest::newRow("Traditional by name") << "Chinese Traditional" << 1 << QLocale::English << 2
                                             << "dravello_1zh" << "qt_zh_TW";
        QTest::newRow("Simplified by name") << "chinese simplified" << 1 << QLocale::English << 1 << "dravello_zh"
                                            << "qt_zh_CN";
        QTest::newRow("Chinese system, Simplified first") << "" << 0 << QLocale::Chinese << 2 << "dravello_zh"
                                                          << "qt_zh_CN";
        QTest::newRow("Chinese system, otherwise") << "" << 0 << QLocale::Chinese << 1 << "dravello_1zh"
                                                   << "qt_zh_TW";
        QTest::newRow("Polish system") << "" << 0 << QLocale::Polish << 1 << "dravello_pl" << "qt_pl";
        QTest::newRow("Korean system") << "" << 0 << QLocale::Korean << 1 << "dravello_ko" << "qt_ko";
        QTest::newRow("other system") << "" << 0 << QLocale::Swedish << 1 << "dravello_en" << "";
    }

    void choice()
    {
        QFETCH(QString, name);
        QFETCH(int, status);
        QFETCH(QLocale::Language, system);
        QFETCH(int, chinese);
        QFETCH(QString, programFile);
        QFETCH(QString, toolkitFile);

        const TranslationFiles files = chooseTranslationFiles(name, status, system, chinese);

        QCOMPARE(files.program, programFile);
        QCOMPARE(files.toolkit, toolkitFile);
    }

    // The preference of the program started with these locale variables
    // (the system locale is read once per process).
    void chinesePreferenceFollowsTheLocaleVariables_data()
    {
        QTest::addColumn<QStringList>("variables");
        QTest::addColumn<int>("preference");

        QTest::newRow("LC_ALL over LANG") << QStringList{"LC_ALL=zh_CN.UTF-8", "LANG=zh_TW.UTF-8"} << 2;
        QTest::newRow("LC_MESSAGES over LANG") << QStringList{"LC_MESSAGES=zh_CN.UTF-8", "LANG=zh_TW.UTF-8"} << 2;
        QTest::newRow("LC_ALL Traditional") << QStringList{"LC_ALL=zh_TW.UTF-8", "LANG=zh_CN.UTF-8"} << 1;
        QTest::newRow("LANG Simplified") << QStringList{"LANG=zh_SG.UTF-8"} << 2;
        QTest::newRow("LANG Hong Kong") << QStringList{"LANG=zh_HK.UTF-8"} << 1;
        QTest::newRow("LANGUAGE Simplified first") << QStringList{"LANGUAGE=zh_CN:en", "LANG=en_US.UTF-8"} << 2;
        QTest::newRow("LANGUAGE Traditional first") << QStringList{"LANGUAGE=zh_TW:zh_CN", "LC_ALL=zh_CN.UTF-8"}
                                                    << 1;
        QTest::newRow("English first") << QStringList{"LANGUAGE=en:zh_CN", "LANG=zh_CN.UTF-8"} << 1;
        QTest::newRow("C locale") << QStringList{"LANG=C.UTF-8"} << 1;
        QTest::newRow("nothing set") << QStringList() << 1;
    }

    void chinesePreferenceFollowsTheLocaleVariables()
    {
        QFETCH(QStringList, variables);
        QFETCH(int, preference);
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES", "LANG"})
            environment.remove(QString::fromLatin1(name));
        for (const QString& variable : variables)
            environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
        environment.insert(QString::fromLatin1(kReportPreference), QStringLiteral("1"));
        QProcess child;
        child.setProcessEnvironment(environment);
        child.start(QCoreApplication::applicationFilePath(), QStringList());
        QVERIFY(child.waitForFinished(10000));
        QCOMPARE(child.exitCode(), 0);
        QCOMPARE(child.readAllStandardOutput().trimmed(), QByteArray::number(preference));
    }

    void loading_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("settingsName");
        QTest::addColumn<bool>("programTranslated");
        QTest::addColumn<bool>("toolkitTranslated");
        QTest::addColumn<QString>("missingToolkitFile");

        QTest::newRow("both files") << QStringList{"dravello_fr.qm", "qt_fr.qm"} << "French" << true << true
                                    << QString();
        QTest::newRow("toolkit file missing") << QStringList{"dravello_fr.qm"} << "French" << true << false
                                              << "qt_fr";
        QTest::newRow("program file missing") << QStringList{"qt_fr.qm"} << "French" << false << true << QString();
        QTest::newRow("shorter program name") << QStringList{"dravello.qm", "qt_fr.qm"} << "French" << true << true
                                              << QString();
        QTest::newRow("English needs no toolkit file") << QStringList() << "English" << false << false << QString();
    }

    void loading()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, settingsName);
        QFETCH(bool, programTranslated);
        QFETCH(bool, toolkitTranslated);
        QFETCH(QString, missingToolkitFile);
        testsupport::ScratchDir folder;
        const QString path = QString::fromStdString(folder.path().string());
        for (const QString& file : present) {
            const char* source = file.startsWith(QLatin1String("qt_")) ? "qt_fr.qm" : "dravello_fr.qm";
            QVERIFY(QFile::copy(fixture(source), path + QLatin1Char('/') + file));
        }

        program.reset(installTranslations(qApp, chooseTranslationFiles(settingsName, 1, QLocale::C, 1), path, path));

        QVERIFY(program);
        QCOMPARE(program->parent(), qApp);
        QCOMPARE(programTextsTranslated(), programTranslated);
        QCOMPARE(toolkitTextsTranslated(), toolkitTranslated);
        if (missingToolkitFile.isEmpty()) {
            QCOMPARE(prompt.requests.size(), std::size_t(0));
        } else {
            QCOMPARE(prompt.requests.size(), std::size_t(1));
            const PromptRequest& box = prompt.requests.front();
            QCOMPARE(box.icon, QMessageBox::Information);
            QCOMPARE(box.title, QString());
            QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(box.text, QStringLiteral("loading QT ts failed") + path + QLatin1Char('/') + missingToolkitFile);
        }
    }

    void languageFromTheSettingsFile_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("status");
        QTest::newRow("by name") << R"(name="french" status="1")" << "french" << 1;
        QTest::newRow("by system") << R"(name="French" status="0")" << "French" << 0;
        QTest::newRow("status no number") << R"(name="French" status="yes")" << "French" << 0;
        QTest::newRow("status missing") << R"(name="Polish")" << "Polish" << 0;
    }

    void languageFromTheSettingsFile()
    {
        QFETCH(QString, language);
        QFETCH(QString, name);
        QFETCH(int, status);
        testsupport::ScratchDir folder;
        const QString path = QString::fromStdString(folder.file("dravellouser.xml"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QStringLiteral("<settings><visuality_properties>"
                                  "<default_pen rgba_color=\"0 0 0 255\" width=\"5\" ball_point_size=\"1\"/>"
                                  "</visuality_properties><page_properties>"
                                  "<page size=\"A4\" orientation=\"Portrait\"/></page_properties>"
                                  "<translator><language %1/></translator></settings>")
                       .arg(language)
                       .toUtf8());
        file.close();
        ApplSettings settings;
        QVERIFY(settings.readApplSettings(path, path));

        const LanguageSetting setting = readLanguageSetting(settings);

        QCOMPARE(setting.name, name);
        QCOMPARE(setting.status, status);
        QCOMPARE(prompt.requests.size(), std::size_t(0));
    }

    // main() sets a German system locale. The program's files come from its
    // data folder, the toolkit's from the Qt installation.
    void prepareFromSettingsOrSystem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("status");
        QTest::addColumn<QString>("programFile");
        QTest::addColumn<QString>("toolkitFile");
        QTest::newRow("by name") << "french" << 1 << "dravello_fr.qm" << "qt_fr.qm";
        QTest::newRow("by system") << "French" << 0 << "dravello_de.qm" << "qt_de.qm";
    }

    void prepareFromSettingsOrSystem()
    {
        QFETCH(QString, name);
        QFETCH(int, status);
        QFETCH(QString, programFile);
        QFETCH(QString, toolkitFile);
        testsupport::ScratchDir root;
        testsupport::EnvironmentOverride systemRoot("DRAVELLO_SYSTEM_ROOT", root.path().c_str());
        const QString catalogues = QString::fromStdString(root.file("usr/share/dravello/translations"));
        QVERIFY(QDir().mkpath(catalogues));
        for (const char* file : {"dravello_fr.qm", "dravello_de.qm"})
            QVERIFY(QFile::copy(fixture(file), catalogues + QLatin1Char('/') + file));
        QCOMPARE(programCataloguesFolder(), catalogues);

        program.reset(PrepareTransaltoin(qApp, name, status));

        QCOMPARE(program->filePath(), catalogues + QLatin1Char('/') + programFile);
        QVERIFY(programTextsTranslated());
        QCOMPARE(translatorQT->filePath(),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath) + QLatin1Char('/') + toolkitFile);
        QVERIFY(!translatorQT->isEmpty());
        QCOMPARE(prompt.requests.size(), std::size_t(0));
    }

    // The toolkit's catalogue of every language the settings can name is one
    // that the Qt installation has.
    void everyToolkitCatalogueIsQtsOwn()
    {
        for (const char* name : {"French", "Spanish", "Portuguese(Brazil)", "German", "Dutch", "Italian", "Russian",
                                 "Chinese Traditional", "Chinese Simplified", "Japanese", "Korean", "Polish"}) {
            const QString toolkit = chooseTranslationFiles(QLatin1String(name), 1, QLocale::C, 1).toolkit;
            QVERIFY2(QTranslator().load(toolkit, toolkitCataloguesFolder()), qPrintable(name + (": " + toolkit)));
        }
    }
};

int main(int argc, char** argv)
{
    // Started by chinesePreferenceFollowsTheLocaleVariables: answers for the
    // locale it was given.
    if (qEnvironmentVariableIsSet(kReportPreference)) {
        std::printf("%d\n", CheckChinesePreference());
        return 0;
    }
    testsupport::EnvironmentOverride systemLocale("LC_ALL", "de_DE.UTF-8");
    QApplication application(argc, argv);
    TranslationsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_translations.moc"
