#ifndef QTRUNLOOP_H
#define QTRUNLOOP_H

#include "RunLoop.h"

#include <QObject>

// The run loop of a Qt thread: tasks and descriptor input are delivered
// through its event loop. Becomes the current run loop of the thread that
// makes it, until it is destroyed (or another loop is bound there).
class QtRunLoop : public Platform::RunLoop {
public:
    QtRunLoop();

    void post(Platform::Task task) override;
    std::unique_ptr<Platform::FdWatch> watchReadable(int fd, Platform::Task onReadable) override;

private:
    QObject m_receiver; // lives in the constructing thread
};

#endif
