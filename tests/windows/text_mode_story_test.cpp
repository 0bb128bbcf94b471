/* Windows only: the module writes its class files and the bomb's mesh in
 * text mode, so every line ends in CR LF on disk, and the host still reads
 * them: the classes load and the mesh is found. */
#include "support/module_test.h"

#include <fstream>
#include <sstream>

using testing_support::ModuleTest;

namespace {

std::string ReadBytes(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

int Count(const std::string& text, const std::string& what)
{
    int count = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + what.size()))
        ++count;
    return count;
}

}  // namespace

TEST_F(ModuleTest, ClassFilesAndTheMeshEndEveryLineInCrLf)
{
    StartModule();

    EXPECT_EQ(ReadBytes(root / "config/vessels/nuke.cfg"), "ClassName=nuke\r\nModule=plugin\\brimstar!\r\n");
    EXPECT_EQ(ReadBytes(root / "config/vessels/roid.cfg"), "ClassName=roid\r\nModule=plugin\\brimstar!\r\n");
    std::string mesh = ReadBytes(root / "meshes/nuke.msh");
    ASSERT_EQ(mesh.rfind("MSHX1\r\n", 0), 0u);
    EXPECT_EQ(Count(mesh, "\n"), Count(mesh, "\r\n")) << "a line of the mesh ends without CR";
    EXPECT_EQ(Count(mesh, "\r\n"), Count(testing_support::ReadFile(root / "meshes/nuke.msh"), "\n"));
}

TEST_F(ModuleTest, TheHostReadsTheCrLfFilesBack)
{
    emu::ModuleInstance* module = StartModule();

    OBJHANDLE bomb = AddVessel("Nuke/10.000000/3.000000/0.000000", "nuke");
    ASSERT_NE(bomb, nullptr);
    EXPECT_EQ(Vessel(bomb).details->module, module) << "the Module= line kept its CR";
    EXPECT_EQ(Vessel(bomb).details->meshes.at(0), "nuke");
}
