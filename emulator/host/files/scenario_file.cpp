#include "emulator/host/files/scenario_file.h"

#include "emulator/host/files/scenario_text.h"

#include <cmath>

namespace emu {

namespace {

std::string Unindented(const std::string& s)
{
    size_t begin = s.find_first_not_of(" \t");
    if (begin == std::string::npos)
        return "";
    size_t end = s.size() - (s.back() == '\r' ? 1 : 0);
    return s.substr(begin, end - begin);
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
    std::string line = item + " " + value;
    if (item.empty() || item.find_first_of(" \t") == 0)
        refuse("an item with no name, or one that starts with a blank ('" + item + "')");
    else if (HasControlByte(line))
        refuse("item '" + item + "' holds a control character");
    else if (IsBlockEnd(line) || IsBlockEnd(item))
        refuse("item '" + item + "' would read as the end of its block");
    lines_.push_back("  " + line);
}

void ScenarioFile::writeNumbers(const std::string& owner, const char* item, std::initializer_list<double> values)
{
    std::string text;
    for (double d : values) {
        if (!std::isfinite(d)) {
            refuse(owner + ": " + item + " is not finite and cannot be saved");
            return;
        }
        text += (text.empty() ? "" : " ") + NumberText(d);
    }
    writeItem(item, text);
}

bool ScenarioFile::nextLine(std::string& line)
{
    while (cursor_ < lines_.size()) {
        line = Unindented(lines_[cursor_++]);
        if (!line.empty())
            return true;
    }
    return false;
}

void ScenarioFile::openBlock(size_t first, size_t end)
{
    cursor_ = first;
    blockEnd_ = end;
    blockEnded_ = false;
}

bool ScenarioFile::nextInBlock(char*& line)
{
    std::string text;
    if (blockEnded_)
        return false;
    bool atEnd = cursor_ >= blockEnd_;
    if (atEnd || !nextLine(text) || IsBlockEnd(text) || cursor_ > blockEnd_) {
        blockEnded_ = true;
        blockEnd_ = size_t(-1);
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

void ScenarioFile::refuse(const std::string& why)
{
    if (!refusal_.empty())
        return;
    refusal_ = why;
    refusalLine_ = lineNumber();
}

}  // namespace emu
