#include "emulator/host/files/bounded_text.h"

#include <cerrno>
#include <cstring>
#include <fstream>

namespace emu {

// A host scenario of 100,000 vessels is about 12 MB in 1.2 million lines; a
// line holds at most a name and a class of any length the runner reads,
// written four bytes a byte.
const TextLimits hostScenarioLimits{"a host scenario", 64u << 20, 1u << 20, 2u << 20};
const TextLimits classFileLimits{"a class file", 1u << 20, 64u << 10, 64u << 10};
const TextLimits meshFileLimits{"a mesh file", 64u << 20, 64u << 10, 4u << 20};

bool ReadLinesWithin(const std::filesystem::path& path, const TextLimits& limits, std::vector<std::string>& lines,
                     std::string& error)
{
    lines.clear();
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path.string() + ": cannot be opened: " + std::strerror(errno);
        return false;
    }
    auto fail = [&](const std::string& why) {
        lines.clear();
        error = path.string() + why;
        return false;
    };
    std::string line;
    bool open = false;  // a line is under way
    auto take = [&] {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (lines.size() == limits.lines)
            return false;
        lines.push_back(std::move(line));
        line.clear();
        open = false;
        return true;
    };
    const std::string tooMany = ": more than " + std::to_string(limits.lines) + " lines, the most " + limits.what +
                                " may hold";
    std::size_t total = 0;
    char chunk[1 << 16];
    while (in.read(chunk, sizeof chunk) || in.gcount() > 0) {
        std::size_t read = std::size_t(in.gcount());
        if ((total += read) > limits.bytes)
            return fail(": more than " + std::to_string(limits.bytes) + " bytes, the most " + limits.what +
                        " may hold");
        for (std::size_t i = 0; i < read; ++i) {
            if (chunk[i] == '\n') {
                if (!take())
                    return fail(tooMany);
                continue;
            }
            line += chunk[i];
            open = true;
            if (line.size() > limits.lineLength)
                return fail(":" + std::to_string(lines.size() + 1) + ": a line longer than " +
                            std::to_string(limits.lineLength) + " characters, the most " + limits.what +
                            " may hold in a line");
        }
    }
    if (in.bad())
        return fail(": could not be read whole");
    if (open && !take())
        return fail(tooMany);
    return true;
}

}  // namespace emu
