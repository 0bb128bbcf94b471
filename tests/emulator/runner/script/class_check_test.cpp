/* The classes a scenario names are found under the root folder before
 * anything runs, as the host will look for them; the module's own classes
 * count as there, since the module writes their files when it starts. */
#include "emulator/runner/script/class_check.h"

#include "support/emulated_root.h"

#include <gtest/gtest.h>

namespace {

struct ClassCase {
    const char* vessels;
    const char* refused;  // the class refused, "" when the scenario may run
};

class ScenarioClasses : public ::testing::TestWithParam<ClassCase> {};

void PrintTo(const ClassCase& c, std::ostream* out)
{
    *out << c.vessels;
}

}  // namespace

TEST_P(ScenarioClasses, AreFoundUnderTheRootFolderOrRefusedWithTheirLine)
{
    testing_support::EmulatedRoot root;
    std::filesystem::create_directories(root / "config/vessels/Folder.cfg");
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("s.scn", std::string("planet Earth\nvessel A class Ship pos 0 0 0\n") +
                                                 GetParam().vessels,
                                    script, error))
        << error;
    std::string refused = GetParam().refused;
    EXPECT_EQ(runner::CheckClasses(script, root.path(), error), refused.empty());
    if (!refused.empty()) {
        EXPECT_EQ(error.rfind("s.scn:3: vessel 'B': class '" + refused + "' has no class file (", 0), 0u) << error;
    }
}

INSTANTIATE_TEST_SUITE_P(Table, ScenarioClasses,
                         ::testing::Values(ClassCase{"vessel B class Station pos 1 0 0\n", ""},
                                           ClassCase{"vessel B class nuke pos 1 0 0\nvessel C class roid pos 2 0 0\n",
                                                     ""},
                                           ClassCase{"vessel B class Folder pos 1 0 0\n", "Folder"},
                                           ClassCase{"vessel B class \"../../x\" pos 1 0 0\n", "../../x"}));

TEST(MisspeltClass, IsAnsweredWithTheOneMeant)
{
    testing_support::EmulatedRoot root;
    runner::Script script;
    std::string error;
    ASSERT_TRUE(runner::ParseScript("s.scn", "vessel ISS class Statoin pos 0 0 0\n", script, error));
    EXPECT_FALSE(runner::CheckClasses(script, root.path(), error));
    std::string file = (root.path() / "config" / "vessels" / "Statoin.cfg").string();
    EXPECT_EQ(error, "s.scn:1: vessel 'ISS': class 'Statoin' has no class file (" + file + "); did you mean Station?");
}
