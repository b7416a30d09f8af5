#include "LoaderThread.h"

#include "Document.h"
#include "DocumentMetaData.h"
#include "InkMLDefinitions.h"
#include "ReadingBudget.h"
#include "ThumbnailPicture.h"
#include "WpiParser.h"
#include "XmlFile.h"

#include <QDebug>
#include <QDirIterator>
#include <QFileInfo>

#include <algorithm>
#include <sys/resource.h>
#include <thread>
#include <unistd.h>

namespace {

constexpr QDir::Filters kSketchFiles = QDir::Files | QDir::Readable;
// Files read at once, and how many records each reader may keep ready
// beyond the one handed over next.
constexpr int kMostReaders = 8;
constexpr unsigned kRecordsAheadPerReader = 2;

// How much less than the GUI thread a reader weighs when the processors are
// busy (steps of niceness).
constexpr int kReaderNiceness = 3;

// What the files read at once may take while they are read, estimated from
// their sizes: a file whose estimate fills the budget is read alone.
constexpr std::size_t kReadingBudgetBytes = std::size_t(1) << 30;
// Memory a read takes per byte of its file, at most (bench/memory and the
// readers' limits): a WPI file of bare coordinates gives a 48-byte point for
// every six bytes and is held whole meanwhile (9), one of a stroke per
// point some 18; InkML's tree of nodes takes up to some 23 while it is
// parsed. The thumbnail's drawing adds little.
constexpr std::size_t kReadingBytesPerFileByte = 24;

unsigned readerCount()
{
    return static_cast<unsigned>(std::clamp(QThread::idealThreadCount() - 1, 1, kMostReaders));
}

// The memory the read of a file of this size takes, at most; the readers
// refuse larger files unread.
std::size_t readingCost(qint64 fileBytes)
{
    const std::size_t largest = std::max(Pelm::WpiParser::maxFileSize, Pelm::maxXmlFileBytes);
    const std::size_t read = std::min(static_cast<std::size_t>(std::max<qint64>(fileBytes, 0)), largest);
    return read * kReadingBytesPerFileByte;
}

// The receiver shows a record's pictures and reads its document's
// annotations (the tag of the tool tip): the ink and the definitions go as
// soon as the pictures are drawn, so that records waiting to be handed over
// hold pictures only.
void dropInk(DocumentMetaData& record)
{
    auto* kept = new Pelm::Document;
    kept->annotations = record.m_document->annotations;
    kept->loaded.Set(record.m_document->loaded.Get());
    record.m_document = DocumentMetaData::DocumentPtr(kept);
    record.m_inkDefinitions = DocumentMetaData::DefinitionsPtr();
}

// Lowers the calling thread's scheduling priority only (on this platform a
// thread's niceness is its own), so that the GUI thread gets the processor
// first and the window stays live while a page is read.
void yieldToTheGuiThread()
{
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()),
                  ::getpriority(PRIO_PROCESS, static_cast<id_t>(::gettid())) + kReaderNiceness);
}

} // namespace

// The files of one pass, read by a few helper threads and taken back in
// index order. A helper reads at most a few files ahead of the one taken
// next, so a slow file does not pile records up, and claims the memory its
// file will take from the pass's budget first, so that large files are
// read one or a few at a time. Its lock comes after all of the loader's and
// is never held while they are taken.
class LoaderThread::RangeReading {
public:
    RangeReading(LoaderThread& loader, const Pass& pass)
        : m_loader(loader),
          m_iconSize(pass.iconSize),
          m_end(pass.from + pass.count),
          m_window(readerCount() * kRecordsAheadPerReader),
          m_budget(kReadingBudgetBytes),
          m_slots(m_window),
          m_nextToRead(pass.from),
          m_nextToTake(pass.from)
    {
        const unsigned readers = std::min(readerCount(), pass.count);
        for (unsigned i = 0; i < readers; ++i)
            m_readers.emplace_back([this] { readFiles(); });
    }

    // The readers finish the files they are at; records not taken go.
    ~RangeReading()
    {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_closing = true;
        }
        m_changed.notify_all();
        m_budget.close();
        for (std::thread& reader : m_readers)
            reader.join();
    }

    RangeReading(const RangeReading&) = delete;
    RangeReading& operator=(const RangeReading&) = delete;

    // The record of the next index, once it is read; null when it gave none.
    std::unique_ptr<DocumentMetaData> takeNext()
    {
        std::unique_lock<std::mutex> lock(m_lock);
        Slot& slot = slotOf(m_nextToTake);
        m_changed.wait(lock, [&slot] { return slot.done; });
        std::unique_ptr<DocumentMetaData> record = std::move(slot.record);
        slot.done = false;
        ++m_nextToTake;
        lock.unlock();
        m_changed.notify_all();
        return record;
    }

