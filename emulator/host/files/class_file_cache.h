/* The class files read so far, by class name. A world of many vessels of
 * few classes would otherwise look at the same file for every creation:
 * 100,000 vessels of one class would cost 100,000 file-status calls.
 *
 * What a class file says, and that it is there, is learnt on its class's
 * first use and kept. The file is looked at again (one status call) on its
 * class's first use in each later step, so a file removed during the run
 * still ends it from the next step's creations on, and a file rewritten
 * (the module writes its own at start) is read again. Within one step the
 * kept answer holds: creations of the same class in one step cost nothing
 * of the file system. A file written within the clock's last moments may
 * change again unseen at the same time and size, so it is read again, not
 * merely looked at, on its next step's first use. */
#ifndef BRIMSTAR_EMULATOR_HOST_CLASS_FILE_CACHE_H
#define BRIMSTAR_EMULATOR_HOST_CLASS_FILE_CACHE_H

#include "emulator/host/files/class_file.h"

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <unordered_map>

namespace emu {

class ClassFileCache {
public:
    /* The class file as the file system held it at the class's first use
     * in this step; found is false when it held none. Shared, so that a
     * creation made within another's callbacks cannot change it under it. */
    std::shared_ptr<const ClassFile> read(const std::string& className);

    /* A new step, or a new session: each class is looked at again on its
     * next use. */
    void newStep() { ++step_; }

private:
    struct Entry {
        std::uint64_t lookedAt = 0;  // the step it was last looked at in
        std::filesystem::file_time_type modified;
        std::uintmax_t size = 0;
        bool fresh = true;  // written too lately for its time to tell a change
        std::shared_ptr<const ClassFile> file;
    };
    std::unordered_map<std::string, Entry> entries_;
    std::uint64_t step_ = 1;
};

}  // namespace emu

#endif
