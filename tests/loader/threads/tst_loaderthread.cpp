// The background loader with real sketch folders: what a pass reports,
// which files reach the GUI thread, and how requests, aborts and the
// loader's end meet a running pass.

#include "DocumentGraphicModel.h"
#include "LoaderTestSupport.h"

#include <QLoggingCategory>
#include <QMutex>
#include <QtTest>

#include <atomic>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <memory>
#include <random>

using namespace loadertest;
using namespace sketchtest;

namespace {

using Kind = LoaderLog::Kind;

// Long enough to load that a request made while it is read meets it.
constexpr int kLongSketchStrokes = 40000;

QStringList described(const std::vector<LoaderLog::Event>& events)
{
    QStringList lines;
    for (const LoaderLog::Event& event : events)
        lines << describe(event);
    return lines;
}

// A complete pass over [from, to) of the listing: its count, every record
// in order, and the signal of its end.
QStringList wholePass(const QStringList& listing, unsigned from, unsigned to, const LoaderLog::Event& end)
{
    std::vector<LoaderLog::Event> events{{Kind::Count, to > from ? to - from : 0}};
    for (unsigned i = from; i < to && i < unsigned(listing.size()); ++i)
        events.push_back({Kind::Record, i, 0, listing[int(i)]});
    events.push_back(end);
    return described(events);
}

// Debug lines that name a file the loader failed to read.
class FailureLines {
public:
    FailureLines()
    {
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, true);
        active = this;
        previous = qInstallMessageHandler(&FailureLines::handle);
    }
    ~FailureLines()
    {
        qInstallMessageHandler(previous);
        active = nullptr;
        QLoggingCategory::defaultCategory()->setEnabled(QtDebugMsg, false);
    }

    bool mention(const QString& name)
    {
        QMutexLocker guard(&lock);
        for (const QString& line : lines)
            if (line.contains(name))
                return true;
        return false;
    }

private:
    static void handle(QtMsgType type, const QMessageLogContext& context, const QString& message)
    {
        if (message.startsWith(QLatin1String("failed to load "))) {
            QMutexLocker guard(&active->lock);
            active->lines << message;
            return;
        }
        active->previous(type, context, message);
    }

    static inline FailureLines* active = nullptr;
    QtMessageHandler previous;
    QMutex lock;
    QStringList lines;
};

} // namespace

class LoaderThreadTest : public QObject {
    Q_OBJECT

private:
    SketchEnvironment environment;

private slots:
    void passReportsHowItEnded_data()
    {
        QTest::addColumn<uint>("from");
        QTest::addColumn<uint>("to");
        QTest::addColumn<int>("endKind");
        QTest::addColumn<uint>("endCount");
        QTest::addColumn<uint>("endIndex");

        QTest::newRow("whole folder") << 0u << 3u << int(Kind::Finished) << 0u << 0u;
        QTest::newRow("first page") << 0u << 2u << int(Kind::Chunk) << 2u << 2u;
        QTest::newRow("last page") << 2u << 3u << int(Kind::Finished) << 0u << 0u;
        QTest::newRow("range past the end") << 1u << 5u << int(Kind::Chunk) << 4u << 5u;
        QTest::newRow("reversed range") << 2u << 1u << int(Kind::Chunk) << 0u << 2u;
    }

    void passReportsHowItEnded()
    {
        QFETCH(uint, from);
        QFETCH(uint, to);
        QFETCH(int, endKind);
        QFETCH(uint, endCount);
        QFETCH(uint, endIndex);
        const SketchFolder folder(environment, "three");
        folder.addWpiFiles("page", 3, sketchOf(3));

        auto loader = newLoader();
        LoaderLog log(*loader);
        loader->loadDirectoryFilesByRange(folder.dir(), from, to, true);

        const LoaderLog::Event end{Kind(endKind), endKind == int(Kind::Chunk) ? qint64(endCount) : 0,
                                   endKind == int(Kind::Chunk) ? qint64(endIndex) : 0};
        QTRY_COMPARE(described(log.events), wholePass(folder.listing(), from, to, end));
    }