private:
    struct Slot {
        bool done = false;
        std::unique_ptr<DocumentMetaData> record;
    };

    Slot& slotOf(unsigned index) { return m_slots[index % m_window]; }

    void readFiles()
    {
        yieldToTheGuiThread();
        for (;;) {
            unsigned index = 0;
            {
                std::unique_lock<std::mutex> lock(m_lock);
                m_changed.wait(lock, [this] {
                    return m_closing || m_nextToRead == m_end || m_nextToRead - m_nextToTake < m_window;
                });
                if (m_closing || m_nextToRead == m_end)
                    return;
                index = m_nextToRead++;
            }
            const std::size_t cost = readingCost(m_loader.fileSize(index));
            if (!m_budget.claim(cost))
                return;
            std::unique_ptr<DocumentMetaData> record = m_loader.readFile(index, m_iconSize);
            m_budget.release(cost);
            {
                std::lock_guard<std::mutex> lock(m_lock);
                Slot& slot = slotOf(index);
                slot.record = std::move(record);
                slot.done = true;
            }
            m_changed.notify_all();
        }
    }

    LoaderThread& m_loader;
    const QSize m_iconSize;
    const unsigned m_end;
    const unsigned m_window;
    ReadingBudget m_budget;
    std::mutex m_lock;
    std::condition_variable m_changed;
    // Index i waits in slot i modulo the window.
    std::vector<Slot> m_slots;
    unsigned m_nextToRead;
    unsigned m_nextToTake;
    bool m_closing = false;
    std::vector<std::thread> m_readers;
};

QStringList getDirContent(const QString& folder, QDir::Filters filters,
                          const QStringList& nameFilters)
{
    QStringList paths;
    QDirIterator entries(folder, nameFilters, filters);
    while (entries.hasNext()) {
        entries.next();
        const QFileInfo entry = entries.fileInfo();
        if ((filters & QDir::Files) && !entry.isDir() && !entry.isFile())
            continue;
        paths << entry.absoluteFilePath();
    }
    return paths;
}

LoaderThread::LoaderThread() = default;

LoaderThread::~LoaderThread()
{
    {
        std::lock_guard<std::mutex> request(m_requestMutex);
        m_quit = true;
        m_wakeUp.notify_all();
    }
    waitForRunEnd();
}

void LoaderThread::setFileExtentionsList(const QString& extensions)
{
    const QStringList filters = extensions.split(QLatin1Char(' '), Qt::KeepEmptyParts);
    std::lock_guard<std::mutex> range(m_rangeMutex);
    m_nameFilters = filters;
}

void LoaderThread::loadDirectoryFilesByRange(const QDir& folder, unsigned from, unsigned to, bool)
{
    bool restarted = false;
    {
        std::lock_guard<std::mutex> request(m_requestMutex);
        const bool sameFolder = folder.canonicalPath() == m_folder.canonicalPath();
        // Before the file list is touched, so that the pass lets go of it at once.
        restarted = sameFolder || m_running;
        if (restarted)
            abortPreviousLoadingOperation();
        if (!sameFolder)
            m_folder = folder;
        // A folder that had no sketch files may have got some since.
        if (!sameFolder || !hasFiles())
            resetInternalData();
        m_from = from;
        m_count = to > from ? to - from : 0;
        if (!m_running) {
            waitForRunEnd();
            m_running = true;
            start();
        }
    }
    if (restarted)
        emit filesCountSignal(0);
}

void LoaderThread::updateFilesList()
{
    std::lock_guard<std::mutex> request(m_requestMutex);
    resetInternalData();
}

void LoaderThread::setThumbnailIconSize(const QSize& size)
{
    std::lock_guard<std::mutex> request(m_requestMutex);
    m_iconSize = size;
}

void LoaderThread::abortPreviousLoadingOperation()
{
    {
        std::lock_guard<std::mutex> load(m_loadMutex);
        m_restart = true;
        for (DocumentMetaData* record : m_recordsBeingRead)
            record->abortLoadFromFile();
    }
    m_wakeUp.notify_all();
}

void LoaderThread::resetInternalData()
{
    const QString folder = m_folder.absolutePath();
    std::lock_guard<std::mutex> range(m_rangeMutex);
    const QStringList paths = getDirContent(folder, kSketchFiles, m_nameFilters);
    m_files.assign(paths.cbegin(), paths.cend());
}

bool LoaderThread::hasFiles()
{
    std::lock_guard<std::mutex> range(m_rangeMutex);
    return !m_files.empty();
}

