// The window's output, help and settings commands.

#include "AboutDlg.h"
#include "EnvironmentOverride.h"
#include "FakeProgram.h"
#include "ScratchDir.h"
#include "SettingsDlg.h"
#include "SketchMail.h"
#include "WindowTestSupport.h"
#include "ui_MainWindow.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QPrinterInfo>
#include <QTest>
#include <QUrl>

using dialogtest::whenModal;
using windowtest::WindowRig;

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

    void commandsChooseTheirRecordByPage_data();
    void commandsChooseTheirRecordByPage();
    void withoutAReadableThumbnailNothingHappens();
    void otherFormatAsksUnderTheWaitCursor();
    void failedMailIsShownAndItsPdfRemoved();
    void changedLookReloadsTheThumbnails();
    void theUserGuideFallsBackToEnglish();
    void productInformationLiesInTheDataFolder();
    void aboutBoxWithoutReceiverOrCredits();
    void eachSettingsDialogIsGoneAfterItCloses();

private:
    void trigger(const char* action) { rig->action(action)->trigger(); }
    ScriptedPrompt& prompt() { return rig->environment.prompt; }

    testsupport::ScratchDir temporary;
    testsupport::EnvironmentOverride temporaryOverride{"TMPDIR", temporary.path().c_str()};
    std::unique_ptr<WindowRig> rig;
    OpenedUrls opened;
};

void TestMainWindowOutput::init()
{
    rig = std::make_unique<WindowRig>();
    QVERIFY(rig->start());
    opened.urls.clear();
}

void TestMainWindowOutput::cleanup()
{
    rig.reset();
    QVERIFY(!QApplication::activeModalWidget());
}

void TestMainWindowOutput::commandsChooseTheirRecordByPage_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<bool>("onEditorPage");
    QTest::addColumn<bool>("centredCopy"); // the editor is given a centred copy of the sketch
    QTest::addColumn<QString>("report");   // empty: any report of the export itself

    const QString mailFailed = "Unable to hand the document to Mail (error -50).";
    // No application is installed: each hand-off tells so once it has a sketch.
    QTest::newRow("print, browser") << "On_FilePrint_Cliked" << false << true << QString();
    QTest::newRow("mail, browser") << "On_FileEmail_Cliked" << false << true << mailFailed;
    QTest::newRow("Illustrator, browser") << "exportAiSlot" << false << false << "Adobe Illustrator is not installed.";
    QTest::newRow("SketchBook Pro, browser") << "exportSPBSlot" << false << true << "Autodesk SketchBook Pro is not installed.";
    QTest::newRow("Designer, browser") << "exportASSlot" << false << true << "Autodesk SketchBook Designer is not installed.";
    QTest::newRow("print, editor") << "On_FilePrint_Cliked" << true << false << QString();
    QTest::newRow("mail, editor") << "On_FileEmail_Cliked" << true << false << mailFailed;
    QTest::newRow("Illustrator, editor") << "exportAiSlot" << true << false << "Adobe Illustrator is not installed.";
    QTest::newRow("SketchBook Pro, editor") << "exportSPBSlot" << true << false << "Autodesk SketchBook Pro is not installed.";
}

void TestMainWindowOutput::commandsChooseTheirRecordByPage()
{
    QFETCH(QString, slot);
    QFETCH(bool, onEditorPage);
    QFETCH(bool, centredCopy);
    QFETCH(QString, report);

    if (slot == "On_FilePrint_Cliked" && !QPrinterInfo::defaultPrinter().isNull())
        QSKIP("this machine has a printer");
    const QString sketch = rig->sketch("b.hlv");
    if (onEditorPage)
        QVERIFY(rig->open("b.hlv"));
    else
        rig->thumbnails()->setCurrentRow(rig->rowOf(sketch));
    const MetadataPtr before = rig->editor()->getCurrentMetaDataPtr();
    prompt().clear();

    QVERIFY(QMetaObject::invokeMethod(rig->window.get(), slot.toLatin1().constData()));

    QCOMPARE(rig->window->currentPage(), onEditorPage ? 1 : 0);
    const MetadataPtr after = rig->editor()->getCurrentMetaDataPtr();
    if (centredCopy) {
        QVERIFY(after.GetData() && after.GetData() != before.GetData());
        QCOMPARE(after->m_filePath, sketch);
        QVERIFY(after->m_centred);
    } else {
        QCOMPARE(after.GetData(), before.GetData());
    }
    QCOMPARE(prompt().requests.size(), 1);
    if (!report.isEmpty())
        QCOMPARE(prompt().texts().value(0), report);
}