    // Broken, empty, misnamed and foreign files, hidden files and folders
    // are passed over; the sketches around them arrive at their indexes.
    void onlySketchesThatLoadArrive()
    {
        const SketchFolder folder(environment, "mixed");
        folder.addWpi("good.wpi", sketchOf(4));
        QVERIFY(QFile::copy(fixturePath("two-layers.inkml"), folder.filePath("good.inkml")));
        folder.addText("garbage.wpi", "not a sketch at all");
        folder.addText("empty.eli", "");
        folder.addText("cut.hlv", "<ink xmlns=\"http://www.w3.org/2003/InkML\"><trace>1 2, 3");
        folder.addWpi("misnamed.Wpi", sketchOf(2));
        folder.addWpi("notes.txt", sketchOf(2));
        folder.addWpi(".hidden.wpi", sketchOf(2));
        QDir(folder.path()).mkdir(QStringLiteral("folder.wpi"));
        const QStringList listing = folder.listing();
        QVERIFY(!listing.contains(folder.filePath("notes.txt")));
        QVERIFY(!listing.contains(folder.filePath(".hidden.wpi")));
        QVERIFY(!listing.contains(folder.filePath("folder.wpi")));

        auto loader = newLoader();
        LoaderLog log(*loader);
        loader->loadDirectoryFilesByRange(folder.dir(), 0, unsigned(listing.size()), true);

        QTRY_VERIFY(log.passEnded());
        QStringList arrived;
        for (const LoaderLog::Event& event : log.events) {
            if (event.kind != Kind::Record)
                continue;
            QCOMPARE(event.path, listing[int(event.first)]);
            arrived << QFileInfo(event.path).fileName();
        }
        arrived.sort();
        QCOMPARE(arrived, QStringList({"good.inkml", "good.wpi"}));
        QCOMPARE(log.events.back().kind, Kind::Finished);
    }

    // The workers read and draw the pictures: records reach the receiver
    // with their thumbnail and icon drawn, without a scene, and without their
    // ink, which went once the pictures were drawn; what the receiver reads
    // of the document (the tag of the tool tip) stays.
    void recordsArriveWithTheirPicturesOnly()
    {
        const SketchFolder folder(environment, "pictures");
        folder.addWpiFiles("layers", 3, sketchOf(6, 20, 2));
        QVERIFY(QFile::copy(fixturePath("two-layers.inkml"), folder.filePath("tagged.inkml")));
        auto loader = newLoader();
        std::atomic<int> offGuiThread{0};
        std::vector<MetadataPtr> arrived;
        QMutex arrivedLock;
        connect(loader.get(), &LoaderThread::fileDocumentMetaDataReady, loader.get(),
                [&](DocumentMetaData* record, uint) {
                    if (QThread::currentThread() != qApp->thread())
                        ++offGuiThread;
                    QMutexLocker lock(&arrivedLock);
                    arrived.emplace_back(record);
                },
                Qt::DirectConnection);
        loader->setThumbnailIconSize(QSize(230, 230));
        loader->loadDirectoryFilesByRange(folder.dir(), 0, 4, true);

        const auto arrivals = [&] {
            QMutexLocker lock(&arrivedLock);
            return arrived.size();
        };
        QTRY_COMPARE(arrivals(), std::size_t(4));
        QCOMPARE(offGuiThread.load(), 4);
        QMutexLocker lock(&arrivedLock);
        for (const MetadataPtr& record : arrived) {
            QVERIFY(record->isLoaded());
            QVERIFY(!record->m_graphicModel.GetData());
            QVERIFY(!record->m_thumbnail.isNull());
            QVERIFY(!record->m_thumbnailIcon.isNull());
            QCOMPARE(record->m_document->getSize(), 0ul);
            const auto tag = record->m_document->annotations.find("tag");
            if (record->m_filePath.endsWith("tagged.inkml"))
                QCOMPARE(tag->second, std::string("Harbour"));
            else
                QVERIFY(tag == record->m_document->annotations.end());
        }
        QVERIFY(!environment.prompt.askedOffGuiThread);
    }

    void samePageAgainRestartsFromItsFirstIndex()
    {
        const SketchFolder folder(environment, "again");
        folder.addWpiFiles("page", 4, sketchOf(3));
        auto loader = newLoader();
        LoaderLog log(*loader);

        loader->loadDirectoryFilesByRange(folder.dir(), 0, 4, true);
        QTRY_VERIFY(!log.records.empty());
        loader->loadDirectoryFilesByRange(folder.dir(), 0, 4, true);
        // Reported at once, on the requesting thread.
        QCOMPARE(describe(log.events.back()), describe({Kind::Count, 0}));

        QTRY_COMPARE(described(log.lastPass()), wholePass(folder.listing(), 0, 4, {Kind::Finished}));
    }

