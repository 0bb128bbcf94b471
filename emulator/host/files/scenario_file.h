/* An open host scenario file, as a FILEHANDLE points to it: written line by
 * line, or read block by block. A block ends at "END" or a line starting with
 * "END_"; reading never runs past the end of the block it is in. */
#ifndef BRIMSTAR_EMULATOR_HOST_SCENARIO_FILE_H
#define BRIMSTAR_EMULATOR_HOST_SCENARIO_FILE_H

#include "OrbiterAPI.h"

#include <string>
#include <vector>

namespace emu {

class ScenarioFile {
public:
    static ScenarioFile ForWriting() { return ScenarioFile(); }
    static ScenarioFile ForReading(std::vector<std::string> lines);

    FILEHANDLE handle() { return this; }

    /* Writing */
    void writeLine(const std::string& line) { lines_.push_back(line); }
    void writeItem(const std::string& item, const std::string& value);
    const std::vector<std::string>& lines() const { return lines_; }

    /* Reading: the next line, with leading blanks removed */
    bool nextLine(std::string& line);
    /* The next line of the current block; false at its end, which is consumed */
    bool nextInBlock(char*& line);
    /* Starts reading a block whose opening line has just been read */
    void beginBlock() { blockEnded_ = false; }
    /* Skips what is left of the current block, unless its end was read */
    void skipBlock();
    int lineNumber() const { return int(cursor_); }

private:
    std::vector<std::string> lines_;
    size_t cursor_ = 0;
    bool blockEnded_ = false;
    std::vector<char> current_;
};

bool IsBlockEnd(const std::string& line);

}  // namespace emu

#endif
