#include "saved_scenarios.h"

#include "emulator/host/files/host_scenario_format.h"

#include <cctype>
#include <cstring>
#include <fstream>
#include <system_error>

namespace live {

namespace {

const char* const extension = ".scn";

}  // namespace

bool HostScenarioFile(const std::filesystem::path& file)
{
    std::error_code unreadable;
    if (std::filesystem::symlink_status(file, unreadable).type() != std::filesystem::file_type::regular)
        return false;
    const size_t length = std::strlen(emu::scenarioMagic);
    std::string start(length, '\0');
    std::ifstream in(file, std::ios::binary);
    return in.read(&start[0], std::streamsize(length)) && start == emu::scenarioMagic;
}

bool SavedScenario(const std::filesystem::path& root, const std::string& name)
{
    std::string why;
    return ScenarioName(name, why) && HostScenarioFile(root / ScenarioFile(name));
}

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
        if (file.extension() == extension && SavedScenario(root, file.stem().string()))
            names.insert(file.stem().string());
    }
    return names;
}

}  // namespace live
