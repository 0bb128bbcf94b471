/* The words of the host's own text files: quoted texts and numbers.
 *
 * A quoted text stands between double quotes; inside, a double quote is \",
 * a backslash \\ and every control byte \xHH (two hex digits), so that any
 * name, with blanks, colons, quotes or percent signs, reads back the same
 * and a line never breaks. Numbers are written in their shortest form that
 * reads back as the same double; only finite numbers are written or read. */
#ifndef BRIMSTAR_EMULATOR_HOST_SCENARIO_TEXT_H
#define BRIMSTAR_EMULATOR_HOST_SCENARIO_TEXT_H

#include <string>
#include <vector>

namespace emu {

std::string QuoteText(const std::string& text);

/* Reads a quoted text that starts at `at`, and moves `at` past it; false
 * when there is none or it is not closed. */
bool ReadQuotedText(const std::string& line, size_t& at, std::string& text);

/* A finite number as the shortest text that reads back exactly. */
std::string NumberText(double value);

/* The blank-separated words of a text. */
std::vector<std::string> SplitWords(const std::string& text);

/* A whole word as a finite number; false for anything else. */
bool ReadNumber(const std::string& word, double& value);

/* Exactly `count` finite numbers, blank-separated; false for anything else. */
bool ReadNumbers(const std::string& text, double* values, size_t count);

/* A byte below 0x20 other than a tab, or DEL. */
bool HasControlByte(const std::string& text);

}  // namespace emu

#endif
