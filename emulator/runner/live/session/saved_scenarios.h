/* The host's own scenario files the page saves and loads: plain names, each
 * a file NAME.scn in the host's root folder, so that no name the page sends
 * reaches another folder or another kind of file. */
#ifndef BRIMSTAR_RUNNER_LIVE_SAVED_SCENARIOS_H
#define BRIMSTAR_RUNNER_LIVE_SAVED_SCENARIOS_H

#include <filesystem>
#include <set>
#include <string>

namespace live {

/* The most names the page is offered at once; a folder may hold any
 * number, and the page finds the rest by searching. */
const size_t mostSavedScenarios = 200;
const size_t longestScenarioName = 64;

/* Whether a name is one the page may save under: 1 to 64 letters, digits,
 * '-', '_' and inner blanks. False with why not. */
bool ScenarioName(const std::string& name, std::string& error);

/* The file a name is saved in, relative to the root folder. */
std::string ScenarioFile(const std::string& name);

/* Whether the file is one of the host's own scenarios: a plain file, not a
 * link, that opens as they do. A runner scenario beside them is not one. */
bool HostScenarioFile(const std::filesystem::path& file);

/* Whether NAME.scn in the root folder is a host scenario under a name the
 * page may use: one the page lists, and loads by name however many there
 * are. */
bool SavedScenario(const std::filesystem::path& root, const std::string& name);

/* The first names of the host's scenario files in the root folder, by
 * name, and how many there are in all. */
struct SavedList {
    std::set<std::string> names;  // at most mostSavedScenarios
    size_t count = 0;
};

/* Those whose names hold `match`, in any case; all of them for "". */
SavedList FindSavedScenarios(const std::filesystem::path& root, const std::string& match);

/* The first mostSavedScenarios names of them all. */
std::set<std::string> SavedScenarios(const std::filesystem::path& root);

}  // namespace live

#endif