void LoaderThread::waitForRunEnd()
{
    wait();
    m_runEnded.load(std::memory_order_acquire);
}

void LoaderThread::run()
{
    runPasses();
    m_runEnded.store(true, std::memory_order_release);
}

void LoaderThread::runPasses()
{
    Pass pass;
    {
        std::lock_guard<std::mutex> request(m_requestMutex);
        m_restart = false;
        pass = pendingPass();
    }
    for (;;) {
        // A folder that is gone waits for the next request and takes the
        // listing that request leaves.
        if (!QFileInfo(pass.folder).isDir() && !nextRequest(pass, WhenIdle::Wait))
            return;
        if (!hasFiles()) {
            emit filesCountSignal(0);
            emit clearThumbnailListWidgetSignal();
            if (!nextRequest(pass, WhenIdle::End))
                return;
            continue;
        }
        emit filesCountSignal(static_cast<int>(pass.count));
        if (m_quit)
            return;
        loadRange(pass);
        if (!nextRequest(pass, WhenIdle::Wait))
            return;
    }
}

bool LoaderThread::nextRequest(Pass& pass, WhenIdle idle)
{
    std::unique_lock<std::mutex> request(m_requestMutex);
    if (idle == WhenIdle::Wait)
        m_wakeUp.wait(request, [this] { return m_restart || m_quit; });
    if (m_quit)
        return false;
    if (!m_restart) {
        // Decided under the request lock, so a request made from here on starts the thread again.
        m_running = false;
        return false;
    }
    m_restart = false;
    pass = pendingPass();
    return true;
}

LoaderThread::Pass LoaderThread::pendingPass() const
{
    return Pass{m_folder.absolutePath(), m_from, m_count, m_iconSize};
}

// Records of a stopped pass are dropped, never handed over.
void LoaderThread::loadRange(const Pass& pass)
{
    if (passStopped())
        return;
    RangeReading reading(*this, pass);
    for (unsigned i = 0; i < pass.count; ++i) {
        std::unique_ptr<DocumentMetaData> record = reading.takeNext();
        if (passStopped())
            return;
        const unsigned index = pass.from + i;
        if (record)
            emit fileDocumentMetaDataReady(record.release(), index);
        else
            emit fileNotLoadedSignal(index);
    }
    reportEndOfPass(pass);
}

// Indexes beyond the listing, empty paths and files gone from the disk give
// no record.
std::unique_ptr<DocumentMetaData> LoaderThread::readFile(unsigned index, const QSize& iconSize)
{
    const QString path = fileAt(index);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return nullptr;
    auto record = std::make_unique<DocumentMetaData>(QDir::toNativeSeparators(path));
    if (!beginLoad(record.get()))
        return nullptr;
    const bool loaded = record->loadDocumentFromFile();
    endLoad(record.get());
    if (!loaded) {
        qDebug() << "failed to load " << record->m_filePath << " file in loaderThread ActualReading";
        return nullptr;
    }
    // A record read while its pass was stopped may be cut short.
    if (passStopped())
        return nullptr;
    record->m_thumbnail = drawThumbnail(*record->m_document.GetData(), record->m_paintFormat);
    record->m_thumbnailIcon = iconPicture(record->m_thumbnail, iconSize);
    dropInk(*record);
    return record;
}

qint64 LoaderThread::fileSize(unsigned index)
{
    const QString path = fileAt(index);
    return path.isEmpty() ? 0 : QFileInfo(path).size();
}

// From here until endLoad() an abort reaches the record; false when the
// pass was stopped before.
bool LoaderThread::beginLoad(DocumentMetaData* record)
{
    std::lock_guard<std::mutex> load(m_loadMutex);
    if (passStopped())
        return false;
    m_recordsBeingRead.push_back(record);
    return true;
}

void LoaderThread::endLoad(DocumentMetaData* record)
{
    std::lock_guard<std::mutex> load(m_loadMutex);
    m_recordsBeingRead.erase(std::find(m_recordsBeingRead.begin(), m_recordsBeingRead.end(), record));
}

QString LoaderThread::fileAt(unsigned index)
{
    std::lock_guard<std::mutex> range(m_rangeMutex);
    return index < m_files.size() ? m_files[index] : QString();
}

void LoaderThread::reportEndOfPass(const Pass& pass)
{
    const unsigned end = pass.from + pass.count;
    std::size_t total = 0;
    {
        std::lock_guard<std::mutex> range(m_rangeMutex);
        total = m_files.size();
    }
    if (end == total)
        emit loadFilesFinishedSgnl();
    else
        emit filesLoadProgressChunkDone(pass.count, end);
}
