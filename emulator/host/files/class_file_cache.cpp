#include "emulator/host/files/class_file_cache.h"
#include "host/host_file.h"

#include "windows_subset.h"

#include <chrono>

namespace emu {

namespace {

// File times are kept at the clock's tick, some milliseconds: a file written
// again within the tick it was read in, at the same size, would look the
// same. One that fresh is read again every time until it has aged.
bool OldEnoughToKeep(std::filesystem::file_time_type modified)
{
    return modified < std::filesystem::file_time_type::clock::now() - std::chrono::seconds(2);
}

}  // namespace

const ClassFile& ClassFileCache::read(const std::string& className)
{
    std::filesystem::path path = ToPlatformPath(("config\\vessels\\" + className + ".cfg").c_str());
    std::error_code error;
    auto modified = std::filesystem::last_write_time(path, error);
    std::uintmax_t size = error ? 0 : std::filesystem::file_size(path, error);
    if (error || !OldEnoughToKeep(modified)) {
        entries_.erase(className);
        uncached_ = ClassFile::Read(className);  // whatever the file system says now
        return uncached_;
    }
    auto it = entries_.find(className);
    if (it != entries_.end() && it->second.modified == modified && it->second.size == size)
        return it->second.file;
    Entry& entry = entries_[className];
    entry = {modified, size, ClassFile::Read(className)};
    return entry.file;
}

}  // namespace emu
