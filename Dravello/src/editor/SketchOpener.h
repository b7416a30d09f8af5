#ifndef DRAVELLO_EDITOR_SKETCHOPENER_H
#define DRAVELLO_EDITOR_SKETCHOPENER_H

#include "GuiSlices.h"
#include "MetadataPtr.h"

#include <QObject>
#include <QString>

#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>

class DocumentMetaData;
class SceneAssembly;

Q_MOC_INCLUDE("DocumentMetaData.h")

// Opens sketch files for the editor without holding the GUI thread: a
// worker thread reads the file and makes the editor's centred record of it
// (the document moved as its centring copy is, and the drawings of its
// strokes as pressure outlines); the record's scene is then built on the
// GUI thread a slice at a time. One sketch at a time: a new open() or
// cancel() drops the one in flight (its read is aborted, nothing of it is
// reported and what it made is let go of off the GUI thread). GUI thread.
class SketchOpener : public QObject {
    Q_OBJECT

public:
    explicit SketchOpener(QObject* parent = nullptr);
    // Drops the open in flight and waits for the worker, whose read stops at
    // its next look at the abort flag.
    ~SketchOpener() override;

    void open(const QString& path);
    void cancel();
    // From open() until opened(), failed() or cancel().
    bool isOpening() const { return !m_path.isEmpty(); }
    const QString& openingPath() const { return m_path; }

signals:
    // The editor's record of the sketch: centred, with its scene.
    void opened(MetadataPtr record);
    // The file did not load.
    void failed(const QString& path);

private:
    struct Request;
    struct Prepared;

    void work();
    // Reads and prepares; null when the request was dropped meanwhile.
    std::unique_ptr<Prepared> prepare(Request& request);
    bool isDropped(const Request& request);
    void take(quint64 id, const std::shared_ptr<Prepared>& prepared);
    void sceneBuilt();

    // GUI thread.
    QString m_path;
    quint64 m_id = 0;
    std::unique_ptr<DocumentMetaData> m_record;
    std::unique_ptr<SceneAssembly> m_assembly;
    GuiSlices m_slices;

    // Shared with the worker.
    std::mutex m_lock;
    std::condition_variable m_wakeUp;
    std::shared_ptr<Request> m_pending;
    std::shared_ptr<Request> m_running;
    DocumentMetaData* m_reading = nullptr;
    bool m_quit = false;
    std::thread m_worker;
};

#endif
