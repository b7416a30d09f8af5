// A sketch mailed as a PDF attachment from a private temporary folder.

#include "ExportTestSupport.h"
#include "IEMailClient.h"
#include "SketchMail.h"

#include <QtTest>

#include <functional>

using namespace exporttest;

namespace {

const QString kLeftoverTitle = QStringLiteral("Title of the leftover box");

// Takes the mail in place of the mail program and answers with `status`.
class RecordingMailer : public IEMailClient {
public:
    explicit RecordingMailer(int status = 0, bool readsLater = false) : status(status), readsLater(readsLater) {}
    int EmailAttachedDcoument(std::string path) override
    {
        paths << QFile::decodeName(QByteArray::fromStdString(path));
        attachmentWasThere = QFile::exists(paths.last());
        if (whileMailing)
            whileMailing(paths.last());
        return status;
    }
    bool attachmentReadOnReturn() const override { return !readsLater; }
    int status;
    bool readsLater;
    QStringList paths;
    bool attachmentWasThere = false;
    std::function<void(const QString&)> whileMailing;
};

QFile::Permissions otherPermissions(const QString& path)
{
    return QFileInfo(path).permissions()
        & (QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup | QFile::ReadOther | QFile::WriteOther
           | QFile::ExeOther);
}

} // namespace

class tst_SketchMail : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<ExportEnvironment>(); }
    void cleanup() { env.reset(); }

    void attachmentIsWrittenMailedAndRemoved();
    void attachmentReadLaterStaysUntilTheProgramEnds();
    void mailProgramFailureIsShownAndThePdfStillGoes_data();
    void mailProgramFailureIsShownAndThePdfStillGoes();
    void pdfThatStaysIsReportedWithItsPath();
    void nothingIsMailedWithoutAPdf();
    void nothingIsMailedWhenThePdfCannotBeWritten();
    void recordWithoutSceneDoesNothing();

private:
    std::unique_ptr<ExportEnvironment> env;
};

void tst_SketchMail::attachmentIsWrittenMailedAndRemoved()
{
    const MetadataPtr sketch = makeSketch(oneStroke(), env->path("harbour.hlv"));
    RecordingMailer mailer;
    QVERIFY(mailSketchAsPdf(*sketch.GetData(), mailer, nullptr, kLeftoverTitle));
    // In a folder of the program's own, closed to others, in the temporary folder.
    const QString pdf = mailAttachmentPath(*sketch.GetData());
    const QFileInfo folder(QFileInfo(pdf).path());
    QCOMPARE(folder.path(), env->temporaryFolder());
    QVERIFY(folder.fileName().startsWith("Dravello-"));
    QCOMPARE(otherPermissions(folder.filePath()), QFile::Permissions());
    QCOMPARE(QFileInfo(pdf).fileName(), "harbour.hlv.pdf");
    QCOMPARE(mailer.paths, QStringList{pdf});
    QVERIFY(mailer.attachmentWasThere);
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(env->prompt.requests.size(), 0);
}

// xdg-email returns before the mail program has read the file.
void tst_SketchMail::attachmentReadLaterStaysUntilTheProgramEnds()
{
    const MetadataPtr sketch = makeSketch(oneStroke(), env->path("harbour.hlv"));
    RecordingMailer mailer(0, true);
    QVERIFY(mailSketchAsPdf(*sketch.GetData(), mailer, nullptr, kLeftoverTitle));
    QCOMPARE(mailer.paths.size(), 1);
    QVERIFY(QFile::exists(mailer.paths.first()));
    QCOMPARE(env->prompt.requests.size(), 0);
}

void tst_SketchMail::mailProgramFailureIsShownAndThePdfStillGoes_data()
{
    QTest::addColumn<bool>("readsLater");
    QTest::newRow("read on return") << false;
    QTest::newRow("read later") << true;
}

void tst_SketchMail::mailProgramFailureIsShownAndThePdfStillGoes()
{
    QFETCH(bool, readsLater);
    const MetadataPtr sketch = makeSketch(oneStroke(), env->path("harbour.hlv"));
    RecordingMailer mailer(-1708, readsLater);
    QVERIFY(!mailSketchAsPdf(*sketch.GetData(), mailer, nullptr, kLeftoverTitle));
    QCOMPARE(env->prompt.texts(), QStringList{"Unable to hand the document to Mail (error -1708)."});
    QCOMPARE(env->prompt.requests[0].icon, QMessageBox::Warning);
    QVERIFY(!QFile::exists(mailer.paths.value(0)));
}

void tst_SketchMail::pdfThatStaysIsReportedWithItsPath()
{
    const MetadataPtr sketch = makeSketch(oneStroke(), env->path("harbour.hlv"));
    RecordingMailer mailer;
    // A folder in the attachment's place cannot be removed as a file.
    mailer.whileMailing = [](const QString& path) {
        QFile::remove(path);
        QDir().mkpath(path + "/inside");
    };
    QVERIFY(mailSketchAsPdf(*sketch.GetData(), mailer, nullptr, kLeftoverTitle));
    QCOMPARE(env->prompt.requests.size(), 1);
    const PromptRequest& box = env->prompt.requests[0];
    QCOMPARE(box.icon, QMessageBox::Critical);
    QCOMPARE(box.title, kLeftoverTitle);
    QCOMPARE(box.text, "Cannot delete file : " + mailer.paths.value(0));
}

void tst_SketchMail::nothingIsMailedWithoutAPdf()
{
    const MetadataPtr sketch = makeSketch(oneStroke(), env->path("harbour.hlv"));
    // A temporary folder that is a file: no PDF can be written in it.
    const QString notAFolder = env->temporaryFolder() + "/file";
    QFile(notAFolder).open(QIODevice::WriteOnly);
    testsupport::EnvironmentOverride tmpdir("TMPDIR", QFile::encodeName(notAFolder).constData());
    RecordingMailer mailer;
    QVERIFY(!mailSketchAsPdf(*sketch.GetData(), mailer, nullptr, kLeftoverTitle));
    QVERIFY(mailer.paths.isEmpty());
    // One report of the missing folder, and nothing about mail or removal.
    QCOMPARE(env->prompt.texts(),
             QStringList{"No private folder for the attachment could be made in " + notAFolder + "."});
}

void tst_SketchMail::nothingIsMailedWhenThePdfCannotBeWritten()
{
    const MetadataPtr sketch = makeSketch(oneStroke(), env->path("harbour.hlv"));
    // A folder in the attachment's place.
    QVERIFY(QDir().mkpath(mailAttachmentPath(*sketch.GetData())));
    RecordingMailer mailer;
    QVERIFY(!mailSketchAsPdf(*sketch.GetData(), mailer, nullptr, kLeftoverTitle));
    QVERIFY(mailer.paths.isEmpty());
    // The exporter's own report, and nothing about mail or removal.
    QCOMPARE(env->prompt.requests.size(), 1);
    QVERIFY(!env->prompt.requests[0].text.contains("Mail"));
}

void tst_SketchMail::recordWithoutSceneDoesNothing()
{
    DocumentMetaData unread(env->path("unread.hlv"));
    RecordingMailer mailer;
    QVERIFY(!mailSketchAsPdf(unread, mailer, nullptr, kLeftoverTitle));
    QVERIFY(mailer.paths.isEmpty());
    QCOMPARE(env->prompt.requests.size(), 0);
}

QTEST_MAIN(tst_SketchMail)
#include "tst_sketchmail.moc"
