// Mail through xdg-email: the arguments it is given, its failures before
// and after the call returned, and one message opened for real through a
// fake default mail handler.

#include "EnvironmentOverride.h"
#include "FakeProgram.h"
#include "RecordingProcessRunner.h"
#include "ScratchDir.h"
#include "XdgMailer.h"

#include <QDir>
#include <QFile>
#include <QSocketNotifier>
#include <QtTest>

#include <filesystem>
#include <memory>
#include <vector>

namespace {

void writeFile(const QString& path, const QByteArray& content)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    if (file.open(QIODevice::WriteOnly))
        file.write(content);
}

// A desktop session of its own, without any desktop environment, whose
// default mail handler writes the address it is given into recorded().
class FakeMailDesktop {
public:
    FakeMailDesktop()
    {
        const QString handler = folder("handler.sh");
        writeFile(handler, "#!/bin/sh\nprintf '%s\\n' \"$1\" > \"" + QFile::encodeName(folder("recorded.part"))
                               + "\"\nmv \"" + QFile::encodeName(folder("recorded.part")) + "\" \""
                               + QFile::encodeName(recorded()) + "\"\n");
        QFile::setPermissions(handler, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        writeFile(folder("data/applications/fake-mail.desktop"),
                  "[Desktop Entry]\nType=Application\nName=Fake mail\nExec=" + QFile::encodeName(handler)
                      + " %u\nMimeType=x-scheme-handler/mailto;\n");
        writeFile(folder("config/mimeapps.list"), "[Default Applications]\nx-scheme-handler/mailto=fake-mail.desktop\n");
        for (const char* name : {"XDG_CURRENT_DESKTOP", "DESKTOP_SESSION", "KDE_FULL_SESSION", "GNOME_DESKTOP_SESSION_ID",
                                 "DBUS_SESSION_BUS_ADDRESS", "WAYLAND_DISPLAY", "BROWSER", "XDG_DATA_DIRS"})
            cleared.push_back(std::make_unique<testsupport::EnvironmentOverride>(name, nullptr));
    }

    QString folder(const QString& name) const { return QString::fromStdString(scratch.file(name.toStdString())); }
    QString recorded() const { return folder("recorded"); }

private:
    testsupport::ScratchDir scratch;
    testsupport::EnvironmentOverride dataHome{"XDG_DATA_HOME", scratch.file("data").c_str()};
    testsupport::EnvironmentOverride configHome{"XDG_CONFIG_HOME", scratch.file("config").c_str()};
    // The tools ask for a display before they look for a scheme handler; none is contacted.
    testsupport::EnvironmentOverride display{"DISPLAY", ":none"};
    std::vector<std::unique_ptr<testsupport::EnvironmentOverride>> cleared;
};

} // namespace

class tst_XdgMailer : public QObject {
    Q_OBJECT

private slots:
    void theAttachmentTravelsAsOneArgument_data();
    void theAttachmentTravelsAsOneArgument();
    void aMailerThatCannotStartIsReported();
    void aFailureAfterTheReturnIsFollowed_data();
    void aFailureAfterTheReturnIsFollowed();
    void xdgEmailOpensTheDefaultMailProgram();

private:
    // A folder of the test's put before the others in PATH.
    std::unique_ptr<testsupport::EnvironmentOverride> searchedFirst(const std::filesystem::path& folder)
    {
        return std::make_unique<testsupport::EnvironmentOverride>(
            "PATH", (folder.string() + ":" + std::getenv("PATH")).c_str());
    }

    testsupport::ScratchDir scratch;
};

void tst_XdgMailer::theAttachmentTravelsAsOneArgument_data()
{
    QTest::addColumn<QByteArray>("path");
    QTest::addColumn<QByteArray>("subject");
    QTest::newRow("plain") << QByteArray("/tmp/Dravello-x/sketch.wpi.pdf") << QByteArray("sketch.wpi.pdf");
    QTest::newRow("blanks and quotes") << QByteArray("/tmp/My \"best\" sketch.pdf") << QByteArray("My \"best\" sketch.pdf");
    QTest::newRow("shell words") << QByteArray("/tmp/$(rm -rf ~); `x`.pdf") << QByteArray("$(rm -rf ~); `x`.pdf");
    QTest::newRow("looks like an option") << QByteArray("/tmp/--cc=x@y.pdf") << QByteArray("--cc=x@y.pdf");
    QTest::newRow("outside ASCII") << QByteArray("/tmp/Skizze Zoë 草图.pdf") << QByteArray("Skizze Zoë 草图.pdf");
}

