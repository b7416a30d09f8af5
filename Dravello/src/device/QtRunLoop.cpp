#include "QtRunLoop.h"

#include <QMetaObject>

#include <utility>

QtRunLoop::QtRunLoop() { bindToCurrentThread(); }

void QtRunLoop::post(Platform::Task task)
{
    QMetaObject::invokeMethod(&m_receiver, std::move(task), Qt::QueuedConnection);
}
