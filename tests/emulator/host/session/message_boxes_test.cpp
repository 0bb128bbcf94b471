/* A module may show a message box every step for as long as a flight lasts:
 * the observer hears every one and the host counts them all, but keeps
 * only the latest. */
#include "tests/emulator/host/host_fixture.h"

#include "windows_subset.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct Heard : emu::HostObserver {
    void messageBox(const emu::MessageBoxRecord& box) override { texts.push_back(box.text); }
    std::vector<std::string> texts;
};

}  // namespace

TEST_F(HostTest, MessageBoxesAreAllHeardAndCountedButOnlyTheLatestKept)
{
    Heard heard;
    host.setObserver(&heard);
    const int shown = 1000;
    for (int i = 1; i <= shown; ++i)
        MessageBoxA(nullptr, ("box " + std::to_string(i)).c_str(), "Error!", MB_OK);
    host.setObserver(nullptr);

    EXPECT_EQ(heard.texts.size(), size_t(shown));
    EXPECT_EQ(host.messageBoxCount(), unsigned(shown));
    const std::vector<emu::MessageBoxRecord>& kept = host.messageBoxes();
    ASSERT_EQ(kept.size(), emu::Host::keptMessageBoxes);
    EXPECT_EQ(kept.back().text, "box 1000");
    EXPECT_EQ(kept.back().caption, "Error!");
    EXPECT_EQ(kept.front().text, "box " + std::to_string(shown - emu::Host::keptMessageBoxes + 1));
}
