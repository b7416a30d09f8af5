// The window's help and settings commands.

#include "AboutDlg.h"
#include "DialogTestSupport.h"
#include "MainWindow.h"
#include "SettingsDlg.h"
#include "ui_MainWindow.h"

#include <QDesktopServices>
#include <QTest>
#include <QUrl>

using dialogtest::whenModal;

namespace {

// The addresses the window asked the desktop to open.
class OpenedUrls : public QObject {
    Q_OBJECT

public:
    OpenedUrls()
    {
        QDesktopServices::setUrlHandler("file", this, "open");
        QDesktopServices::setUrlHandler("https", this, "open");
    }
    ~OpenedUrls() override
    {
        QDesktopServices::unsetUrlHandler("file");
        QDesktopServices::unsetUrlHandler("https");
    }

    QList<QUrl> urls;

public slots:
    void open(const QUrl& url) { urls << url; }
};

} // namespace

class TestMainWindowOutput : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void theUserGuideFallsBackToEnglish();
    void aboutBoxWithoutReceiverOrCredits();
    void eachSettingsDialogIsGoneAfterItCloses();

private:
    void trigger(const char* action) { window->findChild<QAction*>(action)->trigger(); }

    std::unique_ptr<dialogtest::SettingsEnvironment> environment;
    std::unique_ptr<MainWindow> window;
    OpenedUrls opened;
};

void TestMainWindowOutput::init()
{
    environment = std::make_unique<dialogtest::SettingsEnvironment>();
    QVERIFY(environment->load());
    window = std::make_unique<MainWindow>();
    QVERIFY(window->init(QString::fromStdString(environment->system.documents().string()),
                         environment->settingsPath));
    opened.urls.clear();
}

void TestMainWindowOutput::cleanup()
{
    window.reset();
    environment.reset();
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindowOutput::theUserGuideFallsBackToEnglish()
{
    // The guides lie beside the program, here the test itself.
    const QString guides = QCoreApplication::applicationDirPath() + "/userguides";
    QDir(guides).removeRecursively();
    trigger("actionUser_Guide");
    QCOMPARE(opened.urls, QList<QUrl>());

    QVERIFY(QDir().mkpath(guides));
    QFile(guides + "/Scrivet_Manual_EN.pdf").open(QIODevice::WriteOnly);
    trigger("actionUser_Guide");
    QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(guides + "/Scrivet_Manual_EN.pdf")});
    QDir(guides).removeRecursively();
}

void TestMainWindowOutput::aboutBoxWithoutReceiverOrCredits()
{
    bool checked = false;
    whenModal<AboutDlg>([&](AboutDlg* about) {
        checked = true;
        QVERIFY(about->ui.pushButton->isHidden());
        QVERIFY(!about->ui.textEditVersion->toPlainText().contains("Firmware version: "));
        about->accept();
    });
    trigger("actionAbout");
    QVERIFY(checked);
}

void TestMainWindowOutput::eachSettingsDialogIsGoneAfterItCloses()
{
    for (int opening = 0; opening < 2; ++opening) {
        QString path;
        whenModal<SettingsDlg>([&](SettingsDlg* dialog) {
            path = dialog->m_settingsFilePath;
            dialog->reject();
        });
        trigger("actionPreferences");
        QCOMPARE(path, environment->settingsPath);
        QCOMPARE(window->findChildren<SettingsDlg*>().size(), 0);
    }
}

QTEST_MAIN(TestMainWindowOutput)
#include "tst_mainwindowoutput.moc"
