/* The class files read so far, by class name. A world of many vessels of
 * few classes would otherwise open and parse the same file for every
 * creation. A class file is read at creation time and may be rewritten
 * between two creations (the module writes its own at start), so an entry
 * holds only while the file keeps the modification time and size it had
 * when read; a missing file, or one written within the last moments, is
 * never kept. */
#ifndef BRIMSTAR_EMULATOR_HOST_CLASS_FILE_CACHE_H
#define BRIMSTAR_EMULATOR_HOST_CLASS_FILE_CACHE_H

#include "emulator/host/files/class_file.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>

namespace emu {

class ClassFileCache {
public:
    const ClassFile& read(const std::string& className);

private:
    struct Entry {
        std::filesystem::file_time_type modified;
        std::uintmax_t size = 0;
        ClassFile file;
    };
    std::unordered_map<std::string, Entry> entries_;
    ClassFile uncached_;
};

}  // namespace emu

#endif