    // Requests for pages, other folders, an empty and a missing folder in
    // quick succession: the last one wins and is delivered whole, and no
    // record ever carries another folder's index.
    void stormOfPageAndFolderRequests()
    {
        const SketchFolder a(environment, "storm-a");
        a.addWpiFiles("a", 12, sketchOf(4));
        const SketchFolder b(environment, "storm-b");
        b.addWpiFiles("b", 7, sketchOf(6));
        const SketchFolder empty(environment, "storm-empty");
        const QDir missing(environment.path("storm-missing"));
        struct Request {
            QDir folder;
            unsigned from;
            unsigned to;
        };
        const std::vector<Request> requests{{a.dir(), 0, 5},  {a.dir(), 5, 10}, {a.dir(), 10, 12},
                                            {b.dir(), 0, 7},  {b.dir(), 3, 30}, {empty.dir(), 0, 0},
                                            {missing, 0, 0}};

        auto loader = newLoader();
        LoaderLog log(*loader);
        std::mt19937 random(7);
        for (int i = 0; i < 400; ++i) {
            const Request& request = requests[random() % requests.size()];
            loader->loadDirectoryFilesByRange(request.folder, request.from, request.to, true);
            if (random() % 4 == 0)
                QCoreApplication::processEvents();
            if (random() % 32 == 0)
                QTest::qWait(int(random() % 5));
        }
        loader->loadDirectoryFilesByRange(a.dir(), 5, 10, true);

        const QStringList listingA = a.listing();
        QTRY_COMPARE_WITH_TIMEOUT(described(log.lastPass()),
                                  wholePass(listingA, 5, 10, {Kind::Chunk, 5, 10}), 30000);
        const QStringList listingB = b.listing();
        for (const LoaderLog::Event& event : log.events) {
            if (event.kind != Kind::Record)
                continue;
            const QStringList& listing = event.path.startsWith(a.path()) ? listingA : listingB;
            QCOMPARE(event.path, listing.value(int(event.first)));
        }
    }

    // A request for another folder while a long file is read stops that
    // read: the long sketch fails to load and never arrives, the other
    // folder's sketches do.
    void abortReachesTheFileBeingRead()
    {
        const SketchFolder longOne(environment, "abort-long");
        longOne.addWpi("long.wpi", sketchOf(kLongSketchStrokes, 50, 2));
        const SketchFolder other(environment, "abort-other");
        other.addWpiFiles("other", 2, sketchOf(3));
        FailureLines failures;

        auto loader = newLoader();
        LoaderLog log(*loader);
        loader->loadDirectoryFilesByRange(longOne.dir(), 0, 1, true);
        // The pass has begun: the worker is at the long file.
        QTRY_VERIFY(!log.events.empty());
        QTest::qWait(50);
        loader->loadDirectoryFilesByRange(other.dir(), 0, 2, true);

        QTRY_COMPARE_WITH_TIMEOUT(described(log.lastPass()),
                                  wholePass(other.listing(), 0, 2, {Kind::Finished}), 30000);
        for (const LoaderLog::Event& event : log.events)
            QVERIFY2(!event.path.endsWith(QLatin1String("long.wpi")), "an aborted record was handed over");
        QVERIFY(failures.mention(QStringLiteral("long.wpi")));
    }

    // A FIFO, and a link to one, in a browsed folder: the pass goes past
    // them, and the loader can be destroyed in the middle of it. Should the
    // loader still wait after a while, a writer comes to release it.
    void fifoInTheFolderNeverHoldsTheLoader_data()
    {
        QTest::addColumn<bool>("destroyDuringThePass");
        QTest::newRow("pass to its end") << false;
        QTest::newRow("loader destroyed during the pass") << true;
    }
    void fifoInTheFolderNeverHoldsTheLoader()
    {
        QFETCH(bool, destroyDuringThePass);
        const SketchFolder folder(environment, destroyDuringThePass ? "fifo-destroyed" : "fifo");
        folder.addWpi("good.wpi", sketchOf(3));
        const std::string fifo = folder.file("fifo.wpi");
        QCOMPARE(::mkfifo(fifo.c_str(), 0600), 0);
        std::filesystem::create_symlink(fifo, folder.file("link.wpi"));
        // The listing leaves both out; the readers refuse them should they
        // come in between.
        QCOMPARE(folder.listing(), QStringList{folder.filePath("good.wpi")});
        std::atomic<bool> done{false};
        std::atomic<bool> released{false};
        std::thread rescuer([&] {
            for (int i = 0; i < 500 && !done; ++i)
                QThread::msleep(10);
            if (!done) {
                released = true;
                ::close(::open(fifo.c_str(), O_WRONLY | O_NONBLOCK));
            }
        });

        auto loader = newLoader();
        LoaderLog log(*loader);
        loader->loadDirectoryFilesByRange(folder.dir(), 0, unsigned(folder.listing().size()), true);
        if (destroyDuringThePass) {
            QTest::qWait(200);
            loader.reset();
        } else {
            QVERIFY(QTest::qWaitFor([&] { return log.passEnded() || released; }, 10000));
        }
        done = true;
        rescuer.join();
        QVERIFY2(!released, "the loader waited for the FIFO");
        if (!destroyDuringThePass) {
            QCOMPARE(log.records.size(), std::size_t(1));
            QCOMPARE(log.events.back().kind, Kind::Finished);
        }
    }

