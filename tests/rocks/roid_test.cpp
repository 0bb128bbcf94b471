/* A rock's own rules, driven directly: hits, the debug line, and the two
 * reasons to remove itself. */
#include "host/collision_module.h"
#include "rocks/roid.h"
#include "support/emulated_root.h"

#include "emulator/host/host.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class RoidTest : public ::testing::Test {
protected:
    RoidTest()
    {
        host.calls().enable();
        VesselStateEx state{};
        state.version = 2;
        focus = host.createVessel("GL-01", "Ship", state);
        rockHandle = host.createVessel("R-4", "Ship", state);
        rock = std::make_unique<Roid>(rockHandle, 1);
    }

    void MoveRockTo(double x) { host.world().vessel(rockHandle)->pos = {x, 0, 0}; }
    int DeletionRequests() { return host.calls().count("oapiDeleteVessel(R-4)"); }

    testing_support::EmulatedRoot root{""};
    emu::Host host{root.path()};
    OBJHANDLE focus, rockHandle;
    std::unique_ptr<Roid> rock;
};

}  // namespace

TEST_F(RoidTest, EachHitCostsTenHealthAndTheEleventhDestroysTheRock)
{
    RockCollideCallback(rock.get());
    EXPECT_EQ(host.debugLine(), "Hits: 100.000000 %");
    EXPECT_EQ(rock->health, 90.0);
    RockCollideCallback(rock.get());
    EXPECT_EQ(host.debugLine(), "Hits: 90.000000 %");
    for (int i = 2; i < 10; ++i)
        RockCollideCallback(rock.get());
    rock->clbkPreStep(1, 1, 0);
    EXPECT_EQ(rock->health, 0.0);
    EXPECT_EQ(DeletionRequests(), 0) << "at zero the rock stays";

    RockCollideCallback(rock.get());
    rock->clbkPreStep(2, 1, 0);
    EXPECT_EQ(rock->health, -10.0);
    EXPECT_EQ(DeletionRequests(), 1);
}

TEST_F(RoidTest, ARockIsRemovedOnlyBeyondEightHundredMetresAndOnceForBothReasons)
{
    MoveRockTo(800.0);
    rock->clbkPreStep(1, 1, 0);
    EXPECT_EQ(DeletionRequests(), 0) << "exactly 800 m stays";

    MoveRockTo(800.001);
    rock->health = -10;
    rock->clbkPreStep(2, 1, 0);
    EXPECT_EQ(DeletionRequests(), 1) << "beyond range and destroyed: one request";
}

TEST_F(RoidTest, ARockInFocusIsNeverOutOfRange)
{
    host.setFocus(rockHandle);
    MoveRockTo(1e9);
    rock->clbkPreStep(1, 1, 0);
    EXPECT_EQ(DeletionRequests(), 0);
}

TEST_F(RoidTest, ACallbackForARockThatIsGoneReachesNothing)
{
    Roid* gone = rock.get();
    rock.reset();
    RockCollideCallback(gone);
    RockCollideCallback(nullptr);
    EXPECT_EQ(host.debugLine(), "");
}

TEST_F(RoidTest, ClassCapabilitiesAreDeclaredInOrder)
{
    host.calls().clear();
    rock->clbkSetClassCaps(nullptr);
    std::vector<std::string> caps = host.calls().entries();
    EXPECT_EQ(caps, (std::vector<std::string>{
                        "R-4.SetSize(10)", "R-4.SetPMI((1, 1, 1))", "R-4.SetEmptyMass(11000)",
                        "R-4.SetCrossSections((0.01, 0.01, 0.01))", "R-4.SetRotDrag((0.3, 0.3, 0.3))",
                        "R-4.SetSurfaceFrictionCoeff(0.7, 0.7)", "R-4.SetCameraOffset((0, 0, 0))",
                        "R-4.SetTouchdownPoints((-1, -1, -2), (-1, 1, -2), (1, 0, -2))",
                        "oapiLoadMeshGlobal(roid)", "R-4.AddMesh((0, 0, 0))", "R-4.SetMeshVisibilityMode(0, 3)"}));
}

namespace {

struct Registration {
    OBJHANDLE vessel;
    void* context;
    CollideCallback callback;
};

std::vector<Registration> registrations;

void COLLAPI RecordRegistration(OBJHANDLE vessel, void* context, CollideCallback callback)
{
    registrations.push_back({vessel, context, callback});
}

}  // namespace

TEST_F(RoidTest, RegistersOnceAtCreationAndOnceInEveryStepWithTheSameThreeValues)
{
    registrations.clear();
    SetOnCollideFn saved = collisionModule.VSSetOnCollide;
    collisionModule.VSSetOnCollide = RecordRegistration;
    rock->clbkPostCreation();
    for (int step = 1; step <= 3; ++step)
        rock->clbkPreStep(step, 1, 0);
    collisionModule.VSSetOnCollide = saved;

    ASSERT_EQ(registrations.size(), 4u);
    for (const Registration& r : registrations) {
        EXPECT_EQ(r.vessel, rockHandle);
        EXPECT_EQ(r.context, rock.get());
        EXPECT_EQ(r.callback, RockCollideCallback);
    }
}

TEST_F(RoidTest, ARockWhoseDistanceIsNoNumberIsOutOfRange)
{
    MoveRockTo(std::nan(""));
    rock->clbkPreStep(1, 1, 0);
    EXPECT_EQ(DeletionRequests(), 1);
    rock->clbkPreStep(2, 1, 0);
    EXPECT_EQ(DeletionRequests(), 1) << "asked once: the host deletes it after the step";
}
