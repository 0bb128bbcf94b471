/* The emulated host itself: handles, the step and its physics, deferred
 * deletion, displays, input boxes and scenario files. Physics is checked
 * against closed-form predictions, not against the code's own numbers. */
#include "support/emulated_root.h"

#include "emulator/host/frame_math.h"
#include "emulator/host/handle_table.h"
#include "emulator/host/host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <fstream>

namespace {

class HostTest : public ::testing::Test {
protected:
    HostTest() { planet = host.world().addBody(emu::Body()); }

    OBJHANDLE Ship(const char* name, const VECTOR3& pos = {0, 0, 0}, const VECTOR3& vel = {0, 0, 0})
    {
        return host.createVesselAt(name, "Ship", pos, vel);
    }

    testing_support::EmulatedRoot root{""};
    emu::Host host{root.path()};
    OBJHANDLE planet;
};

/* Pushes its own vessel with a constant force in its own frame. */
class Pusher : public VESSEL2 {
public:
    Pusher(OBJHANDLE h, VECTOR3 force) : VESSEL2(h), force_(force) {}
    void clbkPreStep(double, double, double) override { AddForce(force_, {0, 0, 0}); }

private:
    VECTOR3 force_;
};

}  // namespace

TEST(HandleTable, AHandleKeptPastItsObjectFindsNothingEvenWhenTheSlotIsReused)
{
    emu::HandleTable<int> table(2);
    emu::HandleTable<int> other(3);
    void* first = table.insert(std::make_unique<int>(1));
    table.erase(first);
    void* second = table.insert(std::make_unique<int>(2));

    EXPECT_EQ(table.find(first), nullptr);
    ASSERT_NE(table.find(second), nullptr);
    EXPECT_EQ(*table.find(second), 2);
    EXPECT_EQ(other.find(second), nullptr) << "a handle of one kind is no handle of another";
    EXPECT_EQ(table.find(nullptr), nullptr);
}

class ImpulseAtStepSize : public HostTest, public ::testing::WithParamInterface<double> {};

TEST_P(ImpulseAtStepSize, AConstantForceGivesForceTimesTimeOverMass)
{
    OBJHANDLE h = Ship("P-1");
    emu::VesselRecord* v = host.world().vessel(h);
    // Turned a quarter about z: the vessel's x axis is the global y axis.
    v->rot = emu::RotationFromAngles({0, 0, std::acos(-1.0) / 2});
    delete v->iface;
    auto* pusher = new Pusher(h, {500, 0, 0});
    v->iface = v->callbacks = pusher;

    double dt = GetParam();
    for (int i = 0; i < int(std::lround(4.0 / dt)); ++i)
        host.step(dt);

    // 500 N for 4 s on 10000 kg, along the vessel's x axis.
    EXPECT_NEAR(v->vel.x, 0.0, 1e-12);
    EXPECT_NEAR(v->vel.y, 0.2, 1e-12);
    EXPECT_NEAR(v->lastForce.y, 500.0, 1e-9);
    EXPECT_NEAR(v->pos.y - 6.371e6 * 0, 0.5 * 0.05 * 16, 0.05 * 4 * dt) << "x = a t^2 / 2, to the step";
}

INSTANTIATE_TEST_SUITE_P(StepSizes, ImpulseAtStepSize, ::testing::Values(0.01, 0.1, 0.5));

TEST_F(HostTest, GravityHoldsACircularOrbitForAQuarterTurn)
{
    host.world().gravity = true;
    double r = 7e6, gm = emu::Body().gm;
    double speed = std::sqrt(gm / r);
    OBJHANDLE h = Ship("O-1", {r, 0, 0}, {0, 0, speed});
    double quarter = std::acos(-1.0) / 2 * r / speed;
    for (int i = 0; i < int(quarter / 0.05); ++i)
        host.step(0.05);

    emu::VesselRecord* v = host.world().vessel(h);
    EXPECT_NEAR(emu::length(v->pos), r, r * 1e-4);
    EXPECT_NEAR(v->pos.z, r, r * 2e-3);
}

TEST_F(HostTest, DeletionWaitsForTheEndOfTheStepAndTheFocusMovesOn)
{
    OBJHANDLE first = Ship("A");
    OBJHANDLE second = Ship("B");
    host.setFocus(first);

    ASSERT_TRUE(oapiDeleteVessel(first));
    EXPECT_TRUE(oapiIsVessel(first)) << "still there until the step ends";
    host.step(0.1);

    EXPECT_FALSE(oapiIsVessel(first));
    EXPECT_EQ(oapiGetVesselInterface(first), nullptr);
    EXPECT_EQ(oapiGetVesselCount(), 1u);
    EXPECT_EQ(oapiGetVesselByIndex(0), second);
    EXPECT_EQ(host.world().focus, second);
    EXPECT_FALSE(oapiDeleteVessel(first)) << "a stale handle is refused";
}

TEST_F(HostTest, ObjectNamesAreCutToTheGivenLengthAndAlwaysTerminated)
{
    std::string name(300, 'x');
    OBJHANDLE h = Ship(name.c_str());
    char buffer[16];
    std::memset(buffer, '#', sizeof buffer);

    oapiGetObjectName(h, buffer, 8);
    EXPECT_STREQ(buffer, "xxxxxxx");
    EXPECT_EQ(buffer[8], '#');
    oapiGetObjectName(nullptr, buffer, 8);
    EXPECT_STREQ(buffer, "");
}

