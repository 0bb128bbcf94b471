/* The module loaded by its vessels alone: the pilot once ran it as a plug-in,
 * which wrote the class files, then switched the plug-in off, and a saved
 * scenario still holds rocks. The host frees the library with the last of
 * them, in mid-session, while the pilot's Weapons display and its input box
 * are still open; the module must not be gone from under them. A plug-in
 * still unloads as it always has. */
#include "support/loaded_library.h"
#include "support/module_test.h"

#include <cstdio>
#include <cstdlib>

using testing_support::IsLoaded;
using testing_support::ModuleTest;

namespace {

const char* const moduleLibrary = "modules/plugin/brimstar!.dll";
const DWORD powerKey = 0x19;  // the Weapons display's key for the power's input box

}  // namespace

TEST_F(ModuleTest, ADisplayOfTheModuleLoadedByItsRocksAloneOutlivesTheLastRock)
{
    StartModule();
    StopHost();
    host.reset();
    host = std::make_unique<emu::Host>(root.path());
    host->world().addBody(emu::Body());
    OBJHANDLE ship = AddShip("GL-01");

    // Kept loaded, the library stays for the rest of the process: the story
    // runs in a process of its own, which says what went wrong and how.
    EXPECT_EXIT(
        {
            OBJHANDLE rock = AddVessel("R-4", "roid", {1000, 0, 0});
            int weapons = host->openMfd("Weapons", ship, 256, 256);
            int collision = host->openMfd("Collision Control", ship, 256, 256);
            host->mfds().pressKey(weapons, powerKey);
            host->requestDeletion(rock);
            host->processDeletions();
            bool stayed = IsLoaded(root / moduleLibrary);

            host->mfds().pressKey(weapons, powerKey);
            host->inputBox().confirm("5");
            host->mfds().redraw(weapons);
            host->mfds().redraw(collision);
            host->mfds().close(weapons);
            for (const std::string& fault : host->faults())
                std::fprintf(stderr, "fault: %s\n", fault.c_str());
            if (!stayed)
                std::fprintf(stderr, "the library went with the last rock\n");
            std::fflush(stderr);
            std::_Exit(host->faults().empty() && stayed ? 0 : 1);
        },
        ::testing::ExitedWithCode(0), "");
}

TEST_F(ModuleTest, APluginWithADisplayOpenWhenARockGoesStillUnloadsAtTheEnd)
{
    StartModule();
    OBJHANDLE ship = AddShip("GL-01");
    OBJHANDLE rock = AddVessel("R-4", "roid", {1000, 0, 0});
    int weapons = host->openMfd("Weapons", ship, 256, 256);
    host->mfds().pressKey(weapons, powerKey);
    host->requestDeletion(rock);
    host->processDeletions();
    StopHost();

    EXPECT_FALSE(IsLoaded(root / moduleLibrary)) << "a plug-in kept itself loaded";
}
