#include "emulator/host/files/scenario_file.h"

namespace emu {

namespace {

std::string TrimLeft(const std::string& s)
{
    size_t begin = s.find_first_not_of(" \t\r");
    size_t end = s.find_last_not_of(" \t\r");
    return begin == std::string::npos ? "" : s.substr(begin, end - begin + 1);
}

}  // namespace

bool IsBlockEnd(const std::string& line)
{
    return line == "END" || line.compare(0, 4, "END_") == 0;
}

ScenarioFile ScenarioFile::ForReading(std::vector<std::string> lines)
{
    ScenarioFile file;
    file.lines_ = std::move(lines);
    return file;
}

void ScenarioFile::writeItem(const std::string& item, const std::string& value)
{
    lines_.push_back("  " + item + " " + value);
}

bool ScenarioFile::nextLine(std::string& line)
{
    while (cursor_ < lines_.size()) {
        line = TrimLeft(lines_[cursor_++]);
        if (!line.empty())
            return true;
    }
    return false;
}

bool ScenarioFile::nextInBlock(char*& line)
{
    std::string text;
    if (blockEnded_)
        return false;
    if (!nextLine(text) || IsBlockEnd(text)) {
        blockEnded_ = true;
        return false;
    }
    current_.assign(text.begin(), text.end());
    current_.push_back('\0');
    line = current_.data();
    return true;
}

void ScenarioFile::skipBlock()
{
    char* line;
    while (nextInBlock(line)) {
    }
}

}  // namespace emu