// The real xdg-email's place is taken by one that records its arguments.
void tst_XdgMailer::theAttachmentTravelsAsOneArgument()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, subject);
    const std::filesystem::path folder = scratch.path() / QTest::currentDataTag();
    const testsupport::FakeProgram tool(folder, "xdg-email", 0);
    const auto firstInPath = searchedFirst(folder);
    XdgMailer mailer;
    QCOMPARE(mailer.EmailAttachedDcoument(path.toStdString()), 0);
    QVERIFY(!mailer.attachmentReadOnReturn());
    QTRY_VERIFY(tool.ran());
    QCOMPARE(tool.arguments(),
             (std::vector<std::string>{"--subject", subject.toStdString(), "--attach", path.toStdString()}));
}

void tst_XdgMailer::aMailerThatCannotStartIsReported()
{
    bool followed = false;
    const auto follow = [&followed](int) { followed = true; };
    Platform::RecordingProcessRunner runner;
    runner.answer("xdg-email", Platform::ProcessResult{false, -1, ENOENT});
    QCOMPARE(XdgMailer(runner).mailAndFollow("/tmp/sketch.pdf", follow), kNoMailProgram);

    testsupport::ScratchDir empty;
    testsupport::EnvironmentOverride path("PATH", empty.path().c_str());
    QCOMPARE(XdgMailer().mailAndFollow("/tmp/sketch.pdf", follow), kNoMailProgram);
    QVERIFY(!followed);
}

void tst_XdgMailer::aFailureAfterTheReturnIsFollowed_data()
{
    QTest::addColumn<int>("exitStatus");
    QTest::newRow("mailed") << 0;
    QTest::newRow("no mail program") << 3;
    QTest::newRow("mail program failed") << 4;
}

// The tool is held until the call returned, so the call cannot have waited for it.
void tst_XdgMailer::aFailureAfterTheReturnIsFollowed()
{
    QFETCH(int, exitStatus);
    const std::filesystem::path folder = scratch.path() / QTest::currentDataTag();
    const testsupport::FakeProgram tool(folder, "xdg-email", exitStatus, true);
    const auto firstInPath = searchedFirst(folder);
    QList<int> failures;
    XdgMailer mailer;

    QCOMPARE(mailer.mailAndFollow("/tmp/sketch.pdf", [&failures](int status) { failures << status; }), 0);

    QVERIFY(failures.isEmpty());
    QTRY_VERIFY(tool.ran());
    tool.release();
    // The watch on the tool goes once it ended and was followed.
    QTRY_VERIFY(QCoreApplication::instance()->findChildren<QSocketNotifier*>().isEmpty());
    QCOMPARE(failures, exitStatus == 0 ? QList<int>() : QList<int>{exitStatus});
}

void tst_XdgMailer::xdgEmailOpensTheDefaultMailProgram()
{
    FakeMailDesktop desktop;
    const QString attachment = desktop.folder("harbour at dusk.hlv.pdf");
    writeFile(attachment, "%PDF-1.4\n");

    QCOMPARE(XdgMailer().EmailAttachedDcoument(QFile::encodeName(attachment).toStdString()), 0);

    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(desktop.recorded()), 20000);
    QFile recorded(desktop.recorded());
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    const QByteArray address = recorded.readAll().trimmed();
    QCOMPARE(address, "mailto:?subject=harbour%20at%20dusk.hlv.pdf&attach="
                          + QUrl::toPercentEncoding(attachment, "/"));
    QVERIFY(QFile::exists(attachment));
}

QTEST_MAIN(tst_XdgMailer)
#include "tst_xdgmailer.moc"
