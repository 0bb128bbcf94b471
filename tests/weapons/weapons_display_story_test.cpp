/* The Weapons display as a pilot uses it: what it shows, its buttons and
 * keys, slots shared between displays, and the sequence timer. */
#include "weapons_fixture.h"

using namespace testing_support;

TEST_F(WeaponsTest, AFreshSlotShowsItsDefaultsOnTwelveLines)
{
    int display = OpenWeapons(AddShip("GL-01"));
    emu::Screen screen = host->mfds().redraw(display);

    EXPECT_EQ(screen.canvas.title, "Weapons MFD");
    std::vector<std::string> expected = {"Forward distance:", "0.0 m",      "Forward velocity:", "0.100 Km/s",
                                         "Nuke Power:",       "0.000000",   "Nuke Delay:",       "10.000000",
                                         "Nuke Duration:",    "3.000000",   "Nuke Seq: 0 Delay:", "13.000000"};
    ASSERT_EQ(screen.canvas.items.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        EXPECT_EQ(screen.canvas.items[i].text, expected[i]);
        EXPECT_EQ(screen.canvas.items[i].x, i % 2 == 0 ? 10 : 20);
        EXPECT_EQ(screen.canvas.items[i].y, 48 + 16 * int(i));
    }
}

TEST_F(WeaponsTest, EachKeyOpensItsPromptAndSetsItsLine)
{
    struct Case {
        DWORD key;
        const char* prompt;
        const char* typed;
        int line;
        const char* shown;
    };
    const Case cases[] = {
        {KeyD, "(Weap): Select distance to travel(preceed with K,M,G or A )", "k2", 2, "2.00 Km(0.000 AU)"},
        {KeyV, "(Weap): Select final velocity(Km/s)", "12.345", 4, "12.345 Km/s"},
        {KeyP, "Select power (Kt)", "50", 6, "50.000000"},
        {KeyL, "Select delay (s)", "-5000", 8, "-5000.000000"},
        {KeyS, "Select seq delay (s)", "7.5", 12, "7.500000"},
        {KeyU, "Select duration (s)", "20", 10, "20.000000"},  // after the sequence delay, to show it stays
    };
    int display = OpenWeapons(AddShip("GL-01"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.prompt);
        ASSERT_TRUE(Press(display, c.key));
        EXPECT_EQ(host->inputBox().title(), c.prompt);
        EXPECT_TRUE(host->inputBox().confirm(c.typed));
        EXPECT_EQ(Line(display, c.line), c.shown);
    }
    EXPECT_EQ(Line(display, 12), "7.500000") << "a new duration leaves the sequence delay alone";
}

TEST_F(WeaponsTest, DistancesSwitchUnitsAtTheirThresholds)
{
    const std::pair<const char*, const char*> cases[] = {
        {"1000", "1.00 Km(0.000 AU)"}, {"999", "999.0 m"},          {"1e9", "1.00 Gm(0.007 AU)"},
        {"1.5e11", "150.00 Gm(1.000 AU)"}, {"M1.5", "1.50 Mm(0.000 AU)"}, {"-3000", "-3000.0 m"},
    };
    int display = OpenWeapons(AddShip("GL-01"));
    for (const auto& [typed, shown] : cases) {
        ASSERT_TRUE(Enter(display, KeyD, typed));
        EXPECT_EQ(Line(display, 2), shown) << typed;
    }
}

TEST_F(WeaponsTest, ButtonsStandForTheirKeysOnlyWhenTheButtonGoesDown)
{
    int display = OpenWeapons(AddShip("GL-01"));
    const char* labels[] = {"DIS", "VEL", "POW", "DUR", "DEL", "SDL", "SEQ", "BMB"};
    for (int b = 0; b < 8; ++b)
        EXPECT_EQ(host->mfds().buttonLabel(display, b), labels[b]);
    EXPECT_EQ(host->mfds().buttonLabel(display, 8), "");
    const MFDBUTTONMENU* menu = nullptr;
    EXPECT_EQ(host->mfds().buttonMenu(display, &menu), 8);
    EXPECT_EQ(host->mfds().buttonMenu(display, nullptr), 8);
    ASSERT_NE(menu, nullptr);
    EXPECT_STREQ(menu[0].line1, "<- Distance ahead to appear at.");
    EXPECT_EQ(menu[7].selchar, 'B');
    // The host packs the menu to one byte: its members are read by value.
    EXPECT_EQ(static_cast<const char*>(menu[3].line2), nullptr);

    EXPECT_FALSE(host->mfds().clickButton(display, 6, 0)) << "released, not pressed";
    EXPECT_FALSE(host->mfds().clickButton(display, 8, PANEL_MOUSE_LBDOWN));
    EXPECT_EQ(Line(display, 11), "Nuke Seq: 0 Delay:");
    EXPECT_TRUE(host->mfds().clickButton(display, 6, PANEL_MOUSE_LBDOWN));
    EXPECT_EQ(Line(display, 11), "Nuke Seq: 1 Delay:");
    EXPECT_TRUE(Press(display, KeyG));
    EXPECT_EQ(Line(display, 11), "Nuke Seq: 0 Delay:") << "G toggles";
    EXPECT_FALSE(Press(display, 0x11)) << "not one of the eight keys";

    EXPECT_TRUE(host->mfds().clickButton(display, 2, PANEL_MOUSE_LBDOWN));
    EXPECT_EQ(host->inputBox().title(), "Select power (Kt)");
}

