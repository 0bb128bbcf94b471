/* An open host scenario file, as a FILEHANDLE points to it: written line by
 * line, or read in blocks. A block ends at "END" or a line starting with
 * "END_"; reading never runs past the end of the block it is in.
 *
 * Writing refuses what would not read back the same (an item holding a
 * control byte, an empty item, an item a reader would take for the end of
 * its block): the first refusal is kept and the file is not to be saved.
 * Reading hands out each line without its indentation and without the
 * carriage return of a CR LF file; blank lines are skipped. A refusal while
 * reading is kept with its line number. */
#ifndef BRIMSTAR_EMULATOR_HOST_SCENARIO_FILE_H
#define BRIMSTAR_EMULATOR_HOST_SCENARIO_FILE_H

#include "OrbiterAPI.h"

#include <initializer_list>
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
    /* The item with finite numbers; refuses, naming the owner, when one is not. */
    void writeNumbers(const std::string& owner, const char* item, std::initializer_list<double> values);
    const std::vector<std::string>& lines() const { return lines_; }

    /* Reading: the next line that is not blank; false at the end of the file */
    bool nextLine(std::string& line);
    /* The number (from 1) of the line read last */
    int lineNumber() const { return int(cursor_); }
    /* Reads the block that follows the current line: up to its end, which
     * nextLine then reads. */
    void beginBlock() { blockEnded_ = false; }
    /* Reads the block whose lines are [first, end) of the file; its end line
     * is at `end`. */
    void openBlock(size_t first, size_t end);
    /* The next line of the current block; false at its end, which is consumed */
    bool nextInBlock(char*& line);
    /* Skips what is left of the current block, unless its end was read */
    void skipBlock();

    /* Keeps the first refusal, with the number of the line read last */
    void refuse(const std::string& why);
    const std::string& refusal() const { return refusal_; }
    int refusalLine() const { return refusalLine_; }

private:
    std::vector<std::string> lines_;
    size_t cursor_ = 0;
    size_t blockEnd_ = size_t(-1);
    bool blockEnded_ = false;
    std::vector<char> current_;
    std::string refusal_;
    int refusalLine_ = 0;
};

bool IsBlockEnd(const std::string& line);

}  // namespace emu

#endif
