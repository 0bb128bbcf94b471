/* Windows only: libraries named by relative backslash paths are found from
 * the working directory, the simulator's folder, even where a library of
 * the same name sits beside the program, where the loader looks first. */
#include "support/module_test.h"

#include <windows.h>

using testing_support::ModuleTest;

namespace fs = std::filesystem;

namespace {

/* The file of a loaded module (null: the program); "" when none is loaded. */
fs::path FileOf(HMODULE module)
{
    char path[MAX_PATH] = {};
    if (GetModuleFileNameA(module, path, sizeof path) == 0)
        return {};
    return path;
}

bool SameFile(const fs::path& a, const fs::path& b)
{
    std::error_code error;
    return fs::equivalent(a, b, error);
}

}  // namespace

TEST_F(ModuleTest, TheModuleAndTheCollisionLibraryAreTheOnesInTheSimulatorsFolder)
{
    ASSERT_TRUE(fs::exists(FileOf(nullptr).parent_path() / "collision.dll"))
        << "the story needs a collision library beside the program";
    StartModule();

    HMODULE collision = GetModuleHandleA("collision.dll");
    HMODULE module = GetModuleHandleA("brimstar!.dll");
    ASSERT_NE(collision, nullptr);
    ASSERT_NE(module, nullptr);
    EXPECT_TRUE(SameFile(FileOf(collision), root / "modules/collision.dll")) << FileOf(collision);
    EXPECT_TRUE(SameFile(FileOf(module), root / "modules/plugin/brimstar!.dll")) << FileOf(module);
}
