#include "SketchOpener.h"

#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "InkDrawing.h"
#include "RecordRelease.h"
#include "SceneAssembly.h"

#include <QDir>

#include <optional>
#include <utility>

struct SketchOpener::Request {
    quint64 id;
    QString path;
    // Set under the lock.
    bool dropped = false;
};

struct SketchOpener::Prepared {
    std::unique_ptr<DocumentMetaData> record;
    std::optional<InkDrawing> drawing;
    QRectF paper;
};

SketchOpener::SketchOpener(QObject* parent) : QObject(parent), m_worker([this] { work(); })
{
    connect(&m_slices, &GuiSlices::finished, this, &SketchOpener::sceneBuilt);
}

SketchOpener::~SketchOpener()
{
    cancel();
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_quit = true;
    }
    m_wakeUp.notify_all();
    m_worker.join();
}

void SketchOpener::open(const QString& path)
{
    cancel();
    m_path = path;
    auto request = std::make_shared<Request>();
    request->id = m_id;
    request->path = path;
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_pending = std::move(request);
    }
    m_wakeUp.notify_all();
}

void SketchOpener::cancel()
{
    ++m_id;
    m_path.clear();
    m_slices.stop();
    m_assembly.reset();
    releaseRecord(std::move(m_record));
    std::lock_guard<std::mutex> lock(m_lock);
    m_pending.reset();
    if (m_running) {
        m_running->dropped = true;
        if (m_reading)
            m_reading->abortLoadFromFile();
    }
}

void SketchOpener::work()
{
    for (;;) {
        std::shared_ptr<Request> request;
        {
            std::unique_lock<std::mutex> lock(m_lock);
            m_wakeUp.wait(lock, [this] { return m_quit || m_pending; });
            if (m_quit)
                return;
            request = std::move(m_pending);
            m_running = request;
        }
        std::shared_ptr<Prepared> prepared = prepare(*request);
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_running.reset();
        }
        if (!prepared && isDropped(*request))
            continue;
        QMetaObject::invokeMethod(
            this, [this, id = request->id, prepared] { take(id, prepared); }, Qt::QueuedConnection);
    }
}

bool SketchOpener::isDropped(const Request& request)
{
    std::lock_guard<std::mutex> lock(m_lock);
    return request.dropped;
}

std::unique_ptr<SketchOpener::Prepared> SketchOpener::prepare(Request& request)
{
    auto record = std::make_unique<DocumentMetaData>(QDir::toNativeSeparators(request.path));
    {
        std::lock_guard<std::mutex> lock(m_lock);
        if (request.dropped)
            return nullptr;
        m_reading = record.get();
    }
    const bool loaded = record->loadDocumentFromFile();
    {
        std::lock_guard<std::mutex> lock(m_lock);
        m_reading = nullptr;
    }
    if (!loaded || isDropped(request))
        return nullptr;
    auto prepared = std::make_unique<Prepared>();
    prepared->paper = record->centreInPlace();
    prepared->drawing.emplace(*record->m_document.GetData(), record->m_paintFormat, true);
    prepared->record = std::move(record);
    return prepared;
}

// A null result is a file that did not load.
void SketchOpener::take(quint64 id, const std::shared_ptr<Prepared>& prepared)
{
    if (id != m_id) {
        if (prepared)
            releaseRecord(std::move(prepared->record));
        return;
    }
    if (!prepared) {
        const QString path = std::exchange(m_path, QString());
        emit failed(path);
        return;
    }
    m_record = std::move(prepared->record);
    m_assembly = std::make_unique<SceneAssembly>(std::move(*prepared->drawing), prepared->paper);
    prepared->drawing.reset();
    m_slices.start([this](const QDeadlineTimer& deadline) { return m_assembly->buildUntil(deadline); });
}

void SketchOpener::sceneBuilt()
{
    m_record->m_graphicModel = DocumentMetaData::GraphicModelPtr(m_assembly->takeScene());
    m_assembly.reset();
    MetadataPtr record(m_record.release());
    m_path.clear();
    emit opened(record);
}
