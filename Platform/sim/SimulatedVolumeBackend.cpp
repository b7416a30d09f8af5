#include "SimulatedVolumeBackend.h"

#include <algorithm>
#include <utility>

namespace PlatformSim {

namespace {

using Session = SimulatedVolumeBackend::Session;
using Platform::VolumeCallback;
using Platform::VolumeCallbacks;
using Platform::VolumeDescription;

class SimulatedVolumeSession : public Platform::VolumeSession {
public:
    explicit SimulatedVolumeSession(std::shared_ptr<Session> session) : session(std::move(session))
    {
    }
    ~SimulatedVolumeSession() override { session->target.deactivate(); }

private:
    std::shared_ptr<Session> session;
};

// Posts the callback chosen by member to the session's loop.
void report(const std::shared_ptr<Session>& session, VolumeCallback VolumeCallbacks::*member,
            const VolumeDescription& description)
{
    session->target.post([session, member, description] {
        if (session->target.isActive())
            (session->callbacks.*member)(description);
    });
}

} // namespace

SimulatedVolumeBackend::VolumeId SimulatedVolumeBackend::appear(VolumeDescription description)
{
    std::lock_guard<std::mutex> lock(mutex);
    const VolumeId id = nextId++;
    if (!description.deviceNode)
        description.deviceNode = "simulated-disk-" + std::to_string(id);
    volumes.push_back(Volume{id, std::move(description)});
    reportAll(&VolumeCallbacks::appeared, volumes.back().description);
    return id;
}

void SimulatedVolumeBackend::mount(VolumeId id, std::string path)
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto volume = find(id);
    if (volume != volumes.end()) {
        volume->description.volumePath = std::move(path);
        reportAll(&VolumeCallbacks::mounted, volume->description);
    }
}

void SimulatedVolumeBackend::unmount(VolumeId id)
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto volume = find(id);
    if (volume == volumes.end() || !volume->description.volumePath)
        return;
    reportAll(&VolumeCallbacks::disappeared, volume->description);
    volume->description.volumePath.reset();
}

void SimulatedVolumeBackend::disappear(VolumeId id)
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = find(id);
    if (found == volumes.end())
        return;
    const VolumeDescription description = found->description;
    volumes.erase(found);
    reportAll(&VolumeCallbacks::disappeared, description);
}

int SimulatedVolumeBackend::activeSessionCount() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return countActive(sessions);
}

std::unique_ptr<Platform::VolumeSession>
SimulatedVolumeBackend::listen(Platform::RunLoop& loop, VolumeCallbacks callbacks)
{
    auto session = std::shared_ptr<Session>(new Session{std::move(callbacks), LoopTarget(loop)});
    std::lock_guard<std::mutex> lock(mutex);
    dropInactive(sessions);
    sessions.push_back(session);
    for (const Volume& volume : volumes)
        report(session, &VolumeCallbacks::appeared, volume.description);
    return std::make_unique<SimulatedVolumeSession>(session);
}

std::vector<SimulatedVolumeBackend::Volume>::iterator SimulatedVolumeBackend::find(VolumeId id)
{
    return std::find_if(volumes.begin(), volumes.end(),
                        [id](const Volume& volume) { return volume.id == id; });
}

void SimulatedVolumeBackend::reportAll(VolumeCallback VolumeCallbacks::*callback,
                                       const VolumeDescription& description)
{
    for (const auto& session : sessions)
        report(session, callback, description);
}

} // namespace PlatformSim
