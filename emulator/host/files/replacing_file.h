/* A file written the way trusted tools write one: into a temporary file
 * beside its target, renamed over the target only once it is whole. A
 * failure part-way, a full disk or an interruption leaves the file that was
 * there before as it was, and a reader that has the old file open or mapped
 * keeps reading the old one. A target reached through symbolic links is the
 * file they lead to, so a link stays a link. The temporary's name fits
 * wherever the target's does, however long that is. */
#ifndef BRIMSTAR_EMULATOR_HOST_REPLACING_FILE_H
#define BRIMSTAR_EMULATOR_HOST_REPLACING_FILE_H

#include <filesystem>
#include <fstream>
#include <string>

namespace emu {

class ReplacingFile {
public:
    ReplacingFile() = default;
    /* A temporary that was never committed is removed. */
    ~ReplacingFile();
    ReplacingFile(const ReplacingFile&) = delete;
    ReplacingFile& operator=(const ReplacingFile&) = delete;

    /* Creates the temporary beside the target; false with why (without the
     * path) when the target cannot be replaced: no such folder, a folder. */
    bool open(const std::filesystem::path& target, std::string& error);
    bool isOpen() const { return out_.is_open(); }
    std::ostream& stream() { return out_; }

    /* Puts the whole file in the target's place; false with why (without
     * the path) when it was not written whole, and the target is then as it
     * was. */
    bool commit(std::string& error);

    /* Removes every temporary not yet committed, of every ReplacingFile:
     * for a program ending at once on a signal, so safe in its handler. */
    static void RemoveTemporaries();

private:
    void discard();

    std::filesystem::path target_, temporary_;
    std::ofstream out_;
    int listed_ = -1;  // its place among the temporaries a signal removes
};

}  // namespace emu

#endif
