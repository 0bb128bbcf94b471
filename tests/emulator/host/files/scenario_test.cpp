/* Host scenario files: a saved world loads back exactly, a broken file names
 * its line, a save that fails part-way leaves the file that was there. */
#include "tests/emulator/host/host_fixture.h"

#include "emulator/host/motion/frame_math.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <string>

#if !defined(_WIN32)
#include <sys/resource.h>
#endif

TEST_F(HostTest, AScenarioSavedAndLoadedKeepsTheWorldExactly)
{
    host.world().simt = 12.5;
    OBJHANDLE h = Ship("GL-01", {7e6 + 0.1, -3.3, 1.0 / 3}, {1.5, 7546.123456789, -2});
    host.world().vessel(h)->rot = emu::RotationFromAngles({0.1, -0.2, 0.3});
    Ship("GL-02", {1, 2, 3});
    host.setFocus(host.world().vesselByName("GL-02")->handle);
    const emu::VesselRecord& saved = *host.world().vessel(h);
    struct {
        VECTOR3 pos, vel;
        MATRIX3 rot;
    } before{saved.pos, saved.vel, saved.rot};

    std::string error;
    ASSERT_TRUE(host.saveScenario(root / "round.scn", error)) << error;
    ASSERT_TRUE(host.loadScenario(root / "round.scn", error)) << error;

    emu::VesselRecord* after = host.world().vesselByName("GL-01");
    ASSERT_NE(after, nullptr);
    EXPECT_EQ(after->pos.x, before.pos.x);
    EXPECT_EQ(after->pos.z, before.pos.z);
    EXPECT_EQ(after->vel.y, before.vel.y);
    EXPECT_NEAR(after->rot.m12, before.rot.m12, 1e-15);
    EXPECT_EQ(after->size, 20.0);
    EXPECT_EQ(after->details->emptyMass, 10000.0);
    EXPECT_EQ(host.world().simt, 12.5);
    EXPECT_EQ(host.world().vessel(host.world().focus)->details->name, "GL-02");
}

TEST_F(HostTest, ABrokenScenarioNamesItsLine)
{
    const struct {
        const char* items;
        const char* message;
    } cases[] = {
        {"BEGIN_ENVIRONMENT\n  SPEED 3\nEND_ENVIRONMENT\n", "bad.scn:3: unknown environment item 'SPEED'"},
        {"BEGIN_ENVIRONMENT\n  GRAVITY 2\nEND_ENVIRONMENT\n", "bad.scn:3: GRAVITY must be 0 or 1"},
        {"BEGIN_BODIES\n\"Earth\"\n  ATMOSPHERE 1 1\nEND\nEND_BODIES\n", "bad.scn:4: ATMOSPHERE must be 0 or 1"},
        {"BEGIN_BODIES\n\"Earth\"\n  RADIUS 0\nEND\nEND_BODIES\n", "bad.scn:4: body item RADIUS must be more than 0 m"},
        {"BEGIN_BODIES\n\"Earth\"\n  GM -1\nEND\nEND_BODIES\n", "bad.scn:4: body item GM must not be negative"},
    };
    for (const auto& c : cases) {
        std::ofstream(root / "bad.scn") << "BRIMSTAR-HOST-SCENARIO 2\n" << c.items;
        std::string error;
        EXPECT_FALSE(host.loadScenario(root / "bad.scn", error));
        EXPECT_NE(error.find(c.message), std::string::npos) << error;
    }
}

