#include "AboutDlg.h"
#include "CreditsDialog.h"
#include "DialogTestSupport.h"

#include <QDir>
#include <QtTest>

using dialogtest::ReceiverRig;
using dialogtest::whenModal;

namespace {

const QString kSoftwareVersion = "Software version: 1.01.500";

} // namespace

class AboutDlgTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Q_INIT_RESOURCE(dialogs);
        Q_INIT_RESOURCE(widgets);
    }

    void cleanup() { QVERIFY(!QApplication::activeModalWidget()); }

    void showsTheSoftwareVersionInAFixedTopLevelBox()
    {
        QWidget owner;
        AboutDlg about(&owner);
        QVERIFY(about.isWindow());
        QCOMPARE(about.parentWidget(), nullptr);
        QCOMPARE(about.windowTitle(), QString("About Scrivet Dravello"));
        QCOMPARE(about.minimumSize(), QSize(523, 500));
        QCOMPARE(about.maximumSize(), QSize(523, 500));
        QCOMPARE(about.ui.textEditVersion->toPlainText(), kSoftwareVersion + "\n");
        QCOMPARE(about.ui.pushButton->text(), QString("Credit ..."));
        QVERIFY(!(about.ui.textEditVersion->textInteractionFlags() & Qt::TextSelectableByMouse));
        QVERIFY(about.ui.textBrowserCopyright->openExternalLinks());
        QVERIFY(!about.ui.textBrowserEula->openLinks());

        about.show();
        about.ui.ok_btn->click();
        QCOMPARE(about.result(), int(QDialog::Accepted));
        QVERIFY(!about.isVisible());
    }

    void addsTheFirmwareVersionOfAnAnsweringReceiver()
    {
        testsupport::FakeSystemRoot system;
        ReceiverRig rig;
        // Version 165.432.10A as the receiver reports it.
        rig.receiver->setValue(ReceiverRig::FirmwareCommand, {0x0A, 0x21, 0x43, 0x65, 0x01});
        QVERIFY(rig.plug());

        AboutDlg about;
        QVERIFY(about.showFirmwareVersion(&rig.observer));
        QCOMPARE(about.ui.textEditVersion->toPlainText(),
                 kSoftwareVersion + "\nFirmware version: 165.432.10A");
    }

    void keepsTheSoftwareVersionAloneWithoutAnAnswer()
    {
        testsupport::FakeSystemRoot system;
        ReceiverRig rig;
        AboutDlg about;
        QVERIFY(!about.showFirmwareVersion(nullptr));
        QVERIFY(!about.showFirmwareVersion(&rig.observer)); // nothing plugged
        QVERIFY(rig.plug());
        rig.receiver->setSilent(true);
        QVERIFY(!about.showFirmwareVersion(&rig.observer));
        QCOMPARE(about.ui.textEditVersion->toPlainText(), kSoftwareVersion + "\n");
    }

    void everyLicenceFileLoads_data()
    {
        QTest::addColumn<QString>("file");
        for (const char* name :
             {"lic_chinese_trad.htm", "lic_chinese_simpli.htm", "lic_dutch.htm", "lic_french.htm",
              "lic_german.htm", "lic_italian.htm", "lic_japanese.htm", "lic_korean.htm",
              "lic_polish.htm", "lic_portuguese.htm", "lic_russian.htm", "lic_spanish.htm",
              "lic_english.htm"})
            QTest::newRow(name) << QString(name);
    }

    void everyLicenceFileLoads()
    {
        QFETCH(QString, file);
        AboutDlg about;
        about.ui.textBrowserEula->setSource(
            QUrl::fromLocalFile(QDir(dialogtest::kEulaFolder).filePath(file)));
        const QString text = about.ui.textBrowserEula->toPlainText();
        QVERIFY2(text.startsWith("Scrivet Dravello"), qPrintable(text.left(40)));
        // Read as UTF-8: no replacement characters.
        QVERIFY(!text.contains(QChar::ReplacementCharacter));
    }

    void creditsOpenOverTheBox()
    {
        AboutDlg about;
        about.show();
        QString title;
        whenModal<Dialog>([&](Dialog* credits) {
            title = credits->windowTitle();
            credits->reject();
        });
        about.ui.pushButton->click();
        QCOMPARE(title, QString("Credits"));
        QVERIFY(about.isVisible());
    }
};

QTEST_MAIN(AboutDlgTest)
#include "tst_AboutDlg.moc"
