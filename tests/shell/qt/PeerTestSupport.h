#ifndef DRAVELLO_TESTS_SHELL_PEERTESTSUPPORT_H
#define DRAVELLO_TESTS_SHELL_PEERTESTSUPPORT_H

// A private HOME for the single-copy machinery, short waits, and a second
// copy of the program played by a peer on its own thread (the receiving peer
// needs the test's event loop while the sender blocks).

#include "EnvironmentOverride.h"
#include "QtLocalPeer.h"
#include "ScratchDir.h"

#include <QDir>
#include <QString>
#include <QTest>

#include <chrono>
#include <future>

namespace shelltest {

class TemporaryHome {
public:
    QString path() const { return QString::fromStdString(dir.path().string()); }
    QString socketPath() const { return path() + QStringLiteral("/qtsasock"); }
    QString lockPath() const
    {
        return path() + QStringLiteral("/Library/Application Support/Scrivet/qtsingleapplock");
    }

private:
    testsupport::ScratchDir dir;
    testsupport::EnvironmentOverride home{"HOME", dir.path().c_str()};
};

inline QtLocalPeer::Timings shortTimings()
{
    QtLocalPeer::Timings timings;
    timings.lengthWait = 200;
    timings.bodyWait = 100;
    timings.ackWrite = 200;
    timings.retryPause = 10;
    return timings;
}

// sendMessage of a second copy started now, on its own thread.
inline std::future<bool> sendFromSecondCopy(const QString& message, int timeout = 2000)
{
    return std::async(std::launch::async, [message, timeout] {
        QtLocalPeer peer(nullptr, QStringLiteral("Dravello"));
        peer.setTimings(shortTimings());
        return peer.sendMessage(message, timeout);
    });
}

// Runs the event loop until `result` is ready (or ten seconds passed).
inline bool waitFor(std::future<bool>& result)
{
    return QTest::qWaitFor(
        [&] { return result.wait_for(std::chrono::seconds(0)) == std::future_status::ready; }, 10000);
}

} // namespace shelltest

#endif
