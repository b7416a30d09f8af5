#include "XdgMailer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// The program as exec would find it; empty when there is none to start.
QString startableProgram(const QString& program)
{
    if (program.contains(QLatin1Char('/')))
        return QFileInfo(program).isExecutable() && QFileInfo(program).isFile() ? program : QString();
    return QStandardPaths::findExecutable(program);
}

} // namespace

XdgMailer::XdgMailer(QString program) : m_program(std::move(program)) {}

int XdgMailer::EmailAttachedDcoument(std::string path) { return mailAndFollow(std::move(path), {}); }

int XdgMailer::mailAndFollow(std::string path, LateFailure failedLater)
{
    const QString program = startableProgram(m_program);
    if (program.isEmpty())
        return kNoMailProgram;
    // Owned by the application: one still running at exit is ended with it.
    auto* process = new QProcess(QCoreApplication::instance());
    process->setProgram(program);
    process->setArguments(mailArguments(path));
    process->setStandardInputFile(QProcess::nullDevice());
    process->setProcessChannelMode(QProcess::ForwardedChannels);
    const auto fail = [process, failedLater](int status) {
        process->deleteLater();
        if (failedLater)
            failedLater(status);
    };
    QObject::connect(process, &QProcess::finished, process,
                     [process, fail](int exitCode, QProcess::ExitStatus exitStatus) {
                         if (exitStatus == QProcess::NormalExit && exitCode == 0)
                             process->deleteLater();
                         else
                             fail(exitStatus == QProcess::NormalExit ? exitCode : kNoMailProgram);
                     });
    QObject::connect(process, &QProcess::errorOccurred, process, [fail](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            fail(kNoMailProgram);
    });
    process->start();
    return 0;
}

QStringList XdgMailer::mailArguments(const std::string& path)
{
    const QString file = QFile::decodeName(QByteArray::fromStdString(path));
    return {QStringLiteral("--subject"), QFileInfo(file).fileName(), QStringLiteral("--attach"), file};
}