    void destroyingTheLoader_data()
    {
        QTest::addColumn<QString>("state");
        for (const char* state : {"never started", "in the middle of a pass", "after a pass",
                                  "ended after an empty folder", "waiting on a missing folder"})
            QTest::newRow(state) << QString::fromLatin1(state);
    }

    // Destruction returns in every state; in the middle of a pass it stops
    // after the file being read, and nothing arrives from it afterwards.
    void destroyingTheLoader()
    {
        QFETCH(QString, state);
        const SketchFolder folder(environment, "destroy");
        folder.addWpiFiles("many", 30, sketchOf(400, 20));
        const SketchFolder empty(environment, "destroy-empty");

        auto loader = newLoader();
        LoaderLog log(*loader);
        if (state == "in the middle of a pass") {
            QEventLoop firstRecord;
            connect(loader.get(), &LoaderThread::fileDocumentMetaDataReady, &firstRecord,
                    &QEventLoop::quit, Qt::QueuedConnection);
            loader->loadDirectoryFilesByRange(folder.dir(), 0, 30, true);
            firstRecord.exec();
        } else if (state == "after a pass") {
            loader->loadDirectoryFilesByRange(folder.dir(), 0, 2, true);
            QTRY_VERIFY(log.passEnded());
        } else if (state == "ended after an empty folder") {
            loader->loadDirectoryFilesByRange(empty.dir(), 0, 0, true);
            QTRY_VERIFY(loader->isFinished());
        } else if (state == "waiting on a missing folder") {
            loader->loadDirectoryFilesByRange(QDir(environment.path("gone")), 0, 3, true);
        }

        loader.reset();
        const std::size_t arrived = log.records.size();
        QCoreApplication::processEvents();
        QTest::qWait(20);
        if (state == "in the middle of a pass")
            QVERIFY2(log.records.size() < 30, "the pass ran on after the loader was destroyed");
        else
            QCOMPARE(log.records.size(), arrived);
    }

    void emptyFolderThatLaterGetsFiles_data()
    {
        QTest::addColumn<bool>("waitForTheEnd");
        QTest::newRow("after the thread ended") << true;
        QTest::newRow("while the thread is ending") << false;
    }

    void emptyFolderThatLaterGetsFiles()
    {
        QFETCH(bool, waitForTheEnd);
        const int rounds = waitForTheEnd ? 1 : 25;
        for (int round = 0; round < rounds; ++round) {
            const SketchFolder folder(environment, "filled-" + std::to_string(round));
            auto loader = newLoader();
            LoaderLog log(*loader);
            loader->loadDirectoryFilesByRange(folder.dir(), 0, 0, true);
            if (waitForTheEnd) {
                QTRY_VERIFY(loader->isFinished());
                // The pass's queued signals may arrive after the thread's end.
                QTRY_COMPARE(described(log.events),
                             described({{Kind::Count, 0}, {Kind::Cleared}}));
            }

            folder.addWpiFiles("new", 2, sketchOf(3));
            loader->loadDirectoryFilesByRange(folder.dir(), 0, 2, true);

            QTRY_COMPARE(described(log.lastPass()),
                         wholePass(folder.listing(), 0, 2, {Kind::Finished}));
        }
    }

    // Receivers connected directly may call the loader back: no signal is
    // emitted while one of its locks is held.
    void receiversMayCallBackIntoTheLoader()
    {
        const SketchFolder folder(environment, "callback");
        folder.addWpiFiles("page", 3, sketchOf(3));
        auto loader = newLoader();
        LoaderLog log(*loader);
        std::atomic<int> callbacks{0};
        const auto callBack = [&] {
            loader->updateFilesList();
            ++callbacks;
        };
        connect(loader.get(), &LoaderThread::filesCountSignal, loader.get(), callBack,
                Qt::DirectConnection);
        connect(loader.get(), &LoaderThread::fileDocumentMetaDataReady, loader.get(), callBack,
                Qt::DirectConnection);
        connect(loader.get(), &LoaderThread::loadFilesFinishedSgnl, loader.get(), callBack,
                Qt::DirectConnection);

        loader->loadDirectoryFilesByRange(folder.dir(), 0, 3, true);
        QTRY_VERIFY(log.passEnded());
        loader->loadDirectoryFilesByRange(folder.dir(), 0, 3, true);
        QTRY_COMPARE(described(log.lastPass()), wholePass(folder.listing(), 0, 3, {Kind::Finished}));
        // Two passes of a count, three records and an end, and the restart's count.
        QCOMPARE(callbacks.load(), 11);
    }
};

QTEST_MAIN(LoaderThreadTest)
#include "tst_loaderthread.moc"
