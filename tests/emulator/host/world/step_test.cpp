/* The step and its physics, checked against closed-form predictions rather
 * than the code's own numbers, and deletion deferred to the end of the step. */
#include "tests/emulator/host/host_fixture.h"

#include "emulator/host/world/frame_math.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

/* Pushes its own vessel with a constant force in its own frame. */
class Pusher : public VESSEL2 {
public:
    Pusher(OBJHANDLE h, VECTOR3 force) : VESSEL2(h), force_(force) {}
    void clbkPreStep(double, double, double) override { AddForce(force_, {0, 0, 0}); }

private:
    VECTOR3 force_;
};

}  // namespace

class ImpulseAtStepSize : public HostTest, public ::testing::WithParamInterface<double> {};

TEST_P(ImpulseAtStepSize, AConstantForceGivesForceTimesTimeOverMass)
{
    OBJHANDLE h = Ship("P-1");
    emu::VesselRecord* v = host.world().vessel(h);
    // Turned a quarter about z: the vessel's x axis is the global y axis.
    v->rot = emu::RotationFromAngles({0, 0, std::acos(-1.0) / 2});
    // The host's own object stays the host's to delete; the pusher stands in
    // for it while the test runs.
    Pusher pusher(h, {500, 0, 0});
    v->iface = v->callbacks = &pusher;

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
