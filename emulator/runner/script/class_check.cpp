#include "emulator/runner/script/class_check.h"

#include "emulator/runner/text/near_miss.h"

#include "host/host_file.h"

#include <unordered_set>
#include <vector>

namespace runner {

namespace {

namespace fs = std::filesystem;

/* The module writes these class files each time it starts, so a root folder
 * it has never run in lacks them until it is loaded. */
const char* const moduleClasses[] = {"nuke", "roid"};

const char* const classFolder = "config\\vessels\\";
const char* const classExtension = ".cfg";

fs::path ClassFilePath(const fs::path& root, const std::string& className)
{
    return root / ToPlatformPath((classFolder + className + classExtension).c_str());
}

std::vector<std::string> KnownClasses(const fs::path& root)
{
    std::vector<std::string> names(std::begin(moduleClasses), std::end(moduleClasses));
    std::error_code unreadable;
    for (fs::directory_iterator it(root / ToPlatformPath(classFolder), unreadable), end; !unreadable && it != end;
         it.increment(unreadable))
        if (it->path().extension() == classExtension)
            names.push_back(it->path().stem().string());
    return names;
}

bool IsModuleClass(const std::string& className)
{
    for (const char* name : moduleClasses)
        if (className == name)
            return true;
    return false;
}

}  // namespace

bool CheckClasses(const Script& script, const fs::path& root, std::string& error)
{
    // Each class looked at once: a world of many vessels has few classes.
    std::unordered_set<std::string> found;
    for (const VesselSpec& vessel : script.vessels) {
        std::error_code unknown;
        if (IsModuleClass(vessel.className) || found.count(vessel.className))
            continue;
        if (fs::is_regular_file(ClassFilePath(root, vessel.className), unknown)) {
            found.insert(vessel.className);
            continue;
        }
        error = script.file + ":" + std::to_string(vessel.line) + ": vessel '" + vessel.name + "': class '" +
                vessel.className + "' has no class file (" + ClassFilePath(root, vessel.className).string() + ")";
        if (std::string meant = NearMiss(vessel.className, KnownClasses(root)); !meant.empty())
            error += "; did you mean " + meant + "?";
        return false;
    }
    return true;
}

}  // namespace runner