TEST_F(WeaponsTest, DisplaysOnOneVesselShareItsSlotWhichOutlivesThem)
{
    OBJHANDLE ship = AddShip("GL-01");
    OBJHANDLE other = AddShip("GL-02");
    int first = OpenWeapons(ship);
    int second = OpenWeapons(ship);

    ASSERT_TRUE(Enter(first, KeyP, "7"));
    EXPECT_EQ(Line(second, 6), "7.000000");
    // Displays belong to the vessel in focus: opening one on another vessel
    // takes every display there, made anew on that vessel's slot.
    int elsewhere = OpenWeapons(other);
    EXPECT_EQ(Line(elsewhere, 6), "0.000000");
    EXPECT_EQ(Line(first, 6), "0.000000");
    for (int display : {first, second, elsewhere})
        host->mfds().close(display);
    EXPECT_EQ(Line(OpenWeapons(ship), 6), "7.000000") << "reopened, the same slot";
}

TEST_F(WeaponsTest, The101stVesselGetsNoSlotAndItsDisplayTouchesNone)
{
    for (int i = 0; i < 100; ++i)
        ASSERT_GE(OpenWeapons(AddShip("S-" + std::to_string(i))), 0);
    int display = OpenWeapons(AddShip("S-100"));

    emu::Screen screen = host->mfds().redraw(display);
    EXPECT_EQ(screen.row(48), "No weapon slot left:");
    EXPECT_FALSE(Press(display, KeyP));
    EXPECT_FALSE(host->inputBox().isOpen());
    EXPECT_FALSE(Press(display, KeyB));
    EXPECT_EQ(Calls().count("oapiCreateVesselEx(Nuke"), 0);
}

TEST_F(WeaponsTest, AnInputBoxThatOutlivesItsDisplayChangesNothing)
{
    OBJHANDLE ship = AddShip("GL-01");
    int display = OpenWeapons(ship);
    ASSERT_TRUE(Press(display, KeyP));
    host->mfds().close(display);

    EXPECT_FALSE(host->inputBox().confirm("50"));
    EXPECT_EQ(Line(OpenWeapons(ship), 6), "0.000000");
}

TEST_F(WeaponsTest, SettingsThatCannotMakeAFaithfulNameFireNothing)
{
    int display = OpenWeapons(AddShip("GL-01"));
    // Texts that every C library's atof reads alike: msvcrt reads "inf" and
    // "nan" as 0, but an overflow is infinite everywhere.
    for (const char* power : {"1e300", "1e999", "-1e999", "-1e250"}) {
        ASSERT_TRUE(Enter(display, KeyP, power));
        EXPECT_TRUE(Press(display, KeyB));
    }
    EXPECT_EQ(Calls().count("oapiCreateVesselEx"), 1) << "only the ship was ever created";

    ASSERT_TRUE(Enter(display, KeyP, "0.0000001"));
    Press(display, KeyB);
    EXPECT_NE(VesselNamed("Nuke/10.000000/3.000000/0.000000"), nullptr) << "rounded to six decimals";
}

TEST_F(WeaponsTest, ASlotWhoseVesselIsGoneFiresNothing)
{
    OBJHANDLE ship = AddShip("GL-01");
    AddShip("GL-02");
    int display = OpenWeapons(ship);
    Press(display, KeyG);
    host->mfds().close(display);
    oapiDeleteVessel(ship);
    Calls().clear();
    Simulate(30, 1);

    EXPECT_EQ(Calls().count("oapiCreateVesselEx(Nuke"), 0);
    EXPECT_EQ(Calls().count("stale."), 0) << "the stale handle reached the host";
}

namespace {

/* Remembers when each bomb was created, and its position. */
struct Launches : emu::HostObserver {
    explicit Launches(emu::Host& h) : host(h) {}
    void vesselCreated(const emu::VesselRecord& v) override
    {
        if (*v.className == "nuke")
            shots.push_back({host.world().simt, v.pos.x});
    }
    emu::Host& host;
    std::vector<std::pair<double, double>> shots;
};

}  // namespace

TEST_F(WeaponsTest, ASequenceFiresWhenStrictlyMoreThanItsDelayHasPassedWithoutCatchingUp)
{
    Launches launches(*host);
    host->setObserver(&launches);
    OBJHANDLE first = AddShip("A", {1, 0, 0});
    OBJHANDLE second = AddShip("B", {2, 0, 0});
    host->world().simt = 99.5;
    Press(OpenWeapons(first), KeyG);
    Press(OpenWeapons(second), KeyG);

    Simulate(28.0, 0.5);  // steps from 99.5 to 127.0
    ASSERT_EQ(launches.shots.size(), 6u);
    // Both in the first step, in slot order; 112.5 is exactly 13 s later and does not fire.
    std::vector<std::pair<double, double>> expected = {{99.5, 1}, {99.5, 2}, {113.0, 1},
                                                       {113.0, 2}, {126.5, 1}, {126.5, 2}};
    EXPECT_EQ(launches.shots, expected);

    launches.shots.clear();
    Simulate(120.0, 40.0);  // from 127.5, too soon; then 167.5 and 207.5
    EXPECT_EQ(launches.shots.size(), 4u) << "one bomb per slot per step, however long the step";
    host->setObserver(nullptr);
}
