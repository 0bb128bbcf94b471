/* Every reader of a text file stops at its limits: the file's size, a
 * line's length, the number of lines; and names the file and the limit. */
#include "support/emulated_root.h"

#include "emulator/host/files/bounded_text.h"

#include <gtest/gtest.h>

#include <fstream>

TEST(BoundedText, AFilePastALimitIsRefusedWithItsNameAndTheLimit)
{
    testing_support::EmulatedRoot root("");
    const emu::TextLimits limits{"a test file", 100, 10, 5};
    const struct {
        std::string text;
        const char* error;  // after the file's name; "" when the file is read
        std::vector<std::string> lines;
    } cases[] = {
        {"a\r\nb\nlast", "", {"a", "b", "last"}},
        {"\n\n\n\n\n", "", {"", "", "", "", ""}},
        {"\n\n\n\n\n\n", ": more than 5 lines, the most a test file may hold", {}},
        {"1\n2\n3\n4\n5\n6", ": more than 5 lines, the most a test file may hold", {}},
        {"ok\n" + std::string(11, 'x'), ":2: a line longer than 10 characters, the most a test file may hold in a line", {}},
        {std::string(101, '\n'), ": more than 100 bytes, the most a test file may hold", {}},
    };
    for (const auto& c : cases) {
        std::ofstream(root / "t.txt", std::ios::binary) << c.text;
        std::vector<std::string> lines{"stale"};
        std::string error;
        bool read = emu::ReadLinesWithin(root / "t.txt", limits, lines, error);
        EXPECT_EQ(read, !*c.error) << c.text;
        if (*c.error) {
            EXPECT_EQ(error, (root / "t.txt").string() + c.error);
        }
        EXPECT_EQ(lines, c.lines) << c.text;
    }
}

#if !defined(_WIN32)
TEST(BoundedText, ADeviceThatNeverEndsIsRefusedAtTheFirstLimit)
{
    std::vector<std::string> lines;
    std::string error;
    EXPECT_FALSE(emu::ReadLinesWithin("/dev/zero", emu::hostScenarioLimits, lines, error));
    EXPECT_EQ(error, "/dev/zero:1: a line longer than 1048576 characters, the most a host scenario may hold in a line");
}
#endif
