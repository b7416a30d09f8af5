#include "HidapiBackend.h"
#include "UdevVolumeBackend.h"

namespace Platform {

HidBackend& defaultHidBackend()
{
    static HidapiBackend backend;
    return backend;
}

VolumeBackend& defaultVolumeBackend()
{
    static UdevVolumeBackend backend;
    return backend;
}

} // namespace Platform