TEST_F(HostTest, AwkwardNamesAndExactValuesComeBackAndSaveToTheSameFile)
{
    const char* names[] = {"My Ship", "B:1", "say \"hi\"", "  blanks  ", "100%", "back\\slash"};
    double x = 7e6 + 0.1;
    for (const char* name : names)
        Ship(name, {x += 1.0 / 3, 5e-324, -1e300}, {0.1, 1.0 / 7, 7546.123456789});
    host.createVesselAt("B:2", "Station", {1, 2, 3});
    host.setFocus(host.world().vesselByName("My Ship")->handle);
    std::string error;
    ASSERT_TRUE(host.saveScenario(root / "one.scn", error)) << error;
    struct Saved {
        std::string name, className;
        VECTOR3 pos, vel;
    };
    std::vector<Saved> before;
    for (OBJHANDLE h : host.world().vessels()) {
        const emu::VesselRecord& v = *host.world().vessel(h);
        before.push_back({v.details->name, *v.className, v.pos, v.vel});
    }

    ASSERT_TRUE(host.loadScenario(root / "one.scn", error)) << error;
    ASSERT_TRUE(host.saveScenario(root / "two.scn", error)) << error;
    EXPECT_EQ(testing_support::ReadFile(root / "one.scn"), testing_support::ReadFile(root / "two.scn"));
    ASSERT_EQ(host.world().vessels().size(), before.size());
    for (size_t i = 0; i < before.size(); ++i) {
        const emu::VesselRecord& after = *host.world().vessel(host.world().vessels()[i]);
        EXPECT_EQ(after.details->name, before[i].name);
        EXPECT_EQ(*after.className, before[i].className);
        EXPECT_EQ(std::memcmp(&after.pos, &before[i].pos, sizeof after.pos), 0) << before[i].name;
        EXPECT_EQ(std::memcmp(&after.vel, &before[i].vel, sizeof after.vel), 0) << before[i].name;
    }
    EXPECT_EQ(host.world().vessel(host.world().focus)->details->name, "My Ship");
}

TEST_F(HostTest, ABadFileOrClockIsRefusedWholeAndTheWorldStays)
{
    Ship("Keep", {1, 2, 3});
    std::string error;
    ASSERT_TRUE(host.saveScenario(root / "good.scn", error)) << error;
    std::string good = testing_support::ReadFile(root / "good.scn");
    std::string cut = good.substr(0, good.find("  RVEL"));
    std::string clock = good;
    clock.replace(clock.find("TIME 0"), 6, "TIME -1e300");
    for (const std::string& text : {cut, clock, std::string("BRIMSTAR-HOST-SCENARIO 2\nBEGIN_ENVIRONMENT\n  TIME nan\n")}) {
        std::ofstream(root / "bad.scn", std::ios::binary) << text;
        EXPECT_FALSE(host.loadScenario(root / "bad.scn", error));
        EXPECT_NE(error.find("bad.scn:"), std::string::npos) << error;
        ASSERT_EQ(host.world().vessels().size(), 1u) << error;
        EXPECT_EQ(host.world().vessel(host.world().vessels()[0])->details->name, "Keep");
    }
    host.world().vessel(host.world().vessels()[0])->pos.x = std::nan("");
    EXPECT_FALSE(host.saveScenario(root / "nan.scn", error));
    EXPECT_NE(error.find("RPOS is not finite"), std::string::npos) << error;
    host.world().vessel(host.world().vessels()[0])->pos.x = 1;
    for (const char* place : {"missing/folder/x.scn", "", "/dev/full"})
        EXPECT_FALSE(host.saveScenario(place, error)) << place;
    std::filesystem::create_directories(root / "folder.scn");
    EXPECT_FALSE(host.saveScenario(root / "folder.scn", error));
}

#if !defined(_WIN32)
TEST_F(HostTest, ASaveFailingPartWayOverAGoodOneKeepsTheGoodOne)
{
    for (int i = 0; i < 50; ++i)
        Ship(("Ship " + std::to_string(i)).c_str(), {7e6 + i, 0, 0});
    std::string error;
    ASSERT_TRUE(host.saveScenario(root / "good.scn", error)) << error;
    std::string good = testing_support::ReadFile(root / "good.scn");
    ASSERT_GT(good.size(), 4096u);
    host.world().simt = 99;

    // A file-size limit cuts the next save part-way, as a full disk would.
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    void (*handler)(int) = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    bool saved = host.saveScenario(root / "good.scn", error);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, handler);

    EXPECT_FALSE(saved);
    EXPECT_NE(error.find("good.scn: not saved: could not be written whole"), std::string::npos) << error;
    EXPECT_EQ(testing_support::ReadFile(root / "good.scn"), good);
    size_t files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(root.path()))
        files += entry.path().filename().string().find("good.scn") != std::string::npos;
    EXPECT_EQ(files, 1u) << "the cut temporary was left behind";
    EXPECT_TRUE(host.loadScenario(root / "good.scn", error)) << error;
}
#endif

