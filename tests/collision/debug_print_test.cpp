/* The debug line service: what the collision library may write comes out as
 * a printf of the text would give it; anything else is copied as it is,
 * within the line. */
#include "collision/debug_print.h"
#include "host/host_api.h"
#include "support/emulated_root.h"

#include "emulator/host/host.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct PrintCase {
    std::string text;
    std::string line;
};

void PrintTo(const PrintCase& c, std::ostream* out)
{
    *out << '"' << c.text.substr(0, 40) << '"';
}

class DebugPrint : public ::testing::TestWithParam<PrintCase> {
protected:
    testing_support::EmulatedRoot root{""};
    emu::Host host{root.path()};
};

const std::string longest(OAPI_DEBUG_STRING_SIZE - 1, 'x');

}  // namespace

TEST_P(DebugPrint, ReplacesTheLineAndCountsWhatItWrote)
{
    std::string previous = "a previous, longer line that must not show through";
    previous.copy(oapiDebugString(), previous.size());

    int written = SvcDebugPrint(GetParam().text.c_str());

    EXPECT_EQ(host.debugLine(), GetParam().line);
    EXPECT_EQ(written, int(GetParam().line.size()));
}

INSTANTIATE_TEST_SUITE_P(
    Texts, DebugPrint,
    ::testing::Values(
        // What the collision library may write: as printf gives it.
        PrintCase{"collision: 3 contacts", "collision: 3 contacts"}, PrintCase{"Hits: 50 %%", "Hits: 50 %"},
        PrintCase{"%%%%", "%%"}, PrintCase{"", ""},
        PrintCase{longest, longest},
        // Conversions it may not write are copied, never followed.
        PrintCase{"%s%n%d %f", "%s%n%d %f"}, PrintCase{"100%", "100%"}, PrintCase{"%%%", "%%"},
        // Too long for the line: cut at its capacity.
        PrintCase{longest + "yz", longest}, PrintCase{std::string(600, '%'), std::string(255, '%')}));

TEST(DebugPrintFaults, NoTextLeavesTheLineAsItWas)
{
    testing_support::EmulatedRoot root{""};
    emu::Host host(root.path());
    SvcDebugPrint("kept");

    EXPECT_EQ(SvcDebugPrint(nullptr), 0);
    EXPECT_EQ(host.debugLine(), "kept");
}
