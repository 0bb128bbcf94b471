/* The Collision Control display in the emulated host, with the stand-in
 * collision library behind it: the library's page, drawn through the
 * table's services; its buttons and keys; its quick shutdown; and the table
 * it was handed. */
#include "support/module_test.h"
#include "support/emulated_root.h"

#include <algorithm>
#include <fstream>
#include <utility>

using testing_support::ModuleTest;

namespace {

class CollisionControl : public ModuleTest {
protected:
    void SetUp() override
    {
        StartModule();
        ship = AddShip("GL-01", {7e6, 0, 0});
        AddShip("50%-Rock", {7e6, 100, 0});
        host->setFocus(ship);
        display = host->openMfd("Collision Control", ship, 400, 200);
        ASSERT_GE(display, 0);
    }

    std::vector<std::string> Screen() { return host->mfds().redraw(display).lines; }

    /* Whether a line of the screen reads so, its indentation aside. */
    bool Shows(const std::string& text)
    {
        for (const std::string& line : Screen())
            if (line.size() >= text.size() && line.find_first_not_of(' ') == line.size() - text.size() &&
                line.compare(line.size() - text.size(), text.size(), text) == 0)
                return true;
        return false;
    }

    bool Click(const std::string& label)
    {
        for (int button = 0; button < 5; ++button)
            if (host->mfds().buttonLabel(display, button) == label)
                return host->mfds().clickButton(display, button, PANEL_MOUSE_LBDOWN);
        ADD_FAILURE() << "no button labelled " << label;
        return false;
    }

    OBJHANDLE ship = nullptr;
    int display = -1;
};

}  // namespace

TEST_F(CollisionControl, ShowsTheLibrarysStatusPageReadThroughTheTable)
{
    Simulate(1.5, 0.5);

    EXPECT_TRUE(Shows("Page 1"));
    EXPECT_TRUE(Shows("Steps: 3"));
    EXPECT_TRUE(Shows("Vessels: 2"));
    EXPECT_TRUE(Shows("Focus: GL-01"));
    EXPECT_TRUE(Shows("Time: 1.50 s"));
    EXPECT_EQ(Probe().lastWidth, 400);
    EXPECT_EQ(Probe().lastHeight, 200);
}

TEST_F(CollisionControl, ButtonsAndKeysOperateTheLibrarysVesselList)
{
    EXPECT_TRUE(Click("PG"));
    EXPECT_TRUE(Shows("Page 2"));
    EXPECT_TRUE(Shows("> GL-01"));

    EXPECT_TRUE(host->mfds().pressKey(display, 0x34));  // full stop: next
    EXPECT_TRUE(Shows("> 50%-Rock"));
    EXPECT_TRUE(Click("UP"));
    EXPECT_TRUE(Shows("> GL-01"));
    EXPECT_TRUE(Click("DWN"));
    EXPECT_TRUE(host->mfds().pressKey(display, 0x12));  // E: enter

    EXPECT_EQ(host->debugLine(), "collision: selected 50%-Rock") << "written through SvcDebugPrint";
    EXPECT_FALSE(host->mfds().pressKey(display, 0x11));
    EXPECT_EQ(Probe().mfdevCalls, 5);
    EXPECT_TRUE(host->mfds().pressKey(display, 0x19));  // P: page switch
    EXPECT_TRUE(Shows("Page 1"));
}

TEST_F(CollisionControl, HaltEndsTheRunAtOnceWithNothingSaved)
{
    Simulate(1.0);
    double stoppedAt = host->world().simt;

    EXPECT_TRUE(Click("HLT"));

    EXPECT_TRUE(host->runEnded());
    EXPECT_EQ(Probe().lastEvent, COLLISION_EVENT_HALT);
    EXPECT_EQ(Calls().count("ExitProcess(0"), 1);
    Simulate(1.0);
    EXPECT_EQ(host->world().simt, stoppedAt) << "no step after the shutdown";
    EXPECT_EQ(Probe().maincallCalls[COLLISION_PHASE_PRE], 10);
    std::string error;
    EXPECT_FALSE(host->saveScenario(root / "after.scn", error));
    EXPECT_FALSE(oapiSaveScenario("after", "nothing"));
    EXPECT_EQ(Probe().statsCalls, 0);
    EXPECT_FALSE(std::filesystem::exists(root / "after.scn"));
}

TEST_F(CollisionControl, TheLibraryHoldsTheWholeTable)
{
    void** table = Probe().table;
    ASSERT_NE(table, nullptr);

    EXPECT_EQ(table[SVC_oapiIsVessel], reinterpret_cast<void*>(&oapiIsVessel));
    EXPECT_EQ(table[SVC_oapiGetVesselCount], reinterpret_cast<void*>(&oapiGetVesselCount));
    for (int index : {22, 23, 30, 33, 35, 40, 41, 56, 57, 58, 59, 60, 100, 101, 102, 113, 114, 115, 118, 119, 123})
        EXPECT_EQ(table[index], nullptr) << "index " << index;
    int filled = int(std::count_if(table, table + SERVICE_TABLE_SIZE, [](void* entry) { return entry != nullptr; }));
    EXPECT_EQ(filled, 104);

    auto print = reinterpret_cast<int (*)(const char*)>(table[0]);
    EXPECT_EQ(print("Hits: 50 %%"), 10);
    EXPECT_EQ(host->debugLine(), "Hits: 50 %");
}

TEST_F(CollisionControl, ThePageComesBackFromAScenarioOnlyWhenItsLineSaysExactlyOne)
{
    std::string error;
    ASSERT_TRUE(host->saveScenario(root / "page.scn", error)) << error;
    std::string saved = testing_support::ReadFile(root / "page.scn");
    size_t at = saved.find("PAGE 0");
    ASSERT_NE(at, std::string::npos) << saved;
    for (const auto& [line, expected] : {std::pair<const char*, const char*>{"PAGE 1", "PAGE 1"},
                                         {"PAGE 4294967297", "PAGE 0"},
                                         {"PAGE 1abc", "PAGE 0"},
                                         {"PAGE -4294967295", "PAGE 0"}}) {
        std::string edited = saved;
        edited.replace(at, 6, line);
        std::ofstream(root / "edited.scn") << edited;
        ASSERT_TRUE(host->loadScenario(root / "edited.scn", error)) << error;
        ASSERT_TRUE(host->saveScenario(root / "again.scn", error)) << error;
        EXPECT_NE(testing_support::ReadFile(root / "again.scn").find(expected), std::string::npos) << line;
    }
}
