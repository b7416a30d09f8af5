#include "HelpFiles.h"
#include "ScratchDir.h"

#include <QDir>
#include <QFile>
#include <QtTest>

class HelpFilesTest : public QObject {
    Q_OBJECT

private slots:
    void filesBySystemLanguage_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("chinesePreference");
        QTest::addColumn<QString>("licence");
        QTest::addColumn<QString>("guide");
        QTest::newRow("Swiss German") << "de_CH" << 1 << "lic_german.htm" << "Scrivet_Manual_DE.pdf";
        QTest::newRow("Catalan") << "ca_ES" << 1 << "lic_english.htm" << "Scrivet_Manual_EN.pdf";
        QTest::newRow("Brazilian") << "pt_BR" << 1 << "lic_portuguese.htm" << "Scrivet_Manual_PT.pdf";
        QTest::newRow("Japanese") << "ja_JP" << 1 << "lic_japanese.htm" << "Scrivet_Manual_JP.pdf";
        QTest::newRow("Korean") << "ko_KR" << 1 << "lic_korean.htm" << "Scrivet_Manual_KR.pdf";
        QTest::newRow("Chinese, traditional") << "zh_TW" << 1 << "lic_chinese_trad.htm" << "Scrivet_Manual_TC.pdf";
        QTest::newRow("Chinese, simplified") << "zh_CN" << 2 << "lic_chinese_simpli.htm"
                                             << "Scrivet_Manual_SC.pdf";
        QTest::newRow("English") << "en_GB" << 2 << "lic_english.htm" << "Scrivet_Manual_EN.pdf";
    }

    void filesBySystemLanguage()
    {
        QFETCH(QString, locale);
        QFETCH(int, chinesePreference);
        const HelpFileNames names = helpFileNames(QLocale(locale).language(), chinesePreference);
        QTEST(names.licence, "licence");
        QTEST(names.userGuide, "guide");
    }

    void aMissingGuideFallsBackToEnglish()
    {
        testsupport::ScratchDir program;
        const QString folder = QString::fromStdString(program.path().string());
        const HelpFileNames german = helpFileNames(QLocale::German, 1);
        const QString english = englishHelpFileNames().userGuide;
        const auto guide = [&] { return helpFilePath(folder, "userguides", german.userGuide, english); };

        QCOMPARE(guide(), QString());
        QDir(folder).mkpath("userguides");
        QFile(folder + "/userguides/" + english).open(QIODevice::WriteOnly);
        QCOMPARE(guide(), folder + "/userguides/Scrivet_Manual_EN.pdf");
        QFile(folder + "/userguides/" + german.userGuide).open(QIODevice::WriteOnly);
        QCOMPARE(guide(), folder + "/userguides/Scrivet_Manual_DE.pdf");
    }

    void everyLicenceNamedIsInstalled()
    {
        const QString source = QFINDTESTDATA("../../Dravello/eula");
        QVERIFY(!source.isEmpty());
        for (const char* locale : {"zh_TW", "nl", "fr", "de", "it", "ja", "ko", "pl", "pt", "ru", "es", "en"})
            for (int preference : {1, 2}) {
                const QString name = helpFileNames(QLocale(locale).language(), preference).licence;
                QVERIFY2(QFile::exists(source + "/" + name), qPrintable(name));
            }
    }
};

QTEST_MAIN(HelpFilesTest)
#include "tst_helpfiles.moc"
