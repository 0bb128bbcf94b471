/* Class files and meshes from the root folder are read defensively: a count
 * is checked against what the file holds, a number must be one, and a bad
 * file is refused with its name, never a stall or a huge allocation. */
#include "tests/emulator/host/host_fixture.h"

#include <gtest/gtest.h>

#include <fstream>
#include <string>

namespace {

struct BadMesh {
    const char* header;
    const char* expected;
};

class MeshHeader : public HostTest, public ::testing::WithParamInterface<BadMesh> {};

bool Logged(emu::CallLog& calls, const std::string& text)
{
    for (const std::string& line : calls.entries())
        if (line.find(text) != std::string::npos)
            return true;
    return false;
}

}  // namespace

TEST_P(MeshHeader, ThatClaimsMoreThanTheFileHoldsIsRefusedWithItsPlace)
{
    std::ofstream(root / "meshes/bad.msh") << "MSHX1\nGROUPS 1\n" << GetParam().header << "\nRock\n";
    host.calls().enable(true);

    EXPECT_EQ(oapiLoadMeshGlobal("bad"), nullptr);
    EXPECT_TRUE(Logged(host.calls(), GetParam().expected)) << GetParam().header;
}

INSTANTIATE_TEST_SUITE_P(
    Counts, MeshHeader,
    ::testing::Values(BadMesh{"MATERIALS 2147483647", "bad.msh:3: MATERIALS claims 2147483647, more than the 1 lines"},
                      BadMesh{"TEXTURES 9223372036854775807", "bad.msh:3: TEXTURES claims 9223372036854775807"},
                      BadMesh{"MATERIALS 1", "bad.msh:3: MATERIALS claims 1, more than the 1 lines"},
                      BadMesh{"TEXTURES -1", "bad.msh:3: TEXTURES needs a count of zero or more"},
                      BadMesh{"MATERIALS many", "bad.msh:3: MATERIALS needs a count of zero or more"}));

TEST_F(HostTest, AClassFileWhoseSizeOrMassIsNoPositiveNumberRefusesTheVesselAndSaysWhy)
{
    for (const char* line : {"Size = inf", "Size = 20abc", "Mass = nan", "Mass = -5", "Size = 1e999"}) {
        std::ofstream(root / "config/vessels/Odd.cfg") << "ClassName = Odd\n" << line << "\n";
        host.step(0.1);  // a class file rewritten is read again from the next step on
        EXPECT_EQ(host.createVesselAt("O-1", "Odd", {7e6, 0, 0}), nullptr) << line;
        EXPECT_NE(host.creationRefusal().find("Odd.cfg: "), std::string::npos) << host.creationRefusal();
    }
    std::ofstream(root / "config/vessels/Odd.cfg") << "ClassName = Odd\nSize = 2.5\nMass = 300\n";
    host.step(0.1);
    OBJHANDLE fine = host.createVesselAt("O-2", "Odd", {7e6, 0, 0});
    ASSERT_NE(fine, nullptr);
    EXPECT_EQ(host.world().vessel(fine)->size, 2.5);
    EXPECT_EQ(host.world().vessel(fine)->details->emptyMass, 300.0);
    EXPECT_EQ(host.creationRefusal(), "");
}
