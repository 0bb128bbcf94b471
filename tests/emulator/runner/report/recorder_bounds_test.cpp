/* The recorder's cost is bounded by the page, not by the run: a bomb every
 * step, each pushing every vessel, leaves its memory flat once its limits
 * are reached, and a run with no length of its own is thinned by the length
 * it really has. */
#include "support/emulated_root.h"

#include "emulator/runner/report/recorder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace {

/* A world of plain ships and a "bomb" made every step that pushes every
 * ship for ten steps and goes: what a sequence with no delay does, without
 * the module, so that many steps run in little time. */
class BombEveryStep {
public:
    /* A run of `duration` s, or to its last action at `lastAction` s */
    BombEveryStep(double duration, double lastAction, size_t trackLimit)
        : recorder_(host_, Script(duration, lastAction), trackLimit)
    {
        // Bombs by class alone, without the module: the host makes them bare.
        std::ofstream(root_.path() / "config/vessels/nuke.cfg") << "ClassName=nuke\n";
        host_.world().addBody(emu::Body());
        host_.setObserver(&recorder_);
        for (size_t i = 0; i < ships; ++i)
            ships_.push_back(host_.createVesselAt("S-" + std::to_string(i), "Ship", {7e6 + 100.0 * i, 0, 0}));
    }
    ~BombEveryStep() { host_.setObserver(nullptr); }

    void play(int steps)
    {
        for (int i = 0; i < steps; ++i) {
            bombs_.push_back(host_.createVesselAt("Nuke/10.000000/3.000000/1.000000", "nuke", {7e6, 50, 0}));
            if (bombs_.size() > 10) {
                host_.requestDeletion(bombs_.front());
                bombs_.erase(bombs_.begin());
            }
            for (OBJHANDLE bomb : bombs_)
                for (OBJHANDLE ship : ships_)
                    recorder_.forceAdded(*host_.world().vessel(ship), {1, 0, 0}, host_.world().vessel(bomb));
            host_.step(1.0);
        }
    }
    void debugLine(const std::string& line) { recorder_.debugLineChanged(line); }
    void step() { host_.step(1.0); }
    const report::FlightRecord& finish() { return recorder_.finish(); }
    const report::FlightRecord& record() const { return recorder_.record(); }

private:
    static runner::Script Script(double duration, double lastAction)
    {
        runner::Script script;
        script.step = 1.0;
        script.duration = duration;
        if (lastAction > 0)
            script.actions.push_back({lastAction, 2, "cancel", {}});
        script.vessels.resize(ships);  // the page's budget is shared among them
        return script;
    }

    static const size_t ships = 30;
    testing_support::EmulatedRoot root_{""};
    emu::Host host_{root_.path()};
    report::Recorder recorder_;
    std::vector<OBJHANDLE> ships_, bombs_;
};

#if defined(__GLIBC__)
size_t HeapInUse()
{
    return mallinfo2().uordblks;
}
#endif

}  // namespace

#if defined(__GLIBC__)
TEST(RecorderBounds, ABombEveryStepLeavesTheRecordersMemoryFlat)
{
    BombEveryStep run(8000, 0, 200);
    run.play(2000);
    size_t early = HeapInUse();
    run.play(6000);
    size_t late = HeapInUse();
    // The ships' tracks grow with the page's budget as the run goes on
    // (about 1 MB here); 6000 more bombs, each a track and a new pair with
    // every ship, would take over 10 MB more if they were all kept.
    EXPECT_LT(late, early + 2500 * 1024) << "from " << early << " to " << late << " bytes";
    const report::FlightRecord& record = run.finish();
    EXPECT_EQ(record.counts.bombsFired, 8000);
    EXPECT_LE(record.vessels.size(), 200u);
    EXPECT_EQ(record.vesselsLeftOut, int(8030 - record.vessels.size()));
    EXPECT_LE(record.pushes.size(), 400u);
}
#endif

