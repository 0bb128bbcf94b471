/* The ground's hold on a vessel, against closed forms: a fall from rest
 * under a constant force or gravity, a straight line that cuts through the
 * planet within one step, and the turning planet carrying what stands on it. */
#include "tests/emulator/host/host_fixture.h"

#include "emulator/host/motion/frame_math.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

namespace {

const double pi = std::acos(-1.0);

/* Pushes its own vessel with a constant force in its own frame. */
class Pusher : public VESSEL2 {
public:
    Pusher(OBJHANDLE h, VECTOR3 force) : VESSEL2(h), force(force) {}
    void clbkPreStep(double, double, double) override { AddForce(force, {0, 0, 0}); }
    VECTOR3 force;
};

class Touchdowns : public emu::HostObserver {
public:
    void touchedDown(const emu::VesselRecord&, const emu::Touchdown& where) override { seen.push_back(where); }
    void timeJumped(double from, double to) override { jumps.push_back({from, to}); }
    std::vector<emu::Touchdown> seen;
    std::vector<std::pair<double, double>> jumps;
};

class GroundTest : public HostTest {
protected:
    GroundTest() { host.setObserver(&watcher); }

    /* A ship standing on legs `legs` m below its centre, along its -x axis,
     * which points down when it sits on the planet's +x axis. */
    emu::VesselRecord& Ship(const VECTOR3& pos, const VECTOR3& vel, double legs)
    {
        emu::VesselRecord& v = *host.world().vessel(HostTest::Ship("S-1", pos, vel));
        pusher = std::make_unique<Pusher>(v.handle, VECTOR3{0, 0, 0});
        v.iface = pusher.get();
        host.world().setCallbacks(v, pusher.get());
        pusher->SetTouchdownPoints({-legs, 0, 0}, {-legs, 0, 0}, {-legs, 0, 0});
        return v;
    }

    emu::Body& Planet() { return *host.world().body(planet); }

    Touchdowns watcher;
    std::unique_ptr<Pusher> pusher;
};

struct Fall {
    const char* name;
    double period;  // s, 0 for a planet that does not turn
    bool gravity;
    double push;    // N, downwards, on 10 t
};

void PrintTo(const Fall& fall, std::ostream* out)
{
    *out << fall.name;
}

class FallOnto : public GroundTest, public ::testing::WithParamInterface<Fall> {};

}  // namespace

TEST_P(FallOnto, TheVesselRestsOnItsLegsAndTurnsWithThePlanet)
{
    const Fall& fall = GetParam();
    Planet().rotationPeriod = fall.period;
    host.world().gravity = fall.gravity;
    const double radius = Planet().radius, legs = 2, height = 50, rest = radius + legs, dt = 0.01;
    emu::VesselRecord& v = Ship({rest + height, 0, 0}, {0, 0, 0}, legs);
    pusher->force = {-fall.push, 0, 0};

    const double end = 30;
    for (int i = 0; i < int(std::lround(end / dt)); ++i)
        host.step(dt);

    // From rest over `height`: v^2 = 2 a h, or 2 GM (1/r - 1/r0).
    double a = fall.push / 1e4, gm = Planet().gm;
    double fallSpeed = fall.gravity ? std::sqrt(2 * gm * (1 / rest - 1 / (rest + height)))
                                    : std::sqrt(2 * a * height);
    double spin = fall.period ? 2 * pi / fall.period : 0.0;
    ASSERT_EQ(watcher.seen.size(), 1u);
    const emu::Touchdown& touchdown = watcher.seen[0];
    EXPECT_NEAR(touchdown.speed, std::hypot(fallSpeed, spin * rest), 0.02 * fallSpeed)
        << "relative to the ground beneath it, which moves with the planet";
    if (!fall.gravity) {
        EXPECT_NEAR(touchdown.time, std::sqrt(2 * height / a), 0.02);
    }
    EXPECT_NEAR(touchdown.latitude, 0.0, 1e-12);
    EXPECT_NEAR(std::remainder(touchdown.longitude + spin * touchdown.time, 2 * pi), 0.0, 1e-9)
        << "the ground that was beneath the global +x axis then";

    EXPECT_EQ(v.status, 1);
    EXPECT_NEAR(emu::length(v.pos), rest, 1e-6);
    double turned = spin * (end - touchdown.time);
    EXPECT_NEAR(v.pos.x, rest * std::cos(turned), 1e-6);
    EXPECT_NEAR(v.pos.y, 0.0, 1e-6);
    EXPECT_NEAR(v.pos.z, rest * std::sin(turned), 1e-6);
    double groundSpeed = spin * rest, rounding = 1e-9 + 1e-12 * groundSpeed;
    EXPECT_NEAR(v.vel.x, -groundSpeed * std::sin(turned), rounding);
    EXPECT_NEAR(v.vel.z, groundSpeed * std::cos(turned), rounding);
}

