#ifndef DEVICEINTERFACE_DISKIDENTITY_H
#define DEVICEINTERFACE_DISKIDENTITY_H

// Recognising the receiver's volume among the disks the system reports.

#include "VolumeBackend.h"

#include <string>

// True when the system's text (UTF-8) equals the configured byte string read
// as Mac Roman, ignoring letter case. Invalid UTF-8 matches nothing.
bool compareMacStr2StdStr(const std::string& systemText, const std::string& configured);

// True when the disk's vendor and model are present and equal the configured
// names; an empty configured name matches no disk.
bool isNivokDisk(const Platform::VolumeDescription& description, const std::string& vendorName,
                 const std::string& modelName);

// A mount path that can be handed on: not empty, no NUL, shorter than the
// longest path the system takes.
bool isUsableVolumePath(const std::string& path);

#endif
