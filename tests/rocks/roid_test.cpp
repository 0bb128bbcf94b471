/* A rock's own rules, driven directly: hits, the debug line, and the two
 * reasons to remove itself. */
#include "host/collision_module.h"
#include "rocks/roid.h"
#include "support/emulated_root.h"

#include "emulator/host/host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <new>

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
    RockCollideCallback(rock->CollisionContext());
    EXPECT_EQ(host.debugLine(), "Hits: 100.000000 %");
    EXPECT_EQ(rock->health, 90.0);
    RockCollideCallback(rock->CollisionContext());
    EXPECT_EQ(host.debugLine(), "Hits: 90.000000 %");
    for (int i = 2; i < 10; ++i)
        RockCollideCallback(rock->CollisionContext());
    rock->clbkPreStep(1, 1, 0);
    EXPECT_EQ(rock->health, 0.0);
    EXPECT_EQ(DeletionRequests(), 0) << "at zero the rock stays";

    RockCollideCallback(rock->CollisionContext());
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
    void* gone = rock->CollisionContext();
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
        EXPECT_EQ(r.context, rock->CollisionContext());
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

TEST_F(RoidTest, ARegistrationOutlivingItsRockNeverHitsALaterRockAtTheSameAddress)
{
    registrations.clear();
    SetOnCollideFn saved = collisionModule.VSSetOnCollide;
    collisionModule.VSSetOnCollide = RecordRegistration;
    // The host hands a later vessel the deleted one's handle, and the heap
    // the deleted object's memory: the worst case, both at once.
    alignas(Roid) unsigned char memory[sizeof(Roid)];
    auto* first = new (memory) Roid(rockHandle, 1);
    first->clbkPostCreation();
    first->~Roid();
    auto* later = new (memory) Roid(rockHandle, 1);
    later->clbkPostCreation();
    collisionModule.VSSetOnCollide = saved;

    ASSERT_EQ(registrations.size(), 2u);
    registrations[0].callback(registrations[0].context);
    EXPECT_EQ(later->health, 100.0) << "the first rock's contact reached the later one";
    EXPECT_EQ(host.debugLine(), "");
    registrations[1].callback(registrations[1].context);
    EXPECT_EQ(later->health, 90.0) << "its own registration still reaches it";
    later->~Roid();
}
