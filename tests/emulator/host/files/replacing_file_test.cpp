/* A file is replaced whole or not at all: what was there stays until the new
 * file is complete, no temporary is left behind, and a link stays a link. */
#include "support/emulated_root.h"

#include "emulator/host/files/replacing_file.h"

#include <gtest/gtest.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {

size_t FilesIn(const fs::path& folder)
{
    size_t count = 0;
    for (const auto& entry : fs::directory_iterator(folder))
        count += entry.is_regular_file();
    return count;
}

}  // namespace

TEST(ReplacingFile, TheOldFileStaysUntilTheNewOneIsWholeAndNoTemporaryIsLeft)
{
    testing_support::EmulatedRoot root("");
    fs::path folder = root / "out";
    fs::create_directories(folder);
    std::ofstream(folder / "a.txt") << "old\n";
    std::string why;
    {
        emu::ReplacingFile file;
        ASSERT_TRUE(file.open(folder / "a.txt", why)) << why;
        file.stream() << "new\n";
        EXPECT_EQ(testing_support::ReadFile(folder / "a.txt"), "old\n") << "replaced before it was whole";
    }
    EXPECT_EQ(testing_support::ReadFile(folder / "a.txt"), "old\n") << "an abandoned file replaced the old one";
    EXPECT_EQ(FilesIn(folder), 1u) << "an abandoned temporary was left";

    emu::ReplacingFile file;
    ASSERT_TRUE(file.open(folder / "a.txt", why)) << why;
    file.stream() << "new\n";
    ASSERT_TRUE(file.commit(why)) << why;
    EXPECT_EQ(testing_support::ReadFile(folder / "a.txt"), "new\n");
    EXPECT_EQ(FilesIn(folder), 1u);
}

TEST(ReplacingFile, RefusesWhatCannotBeReplaced)
{
    testing_support::EmulatedRoot root("");
    fs::create_directories(root / "folder");
    const struct {
        fs::path path;
        const char* why;
    } cases[] = {{root / "missing" / "a.txt", "no such folder"}, {root / "folder", "it is a folder"}};
    for (const auto& c : cases) {
        emu::ReplacingFile file;
        std::string why;
        EXPECT_FALSE(file.open(c.path, why)) << c.path;
        EXPECT_EQ(why, c.why);
    }
}

#if !defined(_WIN32)
TEST(ReplacingFile, ALinkStaysALinkAndTheFileItLeadsToIsReplaced)
{
    testing_support::EmulatedRoot root("");
    std::ofstream(root / "real.txt") << "old\n";
    fs::create_symlink(root / "real.txt", root / "link.txt");
    emu::ReplacingFile file;
    std::string why;
    ASSERT_TRUE(file.open(root / "link.txt", why)) << why;
    file.stream() << "new\n";
    ASSERT_TRUE(file.commit(why)) << why;
    EXPECT_TRUE(fs::is_symlink(root / "link.txt"));
    EXPECT_EQ(testing_support::ReadFile(root / "real.txt"), "new\n");
}

TEST(ReplacingFile, ADeviceIsWrittenWhereItIsAndWhatItRefusesIsAFailure)
{
    emu::ReplacingFile file;
    std::string why;
    ASSERT_TRUE(file.open("/dev/full", why)) << why;
    file.stream() << std::string(1 << 16, 'x');
    EXPECT_FALSE(file.commit(why));
    EXPECT_TRUE(fs::is_character_file("/dev/full"));
}
#endif
