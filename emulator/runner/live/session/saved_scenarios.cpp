#include "saved_scenarios.h"

#include "emulator/host/files/host_scenario_format.h"

#include <cctype>
#include <cstring>
#include <fstream>
#include <iterator>
#include <system_error>

namespace live {

namespace {

const char* const extension = ".scn";

std::string Lower(std::string text)
{
    for (char& c : text)
        c = char(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

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

SavedList FindSavedScenarios(const std::filesystem::path& root, const std::string& match)
{
    SavedList found;
    const std::string wanted = Lower(match);
    std::error_code failed;
    std::filesystem::directory_iterator entries(root, failed), end;
    for (; !failed && entries != end; entries.increment(failed)) {
        const std::filesystem::path& file = entries->path();
        const std::string name = file.stem().string();
        if (file.extension() != extension || Lower(name).find(wanted) == std::string::npos ||
            !SavedScenario(root, name))
            continue;
        ++found.count;
        // The folder comes in no order: the first names are kept as it is read.
        found.names.insert(name);
        if (found.names.size() > mostSavedScenarios)
            found.names.erase(std::prev(found.names.end()));
    }
    return found;
}

std::set<std::string> SavedScenarios(const std::filesystem::path& root)
{
    return FindSavedScenarios(root, "").names;
}

}  // namespace live