TEST_F(HostTest, ASizeOrMassAClassFileWouldRefuseIsRefusedEverywhere)
{
    OBJHANDLE h = Ship("Keep", {7e6, 0, 0});
    std::string error;
    ASSERT_TRUE(host.saveScenario(root / "good.scn", error)) << error;
    std::string good = testing_support::ReadFile(root / "good.scn");
    size_t sizeLine = 1 + size_t(std::count(good.begin(), good.begin() + long(good.find("  SIZE 20")), '\n'));
    const struct {
        const char* from;
        const char* to;
        size_t line;
    } cases[] = {{"SIZE 20", "SIZE 0", sizeLine},          {"SIZE 20", "SIZE -5", sizeLine},
                 {"SIZE 20", "SIZE 5e-324", sizeLine},     {"MASS 10000", "MASS 0", sizeLine + 1},
                 {"MASS 10000", "MASS -1", sizeLine + 1}, {"MASS 10000", "MASS 2.2e-308", sizeLine + 1}};
    for (const auto& c : cases) {
        std::string text = good;
        text.replace(text.find(c.from), std::strlen(c.from), c.to);
        std::ofstream(root / "bad.scn", std::ios::binary) << text;
        EXPECT_FALSE(host.loadScenario(root / "bad.scn", error)) << c.to;
        EXPECT_NE(error.find("bad.scn:" + std::to_string(c.line) + ": item "), std::string::npos) << error;
        EXPECT_NE(error.find("must hold one positive number"), std::string::npos) << error;
    }

    // A module's call is held to the same rule: the vessel keeps its own.
    VESSEL* v = host.world().vessel(h)->iface;
    for (double bad : {0.0, -1.0, 5e-324, std::nan(""), HUGE_VAL}) {
        v->SetSize(bad);
        v->SetEmptyMass(bad);
    }
    EXPECT_EQ(v->GetSize(), 20.0);
    EXPECT_EQ(v->GetMass(), 10000.0);
}

TEST_F(HostTest, ATankLevelThatIsNotATankAndALevelFrom0To1IsRefused)
{
    Ship("Keep", {7e6, 0, 0});
    std::string error;
    ASSERT_TRUE(host.saveScenario(root / "good.scn", error)) << error;
    std::string good = testing_support::ReadFile(root / "good.scn");
    for (const char* line : {"PRPLEVEL", "PRPLEVEL 0:1.5", "PRPLEVEL 0:-0.1", "PRPLEVEL x:1", "PRPLEVEL 0",
                             "PRPLEVEL 0:nan", "PRPLEVEL -1:1", "PRPLEVEL 1234567:1", "PRPLEVEL 0:1 :1"}) {
        std::string text = good;
        text.replace(text.find("SIZE 20"), 7, line);
        std::ofstream(root / "bad.scn", std::ios::binary) << text;
        EXPECT_FALSE(host.loadScenario(root / "bad.scn", error)) << line;
        EXPECT_NE(error.find("item PRPLEVEL must hold"), std::string::npos) << error;
    }
    std::string text = good;
    text.replace(text.find("SIZE 20"), 7, "PRPLEVEL 0:1 3:0.5");
    std::ofstream(root / "tankless.scn", std::ios::binary) << text;
    EXPECT_TRUE(host.loadScenario(root / "tankless.scn", error)) << "a level for a tank not made fills nothing: " << error;
}
