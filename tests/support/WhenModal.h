#ifndef DRAVELLO_TESTS_WHENMODAL_H
#define DRAVELLO_TESTS_WHENMODAL_H

// Answers a modal window that the code under test is about to open.

#include <QApplication>
#include <QTimer>

#include <functional>

namespace testsupport {

// Once a modal window of type Window is active, hands it to act (a chooser
// opened by the code under test waits in its own event loop meanwhile).
template <class Window>
void whenModal(std::function<void(Window*)> act)
{
    auto* poll = new QTimer;
    poll->setInterval(5);
    QObject::connect(poll, &QTimer::timeout, [poll, act] {
        if (auto* window = qobject_cast<Window*>(QApplication::activeModalWidget())) {
            poll->stop();
            poll->deleteLater();
            act(window);
        }
    });
    poll->start();
}

} // namespace testsupport

#endif
