#include "emulator/host/files/class_file_cache.h"
#include "host/host_file.h"

#include "windows_subset.h"

#include <chrono>

namespace emu {

namespace {

// File times are kept at the clock's tick, some milliseconds: a file written
// again within the tick it was read in, at the same size, would look the
// same. One that fresh is read again at its next look until it has aged.
bool OldEnoughToTrust(std::filesystem::file_time_type modified)
{
    return modified < std::filesystem::file_time_type::clock::now() - std::chrono::seconds(2);
}

}  // namespace

std::shared_ptr<const ClassFile> ClassFileCache::read(const std::string& className)
{
    Entry& entry = entries_[className];
    if (entry.file && entry.lookedAt == step_)
        return entry.file;
    entry.lookedAt = step_;
    std::filesystem::path path = ToPlatformPath(("config\\vessels\\" + className + ".cfg").c_str());
    std::error_code error;
    auto modified = std::filesystem::last_write_time(path, error);
    std::uintmax_t size = error ? 0 : std::filesystem::file_size(path, error);
    bool unchanged = entry.file && !error && !entry.fresh && entry.file->found && entry.modified == modified &&
                     entry.size == size;
    if (unchanged)
        return entry.file;
    entry.modified = modified;
    entry.size = size;
    entry.fresh = error || !OldEnoughToTrust(modified);
    entry.file = std::make_shared<const ClassFile>(ClassFile::Read(className));
    return entry.file;
}

}  // namespace emu
