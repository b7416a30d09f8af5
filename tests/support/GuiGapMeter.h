#ifndef DRAVELLO_TESTS_GUIGAPMETER_H
#define DRAVELLO_TESTS_GUIGAPMETER_H

#include <QElapsedTimer>
#include <QObject>
#include <QTimer>

#include <algorithm>

// The longest gap between the turns of a 1 ms timer on the GUI thread, from
// construction (or the last restart) on.
class GuiGapMeter {
public:
    GuiGapMeter()
    {
        m_timer.setTimerType(Qt::PreciseTimer);
        m_timer.setInterval(1);
        QObject::connect(&m_timer, &QTimer::timeout, [this] {
            m_longestMs = std::max(m_longestMs, sinceLastTurnMs());
            m_sinceLastTurn.restart();
        });
        restart();
        m_timer.start();
    }

    void restart()
    {
        m_longestMs = 0.0;
        m_sinceLastTurn.start();
    }

    double longestMs() const { return std::max(m_longestMs, sinceLastTurnMs()); }

private:
    double sinceLastTurnMs() const { return m_sinceLastTurn.nsecsElapsed() / 1e6; }

    QTimer m_timer;
    QElapsedTimer m_sinceLastTurn;
    double m_longestMs = 0.0;
};

#endif
