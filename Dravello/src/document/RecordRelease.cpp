#include "RecordRelease.h"

#include "ApplicationLifetime.h"
#include "DocumentGraphicModel.h"
#include "DocumentMetaData.h"
#include "SceneAssembly.h"

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>
#include <utility>

namespace {

// Takes the scene out of a record that is about to go, for the slices.
void disposeSceneOf(DocumentMetaData& record)
{
    DocumentMetaData::GraphicModelPtr& scene = record.m_graphicModel;
    if (!scene.GetData() || !scene.IsOnlyReference())
        return;
    DocumentGraphicModel* model = scene.GetData();
    scene.SetData(nullptr);
    scene = DocumentMetaData::GraphicModelPtr();
    disposeSceneInSlices(model);
}

// The thread that deletes records handed to it, oldest first. It ends,
// having deleted what is left, with the application object.
class RecordReleaser {
public:
    RecordReleaser() : m_thread([this] { run(); }) {}

    ~RecordReleaser()
    {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_quit = true;
        }
        m_wakeUp.notify_all();
        m_thread.join();
    }

    void add(std::unique_ptr<DocumentMetaData> record)
    {
        {
            std::lock_guard<std::mutex> lock(m_lock);
            m_records.push_back(std::move(record));
        }
        m_wakeUp.notify_all();
    }

private:
    void run()
    {
        std::unique_lock<std::mutex> lock(m_lock);
        for (;;) {
            m_wakeUp.wait(lock, [this] { return m_quit || !m_records.empty(); });
            if (m_records.empty())
                return;
            std::unique_ptr<DocumentMetaData> record = std::move(m_records.front());
            m_records.pop_front();
            lock.unlock();
            record.reset();
            lock.lock();
        }
    }

    std::mutex m_lock;
    std::condition_variable m_wakeUp;
    std::deque<std::unique_ptr<DocumentMetaData>> m_records;
    bool m_quit = false;
    std::thread m_thread;
};

} // namespace

void releaseRecord(MetadataPtr& record)
{
    MetadataPtr last;
    std::swap(last, record);
    if (!last.GetData() || !last.IsOnlyReference())
        return;
    disposeSceneOf(*last.GetData());
    // The record goes as the releaser lets go of the handle's last count.
    DocumentMetaData* owned = last.GetData();
    last.SetData(nullptr);
    untilTheApplicationEnds<RecordReleaser>().add(std::unique_ptr<DocumentMetaData>(owned));
}

void releaseRecord(std::unique_ptr<DocumentMetaData> record)
{
    if (!record)
        return;
    disposeSceneOf(*record);
    untilTheApplicationEnds<RecordReleaser>().add(std::move(record));
}