namespace {

int liveDisplays;

class CountingDisplay : public MFD {
public:
    CountingDisplay(DWORD w, DWORD h, VESSEL* v) : MFD(w, h, v) { ++liveDisplays; }
    ~CountingDisplay() override { --liveDisplays; }
    void Update(HDC hDC) override
    {
        Title(hDC, "Counting");
        TextOutA(hDC, 10, 48, "first", 5);
        TextOutA(hDC, 20, 64, "second line", 6);
    }
    bool ConsumeKeyBuffered(DWORD key) override { return key == 0x10; }
};

OAPI_MSGTYPE CountingProc(UINT msg, UINT, WPARAM wparam, LPARAM lparam)
{
    if (msg != OAPI_MSG_MFD_OPENED)
        return 0;
    return reinterpret_cast<OAPI_MSGTYPE>(
        new CountingDisplay(DWORD(wparam & 0xFFFF), DWORD(wparam >> 16), reinterpret_cast<VESSEL*>(lparam)));
}

}  // namespace

TEST_F(HostTest, DisplaysOpenDrawTakeKeysAndCloseThroughTheirDestructor)
{
    OBJHANDLE h = Ship("GL-01");
    MFDMODESPEC counting{"Counting", 0x2E, CountingProc};
    int mode = oapiRegisterMFDMode(counting);

    int display = host.openMfd("Counting", h, 400, 200);
    ASSERT_GE(display, 0);
    EXPECT_EQ(liveDisplays, 1);
    EXPECT_TRUE(host.mfds().pressKey(display, 0x10));
    EXPECT_FALSE(host.mfds().pressKey(display, 0x11));

    emu::Screen screen = host.mfds().redraw(display);
    EXPECT_EQ(screen.row(48), "first");
    EXPECT_EQ(screen.row(64), "second") << "only the given length is drawn";
    ASSERT_EQ(screen.lines.size(), 5u);
    EXPECT_EQ(screen.lines[0], "Counting");
    EXPECT_EQ(screen.lines[3], " first");
    EXPECT_EQ(screen.lines[4], "  second");

    host.openMfd("Counting", h, 400, 200);
    oapiUnregisterMFDMode(mode);
    EXPECT_EQ(liveDisplays, 0) << "a mode's displays close with it";
    EXPECT_EQ(host.openMfd("Counting", h, 400, 200), -1);
}

namespace {

std::string received;

bool Remember(void*, char* text, void* context)
{
    received = text;
    return context != nullptr;
}

}  // namespace

TEST_F(HostTest, AnInputBoxHandsTheConfirmedTextToItsCallbackOnce)
{
    int context = 0;
    oapiOpenInputBox("Select power (Kt)", Remember, nullptr, 20, &context);
    ASSERT_TRUE(host.inputBox().isOpen());
    EXPECT_EQ(host.inputBox().title(), "Select power (Kt)");
    EXPECT_EQ(host.inputBox().visibleLength(), 20);

    EXPECT_TRUE(host.inputBox().confirm("50"));
    EXPECT_EQ(received, "50");
    EXPECT_FALSE(host.inputBox().isOpen());
    EXPECT_FALSE(host.inputBox().confirm("60")) << "a closed box takes nothing";
    EXPECT_EQ(received, "50");
}

TEST_F(HostTest, AScenarioSavedAndLoadedKeepsTheWorldExactly)
{
    host.world().simt = 12.5;
    OBJHANDLE h = Ship("GL-01", {7e6 + 0.1, -3.3, 1.0 / 3}, {1.5, 7546.123456789, -2});
    host.world().vessel(h)->rot = emu::RotationFromAngles({0.1, -0.2, 0.3});
    Ship("GL-02", {1, 2, 3});
    host.setFocus(host.world().vesselByName("GL-02")->handle);
    emu::VesselRecord before = *host.world().vessel(h);

    host.saveScenario(root / "round.scn");
    std::string error;
    ASSERT_TRUE(host.loadScenario(root / "round.scn", error)) << error;

    emu::VesselRecord* after = host.world().vesselByName("GL-01");
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->pos.x, before.pos.x);
    EXPECT_EQ(after->pos.z, before.pos.z);
    EXPECT_EQ(after->vel.y, before.vel.y);
    EXPECT_NEAR(after->rot.m12, before.rot.m12, 1e-15);
    EXPECT_EQ(after->size, 20.0);
    EXPECT_EQ(after->emptyMass, 10000.0);
    EXPECT_EQ(host.world().simt, 12.5);
    EXPECT_EQ(host.world().vessel(host.world().focus)->name, "GL-02");
}

TEST_F(HostTest, ABrokenScenarioNamesItsLine)
{
    std::ofstream(root / "bad.scn") << "BRIMSTAR-HOST-SCENARIO 1\nBEGIN_ENVIRONMENT\n  SPEED 3\nEND_ENVIRONMENT\n";
    std::string error;
    EXPECT_FALSE(host.loadScenario(root / "bad.scn", error));
    EXPECT_NE(error.find("bad.scn:3: unknown environment item 'SPEED'"), std::string::npos) << error;
}