INSTANTIATE_TEST_SUITE_P(Planets, FallOnto,
                         ::testing::Values(Fall{"StillPushed", 0, false, 1e4}, Fall{"TurningPushed", 1000, false, 1e4},
                                           Fall{"EarthFreeFall", 86164.1, true, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(GroundTest, AWayThatCutsThroughThePlanetWithinOneStepIsCaught)
{
    Planet().rotationPeriod = 0;
    const double radius = Planet().radius, depth = 50, speed = 6000;
    // A straight line 50 m deep at its middle, both ends well above ground.
    emu::VesselRecord& v = Ship({radius - depth, 0, -30000}, {0, 0, speed}, 0);
    ASSERT_GT(emu::length(v.pos), radius);
    ASSERT_GT(std::hypot(radius - depth, 30000.0), radius) << "the step's end is above ground too";

    host.step(10);

    double entry = -std::sqrt(radius * radius - (radius - depth) * (radius - depth));
    ASSERT_EQ(watcher.seen.size(), 1u);
    EXPECT_NEAR(watcher.seen[0].time, (entry + 30000) / speed, 1e-6);
    EXPECT_NEAR(watcher.seen[0].speed, speed, 1e-6);
    EXPECT_NEAR(watcher.seen[0].longitude, std::atan2(entry, radius - depth), 1e-9);
    EXPECT_EQ(v.status, 1);
    EXPECT_NEAR(v.pos.z, entry, 1e-3);
    EXPECT_NEAR(emu::length(v.pos), radius, 1e-6);
}

TEST_F(GroundTest, APushOutwardLiftsALandedVesselOnlyWhenItOutweighsItsWeight)
{
    host.world().gravity = true;
    Planet().rotationPeriod = 0;
    const double radius = Planet().radius, g = Planet().gm / (radius * radius), dt = 0.1;
    emu::VesselRecord& v = Ship({radius + 0.5, 0, 0}, {-10, 0, 0}, 0);
    host.step(dt);
    ASSERT_EQ(v.status, 1);

    pusher->force = {0.9 * 1e4 * g, 0, 0};
    host.step(dt);
    EXPECT_EQ(v.status, 1) << "less than its weight";

    pusher->force = {2 * 1e4 * g, 0, 0};
    host.step(dt);
    EXPECT_EQ(v.status, 0);
    EXPECT_NEAR(v.vel.x, (2 * g - g) * dt, 1e-9) << "the net force over the step";
    EXPECT_NEAR(v.pos.x, radius, 1e-6) << "it moves from the next step on";
    host.step(dt);
    EXPECT_GT(v.pos.x, radius);
    EXPECT_EQ(v.status, 0);
}

TEST_F(GroundTest, ATimeJumpTurnsThePlanetUnderALandedVessel)
{
    Planet().rotationPeriod = 1000;
    const double radius = Planet().radius;
    emu::VesselRecord& v = Ship({radius + 0.5, 0, 0}, {-1, 0, 0}, 0);
    host.step(1);
    ASSERT_EQ(watcher.seen.size(), 1u);
    double lng = watcher.seen[0].longitude;

    ASSERT_TRUE(host.jumpTime(-250));
    ASSERT_EQ(watcher.jumps.size(), 1u);
    EXPECT_DOUBLE_EQ(watcher.jumps[0].first, 1.0);
    EXPECT_DOUBLE_EQ(watcher.jumps[0].second, -250.0);
    // Its ground stands at longitude lng, the planet turned to -250 s.
    double angle = lng + 2 * pi * -250 / 1000;
    EXPECT_NEAR(v.pos.x, radius * std::cos(angle), 1e-6);
    EXPECT_NEAR(v.pos.z, radius * std::sin(angle), 1e-6);
    EXPECT_FALSE(host.jumpTime(std::nan("")));
    EXPECT_EQ(watcher.jumps.size(), 1u);
}