void TestMainWindowOutput::withoutAReadableThumbnailNothingHappens()
{
    // No current thumbnail, then one whose file no longer reads.
    rig->thumbnails()->setCurrentRow(-1);
    const char* const commands[] = {"On_FilePrint_Cliked", "On_FileEmail_Cliked", "exportAiSlot",
                                 "exportSPBSlot", "exportASSlot", "exportPsSlot",
                                 "SaveDiffrentrFormatHandler"};
    for (const char* slot : commands)
        QVERIFY(QMetaObject::invokeMethod(rig->window.get(), slot));
    rig->thumbnails()->setCurrentRow(rig->rowOf(rig->sketch("a.hlv")));
    QFile::resize(rig->sketch("a.hlv"), 0);
    for (const char* slot : commands)
        QVERIFY(QMetaObject::invokeMethod(rig->window.get(), slot));
    QCOMPARE(prompt().texts(), QStringList());
    QVERIFY(!rig->editor()->getCurrentMetaDataPtr().GetData());

    // A record that was never read leaves the editor as it was.
    QVERIFY(rig->open("b.hlv"));
    const MetadataPtr shown = rig->editor()->getCurrentMetaDataPtr();
    QVERIFY(!rig->window->PrepareMetadaForExport(DocumentMetaData(rig->sketch("b.hlv"))).GetData());
    QCOMPARE(rig->editor()->getCurrentMetaDataPtr().GetData(), shown.GetData());
}

void TestMainWindowOutput::otherFormatAsksUnderTheWaitCursor()
{
    for (const bool onEditorPage : {false, true}) {
        if (onEditorPage)
            QVERIFY(rig->open("b.hlv"));
        else
            rig->thumbnails()->setCurrentRow(0);
        bool asked = false;
        testsupport::whenModal<QFileDialog>([&](QFileDialog* dialog) {
            asked = true;
            QVERIFY(QApplication::overrideCursor());
            QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
            dialog->reject();
        });
        trigger("actionExport_as_DifferentFormat");
        QVERIFY(asked);
        QVERIFY(!QApplication::overrideCursor());
    }
}

void TestMainWindowOutput::failedMailIsShownAndItsPdfRemoved()
{
    // The rig's xdg-email cannot be started: the command reports that at once.
    rig->thumbnails()->setCurrentRow(rig->rowOf(rig->sketch("c.wpi")));
    const QString pdf = mailAttachmentPath(DocumentMetaData(rig->sketch("c.wpi")));
    trigger("actionEmail");
    QCOMPARE(prompt().texts(), QStringList{"Unable to hand the document to Mail (error -50)."});
    QCOMPARE(rig->mailRunner.calls().size(), 1u);
    QCOMPARE(QString::fromStdString(rig->mailRunner.calls().front().command.arguments.back()), pdf);
    QVERIFY(!QFile::exists(pdf));

    // One that starts but finds no mail program ends with 3, while the
    // window goes on: the report comes when it ends.
    prompt().clear();
    const testsupport::FakeProgram noMailProgram(temporary.path() / "bin", "xdg-email", 3, true);
    const testsupport::EnvironmentOverride path(
        "PATH", ((temporary.path() / "bin").string() + ":" + std::getenv("PATH")).c_str());
    XdgMailer mailer;
    rig->window->setMailClient(mailer);
    trigger("actionEmail");
    QVERIFY(prompt().texts().isEmpty());
    QVERIFY(QTest::qWaitFor([&] { return noMailProgram.ran(); }));
    QCOMPARE(QString::fromStdString(noMailProgram.arguments().back()), pdf);
    QVERIFY(QFile::exists(pdf));
    noMailProgram.release();
    QTRY_COMPARE(prompt().texts(), QStringList{"Unable to hand the document to Mail (error 3)."});
    QCOMPARE(prompt().requests.first().parent, rig->window.get());
    QVERIFY(!QFile::exists(pdf));
}

void TestMainWindowOutput::changedLookReloadsTheThumbnails()
{
    // A mark on the shown thumbnails goes only when they are made again.
    constexpr int kMark = Qt::UserRole + 77;
    for (const bool lookChanged : {false, true}) {
        for (int row = 0; row < rig->thumbnails()->count(); ++row)
            rig->thumbnails()->item(row)->setData(kMark, true);
        whenModal<SettingsDlg>([&](SettingsDlg* dialog) {
            dialog->m_lookChanged = lookChanged;
            dialog->reject();
        });
        trigger("actionPreferences");
        if (lookChanged)
            QTRY_VERIFY(rig->thumbnails()->count() == 3
                        && !rig->thumbnails()->item(0)->data(kMark).toBool());
        else
            QVERIFY(rig->thumbnails()->item(0)->data(kMark).toBool());
    }
}

void TestMainWindowOutput::theUserGuideFallsBackToEnglish()
{
    // The guides are installed in the program's data folder.
    const QString guides = QString::fromStdString((rig->environment.system.supportFolder() / "userguides").string());
    trigger("actionUser_Guide");
    QCOMPARE(opened.urls, QList<QUrl>());

    QVERIFY(QDir().mkpath(guides));
    QFile(guides + "/Scrivet_Manual_EN.pdf").open(QIODevice::WriteOnly);
    trigger("actionUser_Guide");
    QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(guides + "/Scrivet_Manual_EN.pdf")});
}

void TestMainWindowOutput::productInformationLiesInTheDataFolder()
{
    trigger("actionImportant_Product_Information_Folder");
    const std::filesystem::path folder = rig->environment.system.supportFolder() / "Important Product Information";
    QCOMPARE(opened.urls, QList<QUrl>{QUrl::fromLocalFile(QString::fromStdString(folder.string()))});
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
        QCOMPARE(path, rig->environment.settingsPath);
        QCOMPARE(rig->window->findChildren<SettingsDlg*>().size(), 0);
    }
}

QTEST_MAIN(TestMainWindowOutput)
#include "tst_mainwindowoutput.moc"
