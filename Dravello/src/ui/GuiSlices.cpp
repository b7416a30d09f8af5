#include "GuiSlices.h"

#include <utility>

namespace {

// The end of the slices' present time.
QDeadlineTimer sharedDeadline;

const QDeadlineTimer& sliceDeadline()
{
    const qint64 overForNs = QDeadlineTimer::current().deadlineNSecs() - sharedDeadline.deadlineNSecs();
    if (overForNs >= qint64(GuiSlices::kRestMs) * 1000000)
        sharedDeadline = QDeadlineTimer(GuiSlices::kSliceMs);
    return sharedDeadline;
}

} // namespace

GuiSlices::GuiSlices(QObject* parent) : QObject(parent)
{
    // A zero timer fires once per turn of the event loop, after the events
    // (paints and input) that are waiting.
    m_timer.setInterval(0);
    connect(&m_timer, &QTimer::timeout, this, &GuiSlices::runSlice);
}

void GuiSlices::start(Step step)
{
    ++m_generation;
    m_step = std::make_shared<Step>(std::move(step));
    m_timer.start();
}

void GuiSlices::stop()
{
    ++m_generation;
    m_timer.stop();
    m_step = nullptr;
}

void GuiSlices::runSlice()
{
    if (!m_step) {
        m_timer.stop();
        return;
    }
    const quint64 generation = m_generation;
    const std::shared_ptr<Step> step = m_step;
    const bool done = (*step)(sliceDeadline());
    if (!done || generation != m_generation)
        return;
    stop();
    emit finished();
}
