/* Stories of the weapons: a pilot with a Weapons display on a vessel, and
 * vessels of known mass to be pushed. */
#ifndef BRIMSTAR_TESTS_WEAPONS_WEAPONS_FIXTURE_H
#define BRIMSTAR_TESTS_WEAPONS_WEAPONS_FIXTURE_H

#include "support/module_test.h"

#include <fstream>

namespace testing_support {

/* Scan codes of the keys the pilot uses. */
enum Key : DWORD {
    KeyU = 0x16, KeyP = 0x19, KeyS = 0x1F, KeyD = 0x20, KeyG = 0x22, KeyL = 0x26, KeyV = 0x2F, KeyB = 0x30
};

class WeaponsTest : public ModuleTest {
protected:
    WeaponsTest()
    {
        // A vessel so heavy that a blast hardly moves it: its distance holds.
        std::ofstream(root / "config/vessels/Station.cfg") << "ClassName = Station\nSize = 50\nMass = 1e12\n";
        StartModule();
    }

    int OpenWeapons(OBJHANDLE vessel) { return host->openMfd("Weapons", vessel, 400, 400); }
    bool Press(int display, DWORD key) { return host->mfds().pressKey(display, key); }

    /* Opens the key's input box and confirms the text in it. */
    bool Enter(int display, DWORD key, const std::string& text)
    {
        if (!Press(display, key) || !host->inputBox().isOpen())
            return false;
        return host->inputBox().confirm(text);
    }

    /* The text drawn at the row of that line (1 to 12). */
    std::string Line(int display, int line) { return host->mfds().redraw(display).row(32 + 16 * line); }

    /* The forces added to a vessel, in call order. */
    std::vector<std::string> Forces(const std::string& vessel) { return Calls().matching(vessel + ".AddForce"); }
};

}  // namespace testing_support

#endif
