#include "saved_scenarios.h"

#include "emulator/host/files/host_scenario_format.h"

#include <cctype>
#include <cstring>
#include <fstream>
#include <system_error>

namespace live {

namespace {

const char* const extension = ".scn";

/* Whether the file opens as the host's own scenarios do: a runner scenario
 * beside them is not one the host can load. */
bool HostScenario(const std::filesystem::path& file)
{
    const size_t length = std::strlen(emu::scenarioMagic);
    std::string start(length, '\0');
    std::ifstream in(file, std::ios::binary);
    return in.read(&start[0], std::streamsize(length)) && start == emu::scenarioMagic;
}

}  // namespace

bool ScenarioName(const std::string& name, std::string& error)
{
    error = "a scenario's name is 1 to " + std::to_string(longestScenarioName) +
            " letters, digits, '-', '_' and blanks between them";
    if (name.empty() || name.size() > longestScenarioName || name.front() == ' ' || name.back() == ' ')
        return false;
    for (char c : name)
        if (!std::isalnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != ' ')
            return false;
    error.clear();
    return true;
}

std::string ScenarioFile(const std::string& name)
{
    return name + extension;
}

std::set<std::string> SavedScenarios(const std::filesystem::path& root)
{
    std::set<std::string> names;
    std::error_code failed;
    std::filesystem::directory_iterator entries(root, failed), end;
    for (; !failed && entries != end && names.size() < mostSavedScenarios; entries.increment(failed)) {
        const std::filesystem::path& file = entries->path();
        std::string name = file.stem().string(), why;
        std::error_code unreadable;
        if (file.extension() == extension && ScenarioName(name, why) && entries->is_regular_file(unreadable) &&
            HostScenario(file))
            names.insert(name);
    }
    return names;
}

}  // namespace live
