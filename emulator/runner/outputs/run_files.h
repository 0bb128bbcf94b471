/* The files a run reads and writes, checked against each other before it
 * starts: no output may name an input, another output, or the program's own
 * files, however it is reached (a symbolic link, a hard link, "..").
 * Saves may name the files the run loads (a save and its reload), and a
 * save may be written more than once; nothing else is shared. */
#ifndef BRIMSTAR_RUNNER_RUN_FILES_H
#define BRIMSTAR_RUNNER_RUN_FILES_H

#include <filesystem>
#include <string>
#include <vector>

namespace runner {

struct NamedFile {
    std::string what;  // "the log", "the scenario", "a save at line 12"
    std::filesystem::path path;
};

struct RunFiles {
    std::vector<NamedFile> inputs;   // the scenario
    std::vector<NamedFile> loads;    // host scenarios the run loads: a save may replace one
    std::vector<NamedFile> outputs;  // the log, the trace, the plot, the report
    std::vector<NamedFile> saves;    // host scenarios the run writes
    /* The program and the folders it runs from: its libraries, class files
     * and meshes. */
    std::vector<NamedFile> own;
};

/* Why a file the run writes would overwrite what it must not; empty when
 * none does. */
std::string OverwriteProblem(const RunFiles& files);

/* Whether two paths name the same file, after following every link. */
bool SameFile(const std::filesystem::path& a, const std::filesystem::path& b);

}  // namespace runner

#endif
