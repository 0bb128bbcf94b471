/* A scenario played in a fresh host over the given root folder, with the
 * flight log as its only observer: what most runner stories need. */
#ifndef BRIMSTAR_TESTS_SUPPORT_PLAYED_SCRIPT_H
#define BRIMSTAR_TESTS_SUPPORT_PLAYED_SCRIPT_H

#include "support/emulated_root.h"

#include "emulator/runner/run/script_player.h"

#include <string>

namespace testing_support {

struct Played {
    bool played;
    bool failed;  // the log recorded a failure
    std::string error, log;
};

Played PlayWithLog(const EmulatedRoot& root, const runner::Script& script,
                   std::uint64_t maxSteps = runner::defaultMaxSteps);

}  // namespace testing_support

#endif
