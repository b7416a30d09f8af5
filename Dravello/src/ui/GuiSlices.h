#ifndef DRAVELLO_UI_GUISLICES_H
#define DRAVELLO_UI_GUISLICES_H

#include <QDeadlineTimer>
#include <QObject>
#include <QTimer>

#include <functional>
#include <memory>

// Long work on the GUI thread cut into slices: the step runs at every turn
// of the event loop, each time until its slice's deadline, until it reports
// the work done. The window paints and takes input between the slices.
// All work in slices shares one deadline: once a slice's time is up (or
// one ran long), the others get an expired deadline, so that each does only
// its smallest step, until the event loop has had some time of its own.
// GUI thread.
class GuiSlices : public QObject {
    Q_OBJECT

public:
    // How long the slices together may hold the GUI thread, and how long
    // the event loop has to itself afterwards.
    static constexpr int kSliceMs = 10;
    static constexpr int kRestMs = 2;

    // Does work until the deadline has passed or nothing is left; true when
    // the work is done.
    using Step = std::function<bool(const QDeadlineTimer& deadline)>;

    explicit GuiSlices(QObject* parent = nullptr);

    // Runs the step from the next turn of the event loop on, in place of
    // any step still running; finished() follows its last slice.
    void start(Step step);
    // Drops the step without running it further.
    void stop();
    bool isRunning() const { return m_step != nullptr; }

signals:
    void finished();

private:
    void runSlice();

    QTimer m_timer;
    // Shared, so that a step that starts or stops work from its slice lives
    // until its slice ends.
    std::shared_ptr<Step> m_step;
    // Counts start() and stop(), which a step may call from its slice.
    quint64 m_generation = 0;
};

#endif
