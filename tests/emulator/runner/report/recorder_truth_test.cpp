/* The recorder says how each vessel came and went as it happened: a
 * scenario's own vessels are neither fired nor spawned, a rock goes by
 * damage only once something touched it, and a run a fault ended says the
 * fault. */
#include "support/emulated_root.h"

#include "emulator/runner/report/json_writer.h"
#include "emulator/runner/report/recorder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <map>
#include <sstream>

namespace {

/* Bare bombs, rocks and ships in an emulated host, without the module. */
class BareWorld {
public:
    explicit BareWorld(std::vector<runner::VesselSpec> own = {}) : recorder_(host_, Script(std::move(own)))
    {
        std::ofstream(root_.path() / "config/vessels/nuke.cfg") << "ClassName=nuke\n";
        std::ofstream(root_.path() / "config/vessels/roid.cfg") << "ClassName=roid\nSize=10\n";
        host_.world().addBody(emu::Body());
        host_.setObserver(&recorder_);
    }
    ~BareWorld() { host_.setObserver(nullptr); }

    OBJHANDLE make(const std::string& name, const std::string& cls, const VECTOR3& pos, const VECTOR3& vel = {0, 0, 0})
    {
        return host_.createVesselAt(name, cls, pos, vel);
    }
    void remove(OBJHANDLE v)
    {
        host_.requestDeletion(v);
        host_.processDeletions();
    }
    emu::Host& host() { return host_; }
    std::filesystem::path file(const std::string& name) const { return root_.path() / name; }
    report::Recorder& recorder() { return recorder_; }
    std::string deletion(const std::string& name) const
    {
        const report::FlightRecord& r = recorder_.record();
        for (const report::Event& e : r.events)
            if (e.kind == report::EventKind::deleted && r.vessels[size_t(e.subject)].name == name)
                return e.text;
        return "(never deleted)";
    }

private:
    static runner::Script Script(std::vector<runner::VesselSpec> own)
    {
        runner::Script script;
        script.step = 1.0;
        script.duration = 100;
        script.vessels = std::move(own);
        return script;
    }

