/* The class files and the bomb's mesh that start-up writes, byte for byte,
 * and what happens when their folders are missing. */
#include "support/module_test.h"
#include "weapons_fixture.h"

#include <fstream>

using testing_support::ModuleTest;
using testing_support::ReadFile;
using testing_support::WeaponsTest;

namespace {

const char* const expectedMesh =
    "MSHX1\nGROUPS 1\nMATERIAL 1\nTEXTURE 0\nGEOM 24 8\n"
    "0.0 2.0 0.0 0.57735 0.57735 -0.57735\n"
    "0.0 0.0 -2.0 0.57735 0.57735 -0.57735\n"
    "2.0 0.0 1.74846e-007 0.57735 0.57735 -0.57735\n"
    "-2.62268e-007 0.0 2.0 0.57735 0.57735 0.57735\n"
    "-2.0 0.0 -3.49691e-007 -0.57735 0.57735 0.57735\n"
    "0.0 -2.0 0.0 0.57735 -0.57735 -0.57735\n"
    "0.0 2.0 0.0 0.57735 0.57735 0.57735\n"
    "0.0 2.0 0.0 -0.57735 0.57735 0.57735\n"
    "0.0 2.0 0.0 -0.57735 0.57735 -0.57735\n"
    "0.0 0.0 -2.0 -0.57735 0.57735 -0.57735\n"
    "0.0 0.0 -2.0 0.57735 -0.57735 -0.57735\n"
    "0.0 0.0 -2.0 -0.57735 -0.57735 -0.57735\n"
    "2.0 0.0 1.74846e-007 0.57735 0.57735 0.57735\n"
    "2.0 0.0 1.74846e-007 0.57735 -0.57735 -0.57735\n"
    "2.0 0.0 1.74846e-007 0.57735 -0.57735 0.57735\n"
    "-2.62268e-007 0.0 2.0 -0.57735 0.57735 0.57735\n"
    "-2.62268e-007 0.0 2.0 0.57735 -0.57735 0.57735\n"
    "-2.62268e-007 0.0 2.0 -0.57735 -0.57735 0.57735\n"
    "-2.0 0.0 -3.49691e-007 -0.57735 0.57735 -0.57735\n"
    "-2.0 0.0 -3.49691e-007 -0.57735 -0.57735 0.57735\n"
    "-2.0 0.0 -3.49691e-007 -0.57735 -0.57735 -0.57735\n"
    "0.0 -2.0 0.0 0.57735 -0.57735 0.57735\n"
    "0.0 -2.0 0.0 -0.57735 -0.57735 0.57735\n"
    "0.0 -2.0 0.0 -0.57735 -0.57735 -0.57735\n"
    "0 2 1\n6 3 12\n7 4 15\n8 9 18\n5 10 13\n21 14 16\n22 17 19\n23 20 11\n"
    "MATERIALS 1\nMaterial #1\nMATERIAL Material #1\n"
    "1.000000 0.000000 0.000000 1.000\n"
    "1.000000 0.000000 0.000000 1.000\n"
    "1.000000 0.000000 0.000000 1.000\n"
    "0 0 0 1\nTEXTURES 0\n";

}  // namespace

TEST_F(ModuleTest, StartUpWritesBothClassFilesAndTheMeshExactly)
{
    StartModule();

    EXPECT_EQ(ReadFile(root / "config/vessels/nuke.cfg"), "ClassName=nuke\nModule=plugin\\brimstar!\n");
    EXPECT_EQ(ReadFile(root / "config/vessels/roid.cfg"), "ClassName=roid\nModule=plugin\\brimstar!\n");
    EXPECT_EQ(ReadFile(root / "meshes/nuke.msh"), expectedMesh);
}

TEST_F(ModuleTest, EveryBombWritesTheSameMeshAgain)
{
    StartModule();
    for (const char* bomb : {"Nuke/10.000000/3.000000/0.000000", "Nuke/5.000000/1.000000/9.000000"}) {
        std::ofstream(root / "meshes/nuke.msh") << "spoilt\n";
        ASSERT_NE(AddVessel(bomb, "nuke"), nullptr);
        EXPECT_EQ(ReadFile(root / "meshes/nuke.msh"), expectedMesh) << bomb;
    }
}

TEST_F(ModuleTest, ALongerOldFileIsReplacedWhole)
{
    {
        std::ofstream old(root / "meshes/nuke.msh");
        for (int i = 0; i < 100; ++i)
            old << "an old line that must not survive\n";
    }
    StartModule();

    EXPECT_EQ(ReadFile(root / "meshes/nuke.msh"), expectedMesh);
}

TEST_F(ModuleTest, AMissingFolderSkipsOnlyItsOwnFilesWithoutAWord)
{
    std::filesystem::remove_all(root / "config/vessels");
    std::filesystem::remove_all(root / "meshes");
    std::filesystem::create_directories(root / "meshes");
    StartModule();

    EXPECT_FALSE(std::filesystem::exists(root / "config/vessels"));
    EXPECT_EQ(ReadFile(root / "meshes/nuke.msh"), expectedMesh);
    EXPECT_TRUE(host->messageBoxes().empty());
}

TEST_F(ModuleTest, WithoutAMeshFolderTheClassFilesAreStillWritten)
{
    std::filesystem::remove_all(root / "meshes");
    StartModule();

    EXPECT_EQ(ReadFile(root / "config/vessels/nuke.cfg"), "ClassName=nuke\nModule=plugin\\brimstar!\n");
    EXPECT_EQ(ReadFile(root / "config/vessels/roid.cfg"), "ClassName=roid\nModule=plugin\\brimstar!\n");
    EXPECT_FALSE(std::filesystem::exists(root / "meshes"));
    EXPECT_TRUE(host->messageBoxes().empty());
}

TEST_F(WeaponsTest, AClassWhoseFileCouldNotBeWrittenGetsNoVessels)
{
    // As if the module could not write them when it started.
    std::filesystem::remove(root / "config/vessels/nuke.cfg");
    std::filesystem::remove(root / "config/vessels/roid.cfg");
    OBJHANDLE ship = AddShip("GL-01", {7e6, 0, 0});
    Press(OpenWeapons(ship), testing_support::KeyB);
    Simulate(6.0, 0.5);

    // The host would end the simulation for either vessel.
    EXPECT_EQ(Calls().matching("oapiCreateVesselEx(Nuke"), std::vector<std::string>{});
    EXPECT_EQ(Calls().matching("oapiCreateVesselEx(R-"), std::vector<std::string>{});
    EXPECT_EQ(oapiGetVesselCount(), 1u);
}
