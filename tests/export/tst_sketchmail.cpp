// A sketch mailed as a PDF attachment from the temporary folder.

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
    explicit RecordingMailer(int status = 0) : status(status) {}
    int EmailAttachedDcoument(std::string path) override
    {
        paths << QFile::decodeName(QByteArray::fromStdString(path));
        attachmentWasThere = QFile::exists(paths.last());
        if (whileMailing)
            whileMailing(paths.last());
        return status;
    }
    int status;
    QStringList paths;
    bool attachmentWasThere = false;
    std::function<void(const QString&)> whileMailing;
};

} // namespace

class tst_SketchMail : public QObject {
    Q_OBJECT

private slots:
    void init() { env = std::make_unique<ExportEnvironment>(); }
    void cleanup() { env.reset(); }

    void attachmentIsWrittenMailedAndRemoved();
    void mailProgramFailureIsShownAndThePdfStillGoes();
    void pdfThatStaysIsReportedWithItsPath();
    void nothingIsMailedWithoutAPdf();
    void recordWithoutSceneDoesNothing();

private:
    std::unique_ptr<ExportEnvironment> env;
};

void tst_SketchMail::attachmentIsWrittenMailedAndRemoved()
{
    const MetadataPtr sketch = makeSketch(oneStroke(), env->path("harbour.hlv"));
    RecordingMailer mailer;
    QVERIFY(mailSketchAsPdf(*sketch.GetData(), mailer, nullptr, kLeftoverTitle));
    const QString pdf = env->temporaryFolder() + "/harbour.hlv.pdf";
    QCOMPARE(mailAttachmentPath(*sketch.GetData()), pdf);
    QCOMPARE(mailer.paths, QStringList{pdf});
    QVERIFY(mailer.attachmentWasThere);
    QVERIFY(!QFile::exists(pdf));
    QCOMPARE(env->prompt.requests.size(), 0);
}

void tst_SketchMail::mailProgramFailureIsShownAndThePdfStillGoes()
{
    const MetadataPtr sketch = makeSketch(oneStroke(), env->path("harbour.hlv"));
    RecordingMailer mailer(-1708);
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
