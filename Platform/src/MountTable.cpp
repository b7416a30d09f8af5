#include "MountTable.h"

#include <libmount/libmount.h>

#include <algorithm>
#include <memory>

namespace Platform {

namespace {

struct MountRelease {
    void operator()(libmnt_table* table) const { mnt_unref_table(table); }
    void operator()(libmnt_iter* iterator) const { mnt_free_iter(iterator); }
};

} // namespace

MountTable MountTable::read(const std::string& path)
{
    MountTable read;
    const std::unique_ptr<libmnt_table, MountRelease> table(mnt_new_table());
    const std::unique_ptr<libmnt_iter, MountRelease> iterator(mnt_new_iter(MNT_ITER_FORWARD));
    if (!table || !iterator || mnt_table_parse_file(table.get(), path.c_str()) != 0)
        return read;
    libmnt_fs* entry = nullptr;
    while (mnt_table_next_fs(table.get(), iterator.get(), &entry) == 0) {
        const char* target = mnt_fs_get_target(entry);
        if (target)
            read.m_mounts.push_back({mnt_fs_get_devno(entry), target});
    }
    return read;
}

std::vector<std::string> MountTable::mountPointsOf(dev_t device) const
{
    std::vector<std::string> targets;
    for (const Mount& mount : m_mounts) {
        if (device != 0 && mount.device == device) // 0: a device without a number
            targets.push_back(mount.target);
    }
    return targets;
}

std::optional<std::string>
MountTable::followMountPoint(dev_t device, const std::optional<std::string>& current) const
{
    const std::vector<std::string> targets = mountPointsOf(device);
    if (current && std::find(targets.begin(), targets.end(), *current) != targets.end())
        return current;
    if (targets.empty())
        return std::nullopt;
    return targets.front();
}

} // namespace Platform