// A flight played far past its length (a live one, left running) widens
// its buckets again and again; its tracks must not each grow their room in
// step with one another at some late hour.
TEST(RecorderBounds, ALiveTrackKeepsItsRoomFromTheFirstWideningOn)
{
    BombEveryStep run(100, 0, 200);
    run.play(250);
    size_t room = run.record().vessels.front().points.capacity();
    run.play(6000);
    const report::VesselTrack& track = run.record().vessels.front();
    EXPECT_EQ(track.points.capacity(), room);
    EXPECT_GT(track.points.size(), 200u);
}

TEST(RecorderBounds, ARunWhoseLengthComesFromItsLastActionIsThinnedByThatLength)
{
    // No duration: the run ends at its last action, after 3000 steps. Its
    // tracks are thinned to the page's budget, not kept a point a step.
    BombEveryStep run(0, 3000, 200);
    run.play(3000);
    const report::FlightRecord& record = run.finish();
    ASSERT_EQ(record.vessels.front().name, "S-0");
    EXPECT_LT(record.vessels.front().points.size(), 1500u);
    EXPECT_GT(record.vessels.front().points.size(), 100u);
    EXPECT_EQ(record.steps, 3000);
}

TEST(RecorderBounds, DebugLinesAlikeButForTheirNumbersFoldToTheFirstAndLastOfEachBucket)
{
    BombEveryStep run(3000, 0, 200);  // 200 buckets of 15 s
    for (int i = 0; i < 3000; ++i) {
        run.debugLine("Nuke: A=" + std::to_string(90000 - i) + ".00 D=3.00");
        if (i % 1000 == 999)
            run.debugLine("Hits: 5.000000 %");
        run.step();
    }
    std::vector<report::Event> debug;
    for (const report::Event& e : run.finish().events)
        if (e.kind == report::EventKind::debug)
            debug.push_back(e);
    EXPECT_LE(debug.size(), 2u * 200 + 3 * 3);
    EXPECT_GE(debug.size(), 2u * 200);
    ASSERT_FALSE(debug.empty());
    EXPECT_EQ(debug.front().text, "Nuke: A=90000.00 D=3.00");
    ASSERT_GE(debug.size(), 2u);
    EXPECT_EQ(debug[debug.size() - 2].text, "Nuke: A=87001.00 D=3.00") << "the last of a fold is kept";
    int hits = 0;
    for (const report::Event& e : debug)
        hits += e.text == "Hits: 5.000000 %";
    EXPECT_EQ(hits, 3) << "a different line is never folded away";
    EXPECT_EQ(debug.size() + size_t(run.finish().debugFolded), 3000u + 3) << "every line folded away is counted";
}

TEST(RecorderBounds, EventsBeyondTheLimitAreDroppedFromTheMiddleAndCounted)
{
    BombEveryStep run(60, 0, 200);
    // Lines of two shapes, turn about: none folds, each an event.
    const size_t lines = 2 * report::maxEvents + 7;
    for (size_t i = 0; i < lines; ++i)
        run.debugLine(i % 2 ? "odd " + std::to_string(i) : "even line " + std::to_string(i));
    const report::FlightRecord& record = run.finish();
    const size_t made = 30 + lines;  // the ships' creations first
    EXPECT_LE(record.events.size(), report::maxEvents);
    EXPECT_EQ(record.events.size() + size_t(record.eventsLeftOut), made);
    ASSERT_FALSE(record.events.empty());
    EXPECT_EQ(record.events.front().kind, report::EventKind::created) << "the flight's start stays";
    EXPECT_EQ(record.events.back().text, "even line " + std::to_string(lines - 1)) << "and its latest";
}

