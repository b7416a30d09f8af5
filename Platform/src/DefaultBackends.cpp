#include "HidBackend.h"
#include "VolumeBackend.h"

namespace Platform {

namespace {

class SilentHidWatch : public HidWatch {};

class NoHidBackend : public HidBackend {
public:
    std::unique_ptr<HidWatch> watchFirstMatch(std::int32_t, std::int32_t, RunLoop&,
                                              HidServiceCallback) override
    {
        return std::make_unique<SilentHidWatch>();
    }
    std::unique_ptr<HidWatch> watchTerminate(std::int32_t, std::int32_t, RunLoop&,
                                             HidServiceCallback) override
    {
        return std::make_unique<SilentHidWatch>();
    }
};

class SilentVolumeSession : public VolumeSession {};

class NoVolumeBackend : public VolumeBackend {
public:
    std::unique_ptr<VolumeSession> listen(RunLoop&, VolumeCallback, VolumeCallback) override
    {
        return std::make_unique<SilentVolumeSession>();
    }
};

} // namespace

HidBackend& defaultHidBackend()
{
    static NoHidBackend backend;
    return backend;
}

VolumeBackend& defaultVolumeBackend()
{
    static NoVolumeBackend backend;
    return backend;
}

} // namespace Platform