    testing_support::EmulatedRoot root_{""};
    emu::Host host_{root_.path()};
    report::Recorder recorder_;
};

TEST(RecorderTruth, AScenariosOwnVesselsAreNeitherFiredNorSpawned)
{
    BareWorld world({{"Ship-1", "Ship", {7e6, 0, 0}, {0, 0, 0}, 1},
                     {"Placed bomb", "nuke", {7e6, 10, 0}, {0, 0, 0}, 2},
                     {"Placed rock", "roid", {7e6, 20, 0}, {0, 0, 0}, 3}});
    world.make("Ship-1", "Ship", {7e6, 0, 0});
    world.make("Placed bomb", "nuke", {7e6, 10, 0});
    world.make("Placed rock", "roid", {7e6, 20, 0});
    world.host().step(1.0);
    world.make("Nuke/10.000000/3.000000/1.000000", "nuke", {7e6, 50, 0});
    world.make("R-4", "roid", {7e6, 300, 0});
    const report::Counts& c = world.recorder().finish().counts;
    EXPECT_EQ(c.created, 5);
    EXPECT_EQ(c.bombsFired, 1);
    EXPECT_EQ(c.rocksSpawned, 1);
}

TEST(RecorderTruth, ARockGoesByDamageOnlyAfterAContactAndByRangeOnlyFarOff)
{
    BareWorld world;
    OBJHANDLE ship = world.make("Ship-1", "Ship", {7e6, 0, 0});
    world.host().setFocus(ship);
    OBJHANDLE untouched = world.make("R-1", "roid", {7e6, 100, 0});
    OBJHANDLE touching = world.make("R-2", "roid", {7e6, 5, 0});  // within the two sizes
    OBJHANDLE distant = world.make("R-3", "roid", {7e6, 900, 0});
    world.host().step(1.0);
    world.remove(untouched);
    world.remove(touching);
    world.remove(distant);
    EXPECT_EQ(world.deletion("R-1"), "");
    EXPECT_EQ(world.deletion("R-2"), "by damage");
    EXPECT_EQ(world.deletion("R-3"), "out of range");
    const report::Counts& c = world.recorder().finish().counts;
    EXPECT_EQ(c.rocksByDamage, 1);
    EXPECT_EQ(c.rocksByRange, 1);
}

TEST(RecorderTruth, ARunAFaultEndedSaysTheFaultNotALibrarysRequest)
{
    BareWorld world;
    world.make("Ship-1", "Ship", {7e6, 0, 0});
    world.host().fail("loading a scenario", "line 7: the host could not make vessel \"X\"");
    const report::FlightRecord& r = world.recorder().finish();
    ASSERT_FALSE(r.events.empty());
    EXPECT_EQ(r.events.back().kind, report::EventKind::ended);
    EXPECT_EQ(r.events.back().text, "the run fails: loading a scenario: line 7: the host could not make vessel \"X\"");
}


TEST(RecorderTruth, AVesselBelowTheSurfaceOrFasterThanLightIsFlaggedAndSizesAreKept)
{
    BareWorld world;
    const double radius = world.host().world().bodyByIndex(0)->radius;
    world.make("Ship-1", "Ship", {radius + 1000, 0, 0});
    world.make("Deep", "Ship", {radius - 10, 0, 0});
    world.make("Flung", "roid", {radius + 2000, 0, 0}, {4e8, 0, 0});
    world.host().step(1e-6);
    const report::FlightRecord& r = world.recorder().finish();
    ASSERT_EQ(r.vessels.size(), 3u);
    auto flags = [&](size_t i) { return r.vessels[i].points.empty() ? -1 : r.vessels[i].points.back().flags; };
    EXPECT_EQ(flags(0), 0);
    EXPECT_EQ(flags(1), report::belowSurface);
    EXPECT_EQ(flags(2), report::fasterThanLight);
    EXPECT_EQ(r.vessels[2].size, 10.0) << "the rock's size as its class file gives it";
    std::ostringstream json;
    report::WriteRecordJson(json, r);
    EXPECT_NE(json.str().find("\"r\":10,"), std::string::npos);
    EXPECT_NE(json.str().find("\"fl\":[1]"), std::string::npos);
    EXPECT_NE(json.str().find("\"fl\":[2]"), std::string::npos);
}

/* Who each vessel a load made is, by name: its identity is a vessel of
 * the run before, or "new". */
std::map<std::string, std::string> LoadedAs(const report::FlightRecord& r)
{
    std::map<std::uint64_t, std::string> first;  // identity to the name it was first recorded under
    std::map<std::string, std::string> as;
    for (const report::VesselTrack& v : r.vessels) {
        if (v.origin != report::Origin::load) {
            first.emplace(v.serial, v.name + "@" + std::to_string(v.session));
            continue;
        }
        auto found = first.find(v.identity);
        std::string& entry = as[v.name];
        entry += (entry.empty() ? "" : ",") + (found == first.end() ? std::string("new") : found->second);
        first.emplace(v.identity, v.name + "@" + std::to_string(v.session));
    }
    return as;
}

/* A vessel a load brings back is the one saved only when the file is, line
 * for line, a save of this run; a name seen before is otherwise someone new. */
TEST(RecorderTruth, AVesselLoadedBackIsTheOneSavedOnlyWhenTheFileIsThatSave)
{
    struct Case {
        const char* what;
        std::function<void(BareWorld&, const std::filesystem::path&)> between;  // after the save, before the load
        std::map<std::string, std::string> expected;
    };
    auto append = [](const std::filesystem::path& f, const char* text) { std::ofstream(f, std::ios::app) << text; };
    // by hand: mingw's copy_file will not overwrite
    auto copy = [](const std::filesystem::path& from, const std::filesystem::path& to) {
        std::ofstream(to, std::ios::binary | std::ios::trunc) << std::ifstream(from, std::ios::binary).rdbuf();
    };
    const std::vector<Case> cases = {
        {"the file as saved", nullptr, {{"Ship-1", "Ship-1@0"}, {"Twin", "Twin@0,Twin@0"}}},
        {"the file changed after the save",
         [&](BareWorld&, const std::filesystem::path& f) { append(f, "\n"); },
         {{"Ship-1", "new"}, {"Twin", "new,new"}}},
        {"an earlier save copied back over a later one",
         [&](BareWorld& w, const std::filesystem::path& f) {
             copy(f, w.file("kept.scn"));
             w.host().step(1.0);
             std::string why;
             ASSERT_TRUE(w.host().saveScenario(f, why)) << why;
             copy(w.file("kept.scn"), f);
         },
         {{"Ship-1", "Ship-1@0"}, {"Twin", "Twin@0,Twin@0"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        BareWorld world;
        world.make("Ship-1", "Ship", {7e6, 0, 0});
        world.make("Twin", "nuke", {7e6, 10, 0});
        world.make("Twin", "nuke", {7e6, 20, 0});
        world.host().step(1.0);
        std::string why;
        const std::filesystem::path f = world.file("saved.scn");
        ASSERT_TRUE(world.host().saveScenario(f, why)) << why;
        if (c.between)
            c.between(world, f);
        ASSERT_TRUE(world.host().loadScenario(f, why)) << why;
        const report::FlightRecord& r = world.recorder().finish();
        EXPECT_EQ(LoadedAs(r), c.expected);
    }
}

/* Saved, loaded, saved again and loaded again: still the first vessel; and
 * the twins keep their order, each its own. */
TEST(RecorderTruth, AVesselKeepsWhoItIsThroughSavesOfItsLoadedSelf)
{
    BareWorld world;
    world.make("Twin", "nuke", {7e6, 10, 0});
    world.make("Twin", "nuke", {7e6, 20, 0});
    std::string why;
    for (const char* name : {"first.scn", "second.scn"}) {
        world.host().step(1.0);
        ASSERT_TRUE(world.host().saveScenario(world.file(name), why)) << why;
        ASSERT_TRUE(world.host().loadScenario(world.file(name), why)) << why;
    }
    const report::FlightRecord& r = world.recorder().finish();
    ASSERT_EQ(r.vessels.size(), 6u);
    for (size_t i = 2; i < 6; ++i)
        EXPECT_EQ(r.vessels[i].identity, r.vessels[i % 2].serial) << "track " << i;
    std::ostringstream json;
    report::WriteRecordJson(json, r);
    EXPECT_NE(json.str().find("\"same\":" + std::to_string(r.vessels[0].serial)), std::string::npos);
}

/* A push of a few centimetres a second on an orbit's speed must reach the
 * page as a curve: nine digits, not four. */
TEST(RecorderTruth, SpeedsAndDistancesKeepTheirSmallChanges)
{
    BareWorld world;
    world.make("Ship-1", "Ship", {7e6, 0, 0}, {0, 7546.123456, 0});
    world.host().step(1.0);
    std::ostringstream json;
    report::WriteRecordJson(json, world.recorder().finish());
    EXPECT_NE(json.str().find("\"s\":[7546.12346"), std::string::npos) << json.str().substr(0, 600);
}

}  // namespace
