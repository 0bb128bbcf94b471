/* The pilot's actions a scenario can hold, "at TIME VERB ARGS...": how each
 * is read and checked, and how it is carried out in the emulated host. */
#ifndef BRIMSTAR_RUNNER_PILOT_ACTIONS_H
#define BRIMSTAR_RUNNER_PILOT_ACTIONS_H

#include "emulator/runner/outputs/flight_log.h"
#include "emulator/runner/script/scenario_script.h"

#include <map>
#include <set>
#include <string>

namespace runner {

/* The scan code of a key named as the pilot sees it: a letter, a digit,
 * "comma", "period", or a code such as 0x19; -1 for no such key. */
int KeyCode(const std::string& name);
/* The name KeyCode reads back as the code: the pilot's own where there is
 * one, else the code in hex. */
std::string KeyName(int code);

/* What checking a scenario's actions in their order knows of the world they
 * will act on. */
struct ExpectedWorld {
    std::set<std::string> openDisplays;
};

/* Checks an action's words against the world the actions before it leave;
 * false with what was expected in error. Vessels are not checked here: the
 * module makes vessels as the world runs (bombs, rocks), so a name is
 * looked for when its action is carried out. */
bool CheckAction(const Action& action, ExpectedWorld& world, std::string& error);

/* The most vessels of one name "focus NAME NTH" tells apart. */
const long long mostOfOneName = 1000000;

/* Which of the living vessels of its name the vessel is, from 1, oldest
 * first: what "focus NAME NTH" takes. */
long long NameOrdinal(const emu::World& world, const emu::VesselRecord& vessel);

/* A display's button by its label (the first that shows it), or by its
 * index; -1 for none. */
int ButtonIndex(emu::Host& host, int display, const std::string& which);

/* The displays a running scenario has opened, by name. */
using OpenDisplays = std::map<std::string, int>;

/* Carries the action out; false with a message when it cannot be. Files
 * are named relative to the host's root folder. */
bool PerformAction(emu::Host& host, const Action& action, OpenDisplays& displays, FlightLog& log,
                   std::string& error);

}  // namespace runner

#endif
