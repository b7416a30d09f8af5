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

// Without XDG_RUNTIME_DIR, socket and lock live in the user support folder.
class TemporaryHome {
public:
    QString path() const { return QString::fromStdString(dir.path().string()); }
    QString handOverFolder() const { return path() + QStringLiteral("/.local/share/Scrivet"); }
    QString socketPath() const { return handOverFolder() + QStringLiteral("/qtsasock"); }
    QString lockPath() const { return handOverFolder() + QStringLiteral("/qtsingleapplock"); }

private:
    testsupport::ScratchDir dir;
    testsupport::EnvironmentOverride home{"HOME", dir.path().c_str()};
    testsupport::EnvironmentOverride dataHome{"XDG_DATA_HOME", nullptr};
    testsupport::EnvironmentOverride runtime{"XDG_RUNTIME_DIR", nullptr};
};

inline QtLocalPeer::Timings shortTimings()
{
    QtLocalPeer::Timings timings;
    timings.messageWait = 300;
    timings.ackWrite = 200;
    timings.retryPause = 10;
    return timings;
}

// sendMessage of a second copy started now, on its own thread.
inline std::future<bool> sendFromSecondCopy(const QString& message, int timeout = 2000,
                                            const HandOver::Activation& activation = {})
{
    return std::async(std::launch::async, [message, timeout, activation] {
        QtLocalPeer peer(nullptr, QStringLiteral("Dravello"));
        peer.setTimings(shortTimings());
        return peer.sendMessage(message, timeout, activation);
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
