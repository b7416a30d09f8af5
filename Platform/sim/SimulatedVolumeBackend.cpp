#include "SimulatedVolumeBackend.h"

#include <algorithm>
#include <utility>

namespace PlatformSim {

namespace {

using Session = SimulatedVolumeBackend::Session;
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
void report(const std::shared_ptr<Session>& session, Platform::VolumeCallback Session::*member,
            const VolumeDescription& description)
{
    session->target.post([session, member, description] {
        if (session->target.isActive())
            ((*session).*member)(description);
    });
}

} // namespace

SimulatedVolumeBackend::VolumeId SimulatedVolumeBackend::appear(VolumeDescription description)
{
    std::lock_guard<std::mutex> lock(mutex);
    volumes.push_back(Volume{nextId++, std::move(description)});
    for (const auto& session : sessions)
        report(session, &Session::appeared, volumes.back().description);
    return volumes.back().id;
}

void SimulatedVolumeBackend::disappear(VolumeId id)
{
    std::lock_guard<std::mutex> lock(mutex);
    const auto found = std::find_if(volumes.begin(), volumes.end(),
                                    [id](const Volume& volume) { return volume.id == id; });
    if (found == volumes.end())
        return;
    const VolumeDescription description = found->description;
    volumes.erase(found);
    for (const auto& session : sessions)
        report(session, &Session::disappeared, description);
}

int SimulatedVolumeBackend::activeSessionCount() const
{
    std::lock_guard<std::mutex> lock(mutex);
    return countActive(sessions);
}

std::unique_ptr<Platform::VolumeSession>
SimulatedVolumeBackend::listen(Platform::RunLoop& loop, Platform::VolumeCallback appeared,
                               Platform::VolumeCallback disappeared)
{
    auto session = std::shared_ptr<Session>(
        new Session{std::move(appeared), std::move(disappeared), LoopTarget(loop)});
    std::lock_guard<std::mutex> lock(mutex);
    dropInactive(sessions);
    sessions.push_back(session);
    for (const Volume& volume : volumes)
        report(session, &Session::appeared, volume.description);
    return std::make_unique<SimulatedVolumeSession>(session);
}

} // namespace PlatformSim
