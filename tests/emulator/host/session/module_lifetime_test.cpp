/* How long the host keeps a module's library: one load per vessel of a class
 * that names it, one more as an active plug-in; InitModule from the attach,
 * ExitModule with the last load, mid-session too. Only an active plug-in
 * hears the plug-in callbacks. What the library left open (a display, an
 * input box) is not called once the library is gone: that is a fault. */
#include "support/emulated_root.h"
#include "support/loaded_library.h"

#include "emulator/host/host.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

using testing_support::IsLoaded;
using testing_support::LoadedExport;

namespace {

const char* const probeLibrary = "modules/probe.dll";

/* A host whose root holds the probe module and its class Probe, a plain
 * ship to stay when the probes go, and no plug-in active. */
struct ProbeWorld {
    ProbeWorld()
    {
        std::filesystem::copy_file(LIFETIME_MODULE_FILE, root / probeLibrary);
        std::ofstream(root / "config/vessels/Probe.cfg") << "ClassName=Probe\nModule=probe\n";
        host.calls().enable();
        host.world().addBody(emu::Body());
        ship = host.createVesselAt("GL-01", "Ship", {0, 0, 0});
    }

    OBJHANDLE probe(const char* name) { return host.createVesselAt(name, "Probe", {100, 0, 0}); }
    void remove(OBJHANDLE vessel)
    {
        host.requestDeletion(vessel);
        host.processDeletions();
    }
    int preSteps() const
    {
        auto count = reinterpret_cast<int (*)()>(LoadedExport(root / probeLibrary, "PreStepCount"));
        return count ? count() : -1;
    }

    testing_support::EmulatedRoot root{""};
    emu::Host host{root.path()};
    OBJHANDLE ship = nullptr;
};

}  // namespace

TEST(ModuleLifetime, AVesselModuleLoadsWithItsFirstVesselAndUnloadsWithItsLast)
{
    ProbeWorld w;
    OBJHANDLE first = w.probe("P-1");
    OBJHANDLE second = w.probe("P-2");
    ASSERT_TRUE(IsLoaded(w.root / probeLibrary));
    EXPECT_EQ(w.host.calls().count("InitLib"), 1) << "one library, attached once";
    EXPECT_NE(w.host.mfds().mode("Probe"), nullptr) << "InitModule ran from the attach";

    w.remove(first);
    EXPECT_TRUE(IsLoaded(w.root / probeLibrary)) << "the second vessel still holds it";
    w.remove(second);
    EXPECT_FALSE(IsLoaded(w.root / probeLibrary)) << "freed with its last vessel, mid-session";
    EXPECT_EQ(w.host.mfds().mode("Probe"), nullptr) << "ExitModule ran";

    w.probe("P-3");
    EXPECT_EQ(w.host.calls().count("InitLib"), 2) << "loaded, and started, again";
    EXPECT_TRUE(w.host.faults().empty());
}

TEST(ModuleLifetime, OnlyAnActivePluginHearsThePluginCallbacksAndStaysLoaded)
{
    ProbeWorld w;
    OBJHANDLE probe = w.probe("P-1");
    w.host.step(0.1);
    EXPECT_EQ(w.preSteps(), 0) << "a vessel module only";

    ASSERT_NE(w.host.loadPlugin("probe"), nullptr);
    ASSERT_NE(w.host.loadPlugin("PROBE"), nullptr);
    w.host.step(0.1);
    EXPECT_EQ(w.preSteps(), 1) << "a plug-in now, active once";
    w.remove(probe);
    EXPECT_TRUE(IsLoaded(w.root / probeLibrary)) << "the plug-in list holds it";

    w.host.shutdown();
    EXPECT_FALSE(IsLoaded(w.root / probeLibrary));
}

TEST(ModuleLifetime, ACallIntoAnUnloadedLibraryIsAFaultAndIsNotMade)
{
    struct Case {
        const char* call;
        std::function<void(emu::Host&, int display)> act;
    };
    const Case cases[] = {
        {"a key on a display", [](emu::Host& h, int d) { h.mfds().pressKey(d, 0x10); }},
        {"a button of a display", [](emu::Host& h, int d) { h.mfds().clickButton(d, 0, PANEL_MOUSE_LBDOWN); }},
        {"redrawing a display", [](emu::Host& h, int d) { h.mfds().redraw(d); }},
        {"closing a display", [](emu::Host& h, int d) { h.mfds().close(d); }},
        {"a display's button label", [](emu::Host& h, int d) { h.mfds().buttonLabel(d, 0); }},
        {"confirming the input box", [](emu::Host& h, int) { h.inputBox().confirm("1"); }},
    };
    for (const Case& c : cases) {
        ProbeWorld w;
        OBJHANDLE probe = w.probe("P-1");
        int display = w.host.openMfd("Probe", w.ship, 256, 256);
        ASSERT_GE(display, 0);
        ASSERT_TRUE(w.host.mfds().pressKey(display, 0x10));
        ASSERT_TRUE(w.host.inputBox().isOpen());
        w.remove(probe);
        ASSERT_FALSE(IsLoaded(w.root / probeLibrary));
        ASSERT_TRUE(w.host.faults().empty()) << "the display stays open with its mode gone: " << c.call;

        c.act(w.host, display);  // made, it would run code that is no longer mapped
        ASSERT_FALSE(w.host.faults().empty()) << c.call;
        EXPECT_EQ(w.host.faults().front().rfind(std::string(c.call) + ": ", 0), 0u) << w.host.faults().front();
        EXPECT_TRUE(w.host.runEnded()) << c.call;
    }
}
