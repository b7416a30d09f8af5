#include "QtRunLoop.h"

#include <QMetaObject>
#include <QSocketNotifier>

#include <utility>

namespace {

class NotifierWatch : public Platform::FdWatch {
public:
    NotifierWatch(int fd, Platform::Task onReadable) : m_notifier(fd, QSocketNotifier::Read)
    {
        QObject::connect(&m_notifier, &QSocketNotifier::activated, &m_notifier,
                         [task = std::move(onReadable)] { task(); });
    }

private:
    QSocketNotifier m_notifier;
};

} // namespace

QtRunLoop::QtRunLoop() { bindToCurrentThread(); }

void QtRunLoop::post(Platform::Task task)
{
    QMetaObject::invokeMethod(&m_receiver, std::move(task), Qt::QueuedConnection);
}

std::unique_ptr<Platform::FdWatch> QtRunLoop::watchReadable(int fd, Platform::Task onReadable)
{
    return std::make_unique<NotifierWatch>(fd, std::move(onReadable));
}
