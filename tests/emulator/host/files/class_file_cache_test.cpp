/* Class files are kept between creations, yet a vessel is made from the file
 * as it is when the vessel is created. */
#include "tests/emulator/host/host_fixture.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>

namespace {

namespace fs = std::filesystem;

// Old enough that the cache keeps what it read; each write a minute later,
// as a file rewritten between two creations would be.
void WriteProbeClass(const fs::path& root, const char* body, int minutesAgo)
{
    fs::path file = root / "config" / "vessels" / "Probe.cfg";
    std::ofstream(file) << body;
    fs::last_write_time(file, fs::file_time_type::clock::now() - std::chrono::minutes(minutesAgo));
}

double ProbeSize(emu::Host& host, const char* name)
{
    OBJHANDLE h = host.createVesselAt(name, "Probe", {0, 0, 0}, {0, 0, 0});
    return h ? host.world().vessel(h)->size : -1.0;
}

}  // namespace

TEST_F(HostTest, AClassFileChangedBetweenCreationsMakesTheNextVesselFromTheNewFile)
{
    WriteProbeClass(root.path(), "Size = 5\nMass = 100\n", 60);
    EXPECT_EQ(ProbeSize(host, "P-1"), 5.0);
    EXPECT_EQ(ProbeSize(host, "P-2"), 5.0);

    WriteProbeClass(root.path(), "Size = 7\nMass = 100\n", 59);  // same length: only the time differs
    EXPECT_EQ(ProbeSize(host, "P-3"), 7.0);

    WriteProbeClass(root.path(), "Size = 12\nMass = 100\n", 60);  // an older time, but another size
    EXPECT_EQ(ProbeSize(host, "P-4"), 12.0);

    fs::remove(root.path() / "config" / "vessels" / "Probe.cfg");
    EXPECT_EQ(ProbeSize(host, "P-5"), -1) << "a class file removed is a class file missing";
    EXPECT_EQ(host.faults().size(), 1u);
}
