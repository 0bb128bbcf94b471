/* A text as it may go into any of the runner's outputs: the log, a message,
 * the trace, the plot. Names come from scenarios, host files and the module,
 * so they may hold anything; a terminal or an XML reader must see none of it
 * raw. */
#ifndef BRIMSTAR_RUNNER_PRINTABLE_TEXT_H
#define BRIMSTAR_RUNNER_PRINTABLE_TEXT_H

#include <string>

namespace runner {

/* The text with every control character (C0, DEL and C1) and every byte that
 * is not part of well-formed UTF-8 written as \xNN, one per byte; the rest,
 * UTF-8 included, as it is. */
std::string Printable(const std::string& text);

}  // namespace runner

#endif
