/* The step and its physics, checked against closed-form predictions rather
 * than the code's own numbers, and deletion deferred to the end of the step. */
#include "tests/emulator/host/host_fixture.h"

#include "emulator/host/motion/frame_math.h"

#include <gtest/gtest.h>

#include <algorithm>
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

/* A constant push a = F/m from rest, with nothing kept from before: the
 * first sub-step's first stage has no push in it, every later one has.
 * Worked out by hand from the methods' tableaux: over the first sub-step
 * of length h the velocity gains (1 - b1) a h and the position
 * sum(b_i (c_i - a_i1)) a h^2, which is 0 for the midpoint method, 1/3
 * for the classical fourth order, 49/120 for Butcher's sixth and 9/20 for
 * Cooper and Verner's eighth; every later sub-step is exact. */
struct PushCase {
    double dt;
    int steps;
    double velocity;  // in units of a
    double position;  // in units of a
};

class PushAtStepSize : public HostTest, public ::testing::WithParamInterface<PushCase> {};

TEST_P(PushAtStepSize, AConstantForceMovesTheVesselAsTheHostsMethodsDo)
{
    OBJHANDLE h = Ship("P-1");
    emu::VesselRecord* v = host.world().vessel(h);
    // Turned a quarter about z: the vessel's x axis is the global y axis.
    v->rot = emu::RotationFromAngles({0, 0, std::acos(-1.0) / 2});
    // The host's own object stays the host's to delete; the pusher stands in
    // for it while the test runs.
    Pusher pusher(h, {500, 0, 0});
    v->iface = &pusher;
    host.world().setCallbacks(*v, &pusher);

    const PushCase& c = GetParam();
    for (int i = 0; i < c.steps; ++i)
        host.step(c.dt);

    double a = 500.0 / 10000.0;  // on 10000 kg, along the vessel's x axis
    auto rounding = [](double x) { return 1e-12 * std::max(1.0, std::fabs(x)); };
    // The quarter turn's cosine is 6e-17, not 0.
    EXPECT_NEAR(v->vel.x, 0.0, rounding(c.velocity * a));
    EXPECT_NEAR(v->vel.y, c.velocity * a, rounding(c.velocity * a));
    EXPECT_NEAR(v->pos.x, 0.0, rounding(c.position * a));
    EXPECT_NEAR(v->pos.y, c.position * a, rounding(c.position * a));
}

INSTANTIATE_TEST_SUITE_P(
    StepSizes, PushAtStepSize,
    ::testing::Values(
        // The midpoint method: the velocity at once, the position from the next sub-step.
        PushCase{0.1, 1, 0.1, 0.0}, PushCase{0.1, 2, 0.2, 0.015},
        // Three sub-steps of 0.1 s: 0, then 0.015 and 0.025.
        PushCase{0.3, 1, 0.3, 0.04},
        // 4 s: a t^2 / 2 less a h^2 / 2.
        PushCase{0.01, 400, 4.0, (16.0 - 1e-4) / 2}, PushCase{0.1, 40, 4.0, (16.0 - 0.01) / 2},
        // The classical method, one sub-step of 0.5 s per step: a t^2 / 2 less a h t / 6.
        PushCase{0.5, 8, 4.0 - 0.5 / 6, 8.0 - 0.5 * 4 / 6},
        // Four sub-steps of 2 s.
        PushCase{8.0, 1, 23.0 / 3, 88.0 / 3},
        // Butcher's sixth order, three sub-steps of 20 s.
        PushCase{60.0, 1, 349.0 / 6, 1690.0},
        // Cooper and Verner's eighth, five sub-steps of 200 s.
        PushCase{1000.0, 1, 990.0, 490000.0}));

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

namespace {

/* Asks for its own state in its post-step. */
class PostStepReader : public VESSEL2 {
public:
    explicit PostStepReader(OBJHANDLE h) : VESSEL2(h) {}
    void clbkPostStep(double, double, double) override
    {
        GetGlobalPos(pos);
        GetGlobalVel(vel);
        altitude = GetAltitude();
        date = oapiGetSimMJD();
    }
    VECTOR3 pos{}, vel{};
    double altitude = 0, date = 0;
};

}  // namespace

TEST_F(HostTest, PostStepsSeeTheStateAtTheStepsStart)
{
    host.world().gravity = true;
    VECTOR3 start{7e6, 0, 0}, startVel{0, 1000, 7000};
    OBJHANDLE h = Ship("R-1", start, startVel);
    emu::VesselRecord* v = host.world().vessel(h);
    PostStepReader reader(h);
    v->iface = &reader;
    host.world().setCallbacks(*v, &reader);

    double startDate = host.world().mjd();
    host.step(1.0);

    EXPECT_EQ(reader.date, startDate);
    EXPECT_EQ(reader.pos.x, start.x);
    EXPECT_EQ(reader.pos.y, start.y);
    EXPECT_EQ(reader.vel.y, startVel.y);
    EXPECT_EQ(reader.vel.z, startVel.z);
    EXPECT_NEAR(reader.altitude, 7e6 - emu::Body().radius, 1e-6);
    EXPECT_GT(emu::length(emu::operator-(v->pos, start)), 7000.0) << "the new state after the step";
}
