/* Whether the classes a scenario's vessels name can be made: the simulator
 * refuses a vessel whose class file is missing, so a misspelt class is found
 * before anything runs, not turned into some other vessel. */
#ifndef BRIMSTAR_RUNNER_CLASS_CHECK_H
#define BRIMSTAR_RUNNER_CLASS_CHECK_H

#include "emulator/runner/script/scenario_script.h"

#include <filesystem>
#include <string>

namespace runner {

/* False with "file:line: why" (and the class most likely meant) for the
 * first vessel whose class has no class file under the root folder. */
bool CheckClasses(const Script& script, const std::filesystem::path& root, std::string& error);

}  // namespace runner

#endif
