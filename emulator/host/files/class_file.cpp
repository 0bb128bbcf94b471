#include "emulator/host/files/class_file.h"
#include "host/host_file.h"

#include "emulator/host/files/bounded_text.h"
#include "emulator/host/files/vessel_amount.h"

#include "windows_subset.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <vector>

namespace emu {

namespace {

std::string Trim(const std::string& s)
{
    size_t begin = s.find_first_not_of(" \t\r\n");
    if (begin == std::string::npos)
        return "";
    size_t end = s.find_last_not_of(" \t\r\n");
    return s.substr(begin, end - begin + 1);
}

std::string Lower(std::string s)
{
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return s;
}

}  // namespace

std::string ClassFile::value(const std::string& key) const
{
    auto it = values.find(Lower(key));
    return it == values.end() ? std::string() : it->second;
}

bool ClassFile::positiveNumber(const std::string& key, double& value, std::string& error) const
{
    auto it = values.find(Lower(key));
    if (it == values.end())
        return true;
    const char* text = it->second.c_str();
    char* end = nullptr;
    double number = std::strtod(text, &end);
    if (end == text || *end != '\0' || !IsVesselAmount(number)) {
        error = path + ": " + key + " is '" + it->second + "', not a positive number";
        return false;
    }
    value = number;
    return true;
}

ClassFile ClassFile::Read(const std::string& className)
{
    ClassFile file;
    file.path = ToPlatformPath(("config\\vessels\\" + className + ".cfg").c_str());
    // A folder or a device in its place is no class file, as a missing one.
    std::error_code missing;
    if (!std::filesystem::is_regular_file(file.path, missing))
        return file;
    file.found = true;
    std::vector<std::string> lines;
    if (!ReadLinesWithin(file.path, classFileLimits, lines, file.problem))
        return file;
    for (const std::string& line : lines) {
        size_t eq = line.find('=');
        if (eq == std::string::npos)
            continue;
        file.values[Lower(Trim(line.substr(0, eq)))] = Trim(line.substr(eq + 1));
    }
    return file;
}

}  // namespace emu
