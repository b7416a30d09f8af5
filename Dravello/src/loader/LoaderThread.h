#ifndef DRAVELLO_LOADER_LOADERTHREAD_H
#define DRAVELLO_LOADER_LOADERTHREAD_H

#include <QDir>
#include <QSize>
#include <QString>
#include <QStringList>
#include <QThread>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <vector>

class DocumentGraphicModel;
class DocumentMetaData;
class QPixmap;

Q_MOC_INCLUDE("DocumentGraphicModel.h")
Q_MOC_INCLUDE("DocumentMetaData.h")
Q_MOC_INCLUDE(<QPixmap>)

// The absolute paths of the folder's entries that match both kinds of
// filter, in the order the directory yields them (unsorted, no subfolders).
// A file is a regular file or a link to one: QDir::Files would also let
// links to FIFOs, devices and sockets through, which no reader may open.
QStringList getDirContent(const QString& folder, QDir::Filters filters,
                          const QStringList& nameFilters);

// Reads one range of a folder's sketch files at a time on its own thread and
// hands every record that loaded to its receiver by fileDocumentMetaDataReady
// (queued across the threads), in index order; the receiver owns the record
// from then on. The files of a range are read by a few helper threads at
// once, as many as a memory budget for the reads allows (estimated from the
// files' sizes; a large file is read alone), which also draw each record's
// thumbnail and icon pictures. A record is handed over with its pictures and
// its document's annotations and loaded flag; its ink is dropped once the
// pictures are drawn.
//
// A new request stops the running pass: the file being read is aborted and
// the records of a stopped pass are deleted, never handed over. Requests,
// setFileExtentionsList, updateFilesList and the destructor belong to the
// GUI thread; no signal is emitted while one of the loader's locks is held.
class LoaderThread : public QThread {
    Q_OBJECT

public:
    LoaderThread();
    // Stops after the file being read (which is not aborted) and waits for the thread.
    ~LoaderThread() override;

    // Name filters for the folder listing: the text split at every single
    // space, empty parts kept.
    void setFileExtentionsList(const QString& extensions);
    // Loads the files [from, to) of the folder's listing; another folder is
    // listed first. The last argument is not used.
    void loadDirectoryFilesByRange(const QDir& folder, unsigned from, unsigned to, bool);
    // Lists the current folder again; the range stays.
    void updateFilesList();
    // The size of the icons the receiver shows, for the records' icon
    // pictures; from the next request on.
    void setThumbnailIconSize(const QSize& size);

signals:
    void fileDocumentMetaDataReady(DocumentMetaData* docMetaData, uint currentIndexPosition);
    // The index of the range gave no record (unreadable, vanished, beyond
    // the listing), in the order of the records.
    void fileNotLoadedSignal(uint currentIndexPosition);
    // The range's size at the start of a pass; 0 for a folder without
    // sketch files, and 0 from the requesting thread for every restart.
    void filesCountSignal(int count);
    // A whole range was read that ends before the end of the listing.
    void filesLoadProgressChunkDone(uint filesProcessInThisChunk, uint currentIndex);
    // A whole range was read that ends at the end of the listing.
    void loadFilesFinishedSgnl();
    // The folder has no sketch file; the thread ends.
    void clearThumbnailListWidgetSignal();
    // Declared for receivers; never emitted.
    void filesLoadProgressSignal(int index);
    void fileDocumentReady(DocumentGraphicModel* docModel, QString fileFullPath);
    void filePaixmapReady(QPixmap* pixmap, QString fileFullPath);

protected:
    void run() override;

private:
    // A request as the worker takes it over.
    struct Pass {
        QString folder;
        unsigned from = 0;
        unsigned count = 0;
        QSize iconSize;
    };
    // What the worker does when no request is pending.
    enum class WhenIdle { Wait, End };
    class RangeReading;

    // With the request lock held: asks the running pass to stop, aborts the
    // file being read and wakes the thread.
    void abortPreviousLoadingOperation();
    // With the request lock held: lists the current folder.
    void resetInternalData();
    bool hasFiles();

    // QThread::wait(), then the acquire that pairs with the release at the
    // end of run(). wait() orders the thread's work before what follows it
    // through Qt's own lock, which the thread sanitizer cannot see; the pair
    // says the same in a form it follows.
    void waitForRunEnd();
    // The passes, until the thread is to end (run() is this and the release).
    void runPasses();
    // The pending request, or false when the thread is to end.
    bool nextRequest(Pass& pass, WhenIdle idle);
    Pass pendingPass() const;
    void loadRange(const Pass& pass);
    // The record of the file at the index with its thumbnail and icon
    // pictures; null when it did not load or the pass was stopped. Any thread.
    std::unique_ptr<DocumentMetaData> readFile(unsigned index, const QSize& iconSize);
    // 0 for an index beyond the listing or a file gone.
    qint64 fileSize(unsigned index);
    bool beginLoad(DocumentMetaData* record);
    void endLoad(DocumentMetaData* record);
    QString fileAt(unsigned index);
    void reportEndOfPass(const Pass& pass);
    bool passStopped() const { return m_restart || m_quit; }

    // The locks are taken in the order request, range, load. They are the
    // standard library's, whose waits the thread sanitizer follows.
    // Request lock: the pending request, the folder and the running state;
    // the thread sleeps on the wake-up between passes.
    std::mutex m_requestMutex;
    std::condition_variable m_wakeUp;
    std::atomic<bool> m_restart{false};
    std::atomic<bool> m_quit{false};
    // Stored (release) as the last step of run(); see waitForRunEnd().
    std::atomic<bool> m_runEnded{false};
    // Load lock: the records being read.
    std::mutex m_loadMutex;
    // Range lock: the name filters and the file list.
    std::mutex m_rangeMutex;
    QStringList m_nameFilters;
    std::vector<DocumentMetaData*> m_recordsBeingRead;
    QDir m_folder;
    std::vector<QString> m_files;
    unsigned m_from = 0;
    unsigned m_count = 0;
    QSize m_iconSize;
    // True from start() until the worker decides to end.
    bool m_running = false;
};

#endif
