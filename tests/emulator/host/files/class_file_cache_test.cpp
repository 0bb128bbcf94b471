/* Class files are kept between creations: a class is looked at on its first
 * use in a step and not again within it, yet a vessel made in a later step
 * is made from the file as it is then, and a file removed ends the run. */
#include "tests/emulator/host/host_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

fs::path ProbeFile(const fs::path& root)
{
    return root / "config" / "vessels" / "Probe.cfg";
}

// Old enough that the cache trusts its time; each write a minute later,
// as a file rewritten between two creations would be.
void WriteProbeClass(const fs::path& root, const char* body, int minutesAgo)
{
    std::ofstream(ProbeFile(root)) << body;
    fs::last_write_time(ProbeFile(root), fs::file_time_type::clock::now() - std::chrono::minutes(minutesAgo));
}

double ProbeSize(emu::Host& host, const char* name)
{
    OBJHANDLE h = host.createVesselAt(name, "Probe", {0, 0, 0}, {0, 0, 0});
    return h ? host.world().vessel(h)->size : -1.0;
}

}  // namespace

TEST_F(HostTest, AClassFileChangedBetweenStepsMakesTheNextVesselFromTheNewFile)
{
    WriteProbeClass(root.path(), "Size = 5\nMass = 100\n", 60);
    EXPECT_EQ(ProbeSize(host, "P-1"), 5.0);
    EXPECT_EQ(ProbeSize(host, "P-2"), 5.0);

    WriteProbeClass(root.path(), "Size = 7\nMass = 100\n", 59);  // same length: only the time differs
    host.step(0.1);
    EXPECT_EQ(ProbeSize(host, "P-3"), 7.0);

    WriteProbeClass(root.path(), "Size = 12\nMass = 100\n", 60);  // an older time, but another size
    host.step(0.1);
    EXPECT_EQ(ProbeSize(host, "P-4"), 12.0);

    fs::remove(ProbeFile(root.path()));
    host.step(0.1);
    EXPECT_EQ(ProbeSize(host, "P-5"), -1) << "a class file removed is a class file missing";
    EXPECT_EQ(host.faults().size(), 1u) << "a vessel whose class file is gone ends the run";
}

TEST_F(HostTest, AClassIsLookedAtOnceAStepWhateverItsVesselsCount)
{
    // Its file gone or changed within the step goes unseen until the next:
    // the file system was asked once, at the class's first use.
    WriteProbeClass(root.path(), "Size = 5\nMass = 100\n", 60);
    EXPECT_EQ(ProbeSize(host, "P-1"), 5.0);
    WriteProbeClass(root.path(), "Size = 12\nMass = 100\n", 30);
    EXPECT_EQ(ProbeSize(host, "P-2"), 5.0);
    fs::remove(ProbeFile(root.path()));
    EXPECT_EQ(ProbeSize(host, "P-3"), 5.0);
    EXPECT_TRUE(host.faults().empty());

    host.step(0.1);
    EXPECT_EQ(ProbeSize(host, "P-4"), -1) << "looked at again in the next step";
}

TEST_F(HostTest, AClassFileJustWrittenIsReadAgainAtItsNextLookThoughItsTimeAndSizeStay)
{
    // Written now, then again at the same size and time.
    std::ofstream(ProbeFile(root.path())) << "Size = 5\nMass = 100\n";
    auto written = fs::last_write_time(ProbeFile(root.path()));
    EXPECT_EQ(ProbeSize(host, "P-1"), 5.0);
    std::ofstream(ProbeFile(root.path())) << "Size = 7\nMass = 100\n";
    fs::last_write_time(ProbeFile(root.path()), written);
    host.step(0.1);
    EXPECT_EQ(ProbeSize(host, "P-2"), 7.0);
}
