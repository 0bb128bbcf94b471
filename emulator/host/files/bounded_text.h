/* Reading a text file within limits: its size, the length of each line and
 * the number of lines. A file past any of them (a device that never ends,
 * a line with no end, a file of empty lines) is refused as soon as it
 * passes, with its name and the limit, so that no reader holds more than
 * its limits allow. Lines come without their end: "\n", or "\r\n". */
#ifndef BRIMSTAR_EMULATOR_HOST_BOUNDED_TEXT_H
#define BRIMSTAR_EMULATOR_HOST_BOUNDED_TEXT_H

#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

namespace emu {

struct TextLimits {
    const char* what;  // "a host scenario", named in the error
    std::size_t bytes;
    std::size_t lineLength;
    std::size_t lines;
};

extern const TextLimits hostScenarioLimits;
extern const TextLimits classFileLimits;
extern const TextLimits meshFileLimits;

/* The file's lines; false with "PATH: why" or "PATH:LINE: why" when it
 * cannot be opened or passes a limit. */
bool ReadLinesWithin(const std::filesystem::path& path, const TextLimits& limits, std::vector<std::string>& lines,
                     std::string& error);

}  // namespace emu

#endif
