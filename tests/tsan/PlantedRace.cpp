// A data race planted on purpose, for the thread sanitizer stage to prove
// that it sees races in our code: a worker thread polls a plain flag that
// the GUI thread sets from a slot reached by the worker's queued signal, the
// way the loader's restart request once was. The program exits with the
// sanitizer's report; on its own (no report) it exits 0 once the worker has
// seen the flag, or 2 when that takes too long.

#include <QCoreApplication>
#include <QObject>
#include <QThread>
#include <QTimer>

namespace {

class PlantedRaceWorker : public QThread {
    Q_OBJECT

public:
    // Written by the GUI thread and read by this one without any guard: the race.
    bool stopRequested = false;

signals:
    void progressed(int step);

protected:
    void run() override
    {
        for (int step = 0; !stopRequested; ++step) {
            emit progressed(step);
            msleep(1);
        }
    }
};

class PlantedRaceReceiver : public QObject {
    Q_OBJECT

public:
    explicit PlantedRaceReceiver(PlantedRaceWorker& worker_) : worker(worker_) {}

public slots:
    void onProgressed(int step)
    {
        if (step >= 3)
            worker.stopRequested = true;
    }

private:
    PlantedRaceWorker& worker;
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    PlantedRaceWorker worker;
    PlantedRaceReceiver receiver(worker);
    QObject::connect(&worker, &PlantedRaceWorker::progressed, &receiver,
                     &PlantedRaceReceiver::onProgressed, Qt::QueuedConnection);
    QObject::connect(&worker, &QThread::finished, &application, &QCoreApplication::quit);
    QTimer::singleShot(10000, &application, [] { QCoreApplication::exit(2); });
    worker.start();
    const int result = application.exec();
    worker.wait();
    return result;
}

#include "PlantedRace.moc"
