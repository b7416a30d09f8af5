// Mail through xdg-email: the command it is given, and one message opened
// for real through a fake default mail handler.

#include "EnvironmentOverride.h"
#include "RecordingProcessRunner.h"
#include "ScratchDir.h"
#include "XdgMailer.h"

#include <QDir>
#include <QFile>
#include <QtTest>

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
    void xdgEmailOpensTheDefaultMailProgram();
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

void tst_XdgMailer::theAttachmentTravelsAsOneArgument()
{
    QFETCH(QByteArray, path);
    QFETCH(QByteArray, subject);
    Platform::RecordingProcessRunner runner;
    XdgMailer mailer(runner);
    QCOMPARE(mailer.EmailAttachedDcoument(path.toStdString()), 0);
    QVERIFY(!mailer.attachmentReadOnReturn());
    QCOMPARE(runner.calls().size(), 1u);
    const Platform::RecordingProcessRunner::Call& call = runner.calls().front();
    QVERIFY(call.detached);
    QCOMPARE(call.command.program, "xdg-email");
    QCOMPARE(call.command.arguments,
             (std::vector<std::string>{"--subject", subject.toStdString(), "--attach", path.toStdString()}));
}

void tst_XdgMailer::aMailerThatCannotStartIsReported()
{
    Platform::RecordingProcessRunner runner;
    runner.answer("xdg-email", Platform::ProcessResult{false, -1, ENOENT});
    QCOMPARE(XdgMailer(runner).EmailAttachedDcoument("/tmp/sketch.pdf"), kNoMailProgram);

    testsupport::ScratchDir empty;
    testsupport::EnvironmentOverride path("PATH", empty.path().c_str());
    QCOMPARE(XdgMailer().EmailAttachedDcoument("/tmp/sketch.pdf"), kNoMailProgram);
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
