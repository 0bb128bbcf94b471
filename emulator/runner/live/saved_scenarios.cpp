#include "saved_scenarios.h"

#include <cctype>
#include <system_error>

namespace live {

namespace {

const char* const extension = ".scn";

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
        if (file.extension() == extension && ScenarioName(name, why) && entries->is_regular_file(unreadable))
            names.insert(name);
    }
    return names;
}

}  // namespace live
