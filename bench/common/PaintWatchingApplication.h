#ifndef DRAVELLO_BENCH_PAINTWATCHINGAPPLICATION_H
#define DRAVELLO_BENCH_PAINTWATCHINGAPPLICATION_H

#include <QApplication>
#include <QEvent>

#include <functional>

// A GUI application that calls onPainted after every paint of the watched
// widget (a view's viewport, say) has run.
class PaintWatchingApplication : public QApplication {
public:
    using QApplication::QApplication;

    static PaintWatchingApplication& get()
    {
        return *static_cast<PaintWatchingApplication*>(QCoreApplication::instance());
    }

    bool notify(QObject* receiver, QEvent* event) override
    {
        const bool painting = event->type() == QEvent::Paint && receiver == watched;
        const bool result = QApplication::notify(receiver, event);
        if (painting && onPainted)
            onPainted();
        return result;
    }

    QObject* watched = nullptr;
    std::function<void()> onPainted;
};

#endif
