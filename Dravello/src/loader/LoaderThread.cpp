#include "LoaderThread.h"

#include "DocumentMetaData.h"

#include <QDebug>
#include <QDirIterator>
#include <QFileInfo>

#include <memory>

namespace {

constexpr QDir::Filters kSketchFiles = QDir::Files | QDir::Readable;

} // namespace

QStringList getDirContent(const QString& folder, QDir::Filters filters,
                          const QStringList& nameFilters)
{
    QStringList paths;
    QDirIterator entries(folder, nameFilters, filters);
    while (entries.hasNext())
        paths << QFileInfo(entries.next()).absoluteFilePath();
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

void LoaderThread::abortPreviousLoadingOperation()
{
    {
        std::lock_guard<std::mutex> load(m_loadMutex);
        m_restart = true;
        if (m_currentRecord)
            m_currentRecord->abortLoadFromFile();
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
    return Pass{m_folder.absolutePath(), m_from, m_count};
}

void LoaderThread::loadRange(const Pass& pass)
{
    const unsigned end = pass.from + pass.count;
    for (unsigned index = pass.from; index < end; ++index) {
        if (passStopped())
            return;
        loadFileAt(index);
    }
    if (!passStopped())
        reportEndOfPass(pass);
}

// Indexes beyond the listing, empty paths and files gone from the disk are
// passed over.
void LoaderThread::loadFileAt(unsigned index)
{
    const QString path = fileAt(index);
    if (path.isEmpty() || !QFileInfo::exists(path))
        return;
    auto record = std::make_unique<DocumentMetaData>(QDir::toNativeSeparators(path));
    if (!beginLoad(record.get()))
        return;
    const bool loaded = record->loadDocumentFromFile();
    endLoad();
    if (!loaded) {
        qDebug() << "failed to load " << record->m_filePath << " file in loaderThread ActualReading";
        return;
    }
    // A record read while its pass was stopped (perhaps cut short) is dropped.
    if (passStopped())
        return;
    emit fileDocumentMetaDataReady(record.release(), index);
}

// From here until endLoad() an abort reaches the record; false when the
// pass was stopped before.
bool LoaderThread::beginLoad(DocumentMetaData* record)
{
    std::lock_guard<std::mutex> load(m_loadMutex);
    if (passStopped())
        return false;
    m_currentRecord = record;
    return true;
}

void LoaderThread::endLoad()
{
    std::lock_guard<std::mutex> load(m_loadMutex);
    m_currentRecord = nullptr;
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
