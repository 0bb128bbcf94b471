/* A vessel made during a step takes part in what is still to come of that
 * step: made in a vessel's pre-step, it gets its own pre-step, the
 * integration and a post-step; made in a post-step, a post-step only. A
 * vessel moved into a deleted one's place is called as itself. */
#include "tests/emulator/host/host_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <utility>

namespace {

/* Counts its callbacks and runs `then` in the one named. */
class Recorder : public VESSEL2 {
public:
    Recorder(OBJHANDLE h, bool spawnInPreStep, std::function<void()> then)
        : VESSEL2(h), spawnInPreStep_(spawnInPreStep), then_(std::move(then))
    {
    }
    void clbkPreStep(double, double, double) override
    {
        ++preSteps;
        if (spawnInPreStep_ && then_)
            std::exchange(then_, nullptr)();
    }
    void clbkPostStep(double, double, double) override
    {
        ++postSteps;
        if (!spawnInPreStep_ && then_)
            std::exchange(then_, nullptr)();
    }
    int preSteps = 0, postSteps = 0;

private:
    bool spawnInPreStep_;
    std::function<void()> then_;
};

}  // namespace

TEST_F(HostTest, AVesselMadeDuringAStepJoinsWhatIsLeftOfIt)
{
    struct Case {
        const char* madeIn;
        bool inPreStep;
        int preSteps, postSteps;
        bool moved;
    };
    const Case cases[] = {{"a pre-step", true, 1, 1, true}, {"a post-step", false, 0, 1, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.madeIn);
        OBJHANDLE parent = Ship("Parent");
        OBJHANDLE child = nullptr;
        std::optional<Recorder> childCalls;
        Recorder parentCalls(parent, c.inPreStep, [&] {
            child = Ship("Child", {0, 0, 0}, {0, 0, 10});
            emu::VesselRecord* v = host.world().vessel(child);
            v->iface = &childCalls.emplace(child, true, nullptr);
            host.world().setCallbacks(*v, &*childCalls);
        });
        emu::VesselRecord* p = host.world().vessel(parent);
        p->iface = &parentCalls;
        host.world().setCallbacks(*p, &parentCalls);

        host.step(0.5);

        ASSERT_NE(child, nullptr);
        EXPECT_EQ(childCalls->preSteps, c.preSteps);
        EXPECT_EQ(childCalls->postSteps, c.postSteps);
        // 10 m/s for the half second, when integrated with the others.
        EXPECT_DOUBLE_EQ(host.world().vessel(child)->pos.z, c.moved ? 5.0 : 0.0);
        host.endSession();
    }
}

TEST_F(HostTest, AVesselMovedIntoADeletedOnesPlaceKeepsItsOwnCallbacks)
{
    // The last vessel fills the gap: the step must call its callbacks, not
    // the deleted one's, from that place on.
    OBJHANDLE ships[] = {Ship("A"), Ship("B"), Ship("C")};
    std::optional<Recorder> calls[3];
    for (int i = 0; i < 3; ++i) {
        emu::VesselRecord* v = host.world().vessel(ships[i]);
        v->iface = &calls[i].emplace(ships[i], true, nullptr);
        host.world().setCallbacks(*v, &*calls[i]);
    }
    ASSERT_TRUE(host.requestDeletion(ships[0]));
    host.step(0.1);
    host.step(0.1);

    ASSERT_EQ(host.world().vessels().front(), ships[2]);
    const int expected[] = {1, 2, 2};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(calls[i]->preSteps, expected[i]) << i;
        EXPECT_EQ(calls[i]->postSteps, expected[i]) << i;
    }
}