TEST(RecorderBounds, RocksComingAndGoingForAnyLengthKeepTheirTracksWithinTheirBudget)
{
    testing_support::EmulatedRoot root("");
    std::ofstream(root.path() / "config/vessels/roid.cfg") << "ClassName=roid\n";
    std::ofstream(root.path() / "config/vessels/nuke.cfg") << "ClassName=nuke\n";
    emu::Host host(root.path());
    host.world().addBody(emu::Body());
    runner::Script script;
    script.step = 1.0;
    script.duration = 60;  // planned for a minute; flown for hours
    script.vessels.resize(1);
    report::Recorder recorder(host, script);
    host.setObserver(&recorder);
    OBJHANDLE ship = host.createVesselAt("S-0", "Ship", {7e6, 0, 0});
    OBJHANDLE bomb = host.createVesselAt("Nuke/10.000000/3.000000/1.000000", "nuke", {7e6, 50, 0});
    // Each rock lives three steps; the second is pushed by the bomb.
    const int rocks = 12000;
    std::vector<OBJHANDLE> alive;
    for (int i = 0; i < rocks; ++i) {
        alive.push_back(host.createVesselAt("R-" + std::to_string(i), "roid", {7e6, 100, 0}));
        if (i == 1)
            recorder.forceAdded(*host.world().vessel(alive.back()), {1, 0, 0}, host.world().vessel(bomb));
        if (alive.size() > 3) {
            host.requestDeletion(alive.front());
            alive.erase(alive.begin());
        }
        host.step(1.0);
    }
    const report::VesselTrack* shipTrack = recorder.trackOf(ship);
    ASSERT_NE(shipTrack, nullptr);
    EXPECT_EQ(shipTrack->name, "S-0");
    const report::FlightRecord& record = recorder.finish();
    host.setObserver(nullptr);

    std::vector<int> keptRocks;  // by the number in their names, in order
    size_t departed = 0;
    for (const report::VesselTrack& track : record.vessels)
        if (track.className == "roid") {
            keptRocks.push_back(std::stoi(track.name.substr(2)));
            departed += track.deleted >= 0;
        }
    EXPECT_LE(departed, report::maxDepartedRocks);
    EXPECT_EQ(record.rockTracksLeftOut + long(keptRocks.size()) + record.vesselsLeftOut, long(rocks));
    EXPECT_GT(record.rockTracksLeftOut, long(rocks) - 2 * long(report::maxDepartedRocks));
    // The latest stay whole; the older are sparser, but no part is bare.
    const int latest = int(report::maxDepartedRocks / 2);
    ASSERT_GE(keptRocks.size(), size_t(latest));
    for (int k = 0; k < latest; ++k)
        ASSERT_EQ(keptRocks[keptRocks.size() - 1 - size_t(k)], rocks - 1 - k);
    for (int tenth = 0; tenth < 10; ++tenth)
        EXPECT_TRUE(std::any_of(keptRocks.begin(), keptRocks.end(),
                                [&](int r) { return r / (rocks / 10) == tenth; }))
            << "no rock kept from tenth " << tenth;
    // The pushed rock stays for its push series, which still names it.
    ASSERT_EQ(record.pushes.size(), 1u);
    EXPECT_EQ(record.vessels[size_t(record.pushes[0].target)].name, "R-1");
    EXPECT_EQ(record.vessels[size_t(record.pushes[0].bomb)].className, "nuke");
    // Every event of a track names the track it was about, and none names
    // a track forgotten.
    size_t created = 0;
    for (const report::Event& e : record.events) {
        if (e.kind != report::EventKind::created && e.kind != report::EventKind::deleted)
            continue;
        ASSERT_GE(e.subject, 0);
        ASSERT_LT(size_t(e.subject), record.vessels.size());
        const report::VesselTrack& track = record.vessels[size_t(e.subject)];
        EXPECT_EQ(e.t, e.kind == report::EventKind::created ? track.created : track.deleted) << track.name;
        created += e.kind == report::EventKind::created;
    }
    EXPECT_EQ(created, record.vessels.size());
}
