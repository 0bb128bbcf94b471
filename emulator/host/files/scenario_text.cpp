#include "emulator/host/files/scenario_text.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace emu {

namespace {

bool IsControl(unsigned char c)
{
    return (c < 0x20 && c != '\t') || c == 0x7F;
}

int HexDigit(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    return -1;
}

}  // namespace

std::string QuoteText(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"' || c == '\\') {
            quoted += '\\';
            quoted += c;
        } else if (IsControl(static_cast<unsigned char>(c)) || c == '\t') {
            char escape[8];
            std::snprintf(escape, sizeof escape, "\\x%02X", unsigned(static_cast<unsigned char>(c)));
            quoted += escape;
        } else {
            quoted += c;
        }
    }
    return quoted + '"';
}

bool ReadQuotedText(const std::string& line, size_t& at, std::string& text)
{
    if (at >= line.size() || line[at] != '"')
        return false;
    text.clear();
    for (size_t i = at + 1; i < line.size(); ++i) {
        char c = line[i];
        if (c == '"') {
            at = i + 1;
            return true;
        }
        if (IsControl(static_cast<unsigned char>(c)) || c == '\t')
            return false;
        if (c != '\\') {
            text += c;
            continue;
        }
        if (i + 1 >= line.size())
            return false;
        char next = line[++i];
        if (next == '"' || next == '\\') {
            text += next;
        } else if (next == 'x' && i + 2 < line.size() && HexDigit(line[i + 1]) >= 0 && HexDigit(line[i + 2]) >= 0) {
            text += char(HexDigit(line[i + 1]) * 16 + HexDigit(line[i + 2]));
            i += 2;
        } else {
            return false;
        }
    }
    return false;
}

std::string NumberText(double value)
{
    char text[32];
    auto result = std::to_chars(text, text + sizeof text, value);
    return std::string(text, result.ptr);
}

std::vector<std::string> SplitWords(const std::string& text)
{
    std::vector<std::string> words;
    size_t at = 0;
    while ((at = text.find_first_not_of(" \t", at)) != std::string::npos) {
        size_t end = text.find_first_of(" \t", at);
        words.push_back(text.substr(at, end - at));
        at = end;
    }
    return words;
}

bool ReadNumber(const std::string& word, double& value)
{
    const char* begin = word.data();
    const char* end = begin + word.size();
    if (end - begin > 1 && *begin == '+' && begin[1] != '-')
        ++begin;  // written by hand, perhaps
    auto result = std::from_chars(begin, end, value);
    return result.ec == std::errc() && result.ptr == end && std::isfinite(value);
}

bool ReadNumbers(const std::string& text, double* values, size_t count)
{
    std::vector<std::string> words = SplitWords(text);
    if (words.size() != count)
        return false;
    for (size_t i = 0; i < count; ++i)
        if (!ReadNumber(words[i], values[i]))
            return false;
    return true;
}

bool HasControlByte(const std::string& text)
{
    for (char c : text)
        if (IsControl(static_cast<unsigned char>(c)))
            return true;
    return false;
}

}  // namespace emu
