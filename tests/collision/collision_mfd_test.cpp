/* The Collision Control display against a recording collision library:
 * the size it draws with, and which presses become which events. */
#include "collision/collision_mfd.h"
#include "host/collision_module.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

struct Drawn {
    HDC hDC;
    int width, height;
};

std::vector<Drawn> drawn;
std::vector<int> events;

void COLLAPI RecordDraw(HDC hDC, int width, int height)
{
    drawn.push_back({hDC, width, height});
}

void COLLAPI RecordEvent(int event)
{
    events.push_back(event);
}

class CollisionMFDTest : public ::testing::Test {
protected:
    CollisionMFDTest() : saved(collisionModule)
    {
        drawn.clear();
        events.clear();
        collisionModule.drmfd = RecordDraw;
        collisionModule.mfdev = RecordEvent;
    }
    ~CollisionMFDTest() override { collisionModule = saved; }

    /* A display opened as the host opens one: the size packed in the first parameter. */
    std::unique_ptr<MFD> Open(WPARAM size, UINT msg = OAPI_MSG_MFD_OPENED)
    {
        return std::unique_ptr<MFD>(reinterpret_cast<MFD*>(CollisionMFDMsgProc(msg, 0, size, 0)));
    }

    CollisionModule saved;
    HDC dc = reinterpret_cast<HDC>(&drawn);
};

struct KeyCase {
    DWORD key;
    int event;
};

class CollisionMFDKey : public CollisionMFDTest, public ::testing::WithParamInterface<KeyCase> {};

}  // namespace

TEST_F(CollisionMFDTest, OpeningAt0x00C80190DrawsAt400By200)
{
    auto display = Open(0x00C80190);
    ASSERT_NE(display, nullptr);
    display->Update(dc);

    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].hDC, dc);
    EXPECT_EQ(drawn[0].width, 400);
    EXPECT_EQ(drawn[0].height, 200);
}

TEST_F(CollisionMFDTest, EveryDisplayDrawsWithTheSizeOfTheOneOpenedLast)
{
    auto first = Open(0x00C80190);
    auto second = Open(0x01000080);  // 128 wide, 256 high
    second.reset();
    auto refused = Open(0x00100010, 2);
    first->Update(dc);

    EXPECT_EQ(refused, nullptr) << "only the opening message makes a display";
    EXPECT_EQ(collisionMfdWidth, 128);
    EXPECT_EQ(collisionMfdHeight, 256);
    ASSERT_EQ(drawn.size(), 1u);
    EXPECT_EQ(drawn[0].width, 128);
    EXPECT_EQ(drawn[0].height, 256);
}

TEST_F(CollisionMFDTest, AButtonGoesOnOnlyWhenItIsPressedWhateverItsIndex)
{
    auto display = Open(0x00C80190);

    EXPECT_FALSE(display->ConsumeButton(1, 0x02)) << "released or held: no press";
    EXPECT_TRUE(events.empty());
    EXPECT_TRUE(display->ConsumeButton(7, PANEL_MOUSE_LBDOWN | 0x02));
    EXPECT_TRUE(display->ConsumeButton(0, PANEL_MOUSE_LBDOWN));
    EXPECT_EQ(events, (std::vector<int>{7, 0}));
}

TEST_F(CollisionMFDTest, LabelsAndTheFiveRecordMenu)
{
    auto display = Open(0x00C80190);
    const char* labels[] = {"HLT", "PG", "UP", "DWN", "ENT"};
    for (int i = 0; i < 5; ++i)
        EXPECT_STREQ(display->ButtonLabel(i), labels[i]);
    EXPECT_EQ(display->ButtonLabel(5), nullptr);
    EXPECT_EQ(display->ButtonLabel(-1), nullptr);

    EXPECT_EQ(display->ButtonMenu(nullptr), 5);
    const MFDBUTTONMENU* menu = nullptr;
    ASSERT_EQ(display->ButtonMenu(&menu), 5);
    EXPECT_STREQ(menu[0].line1, "Quick Orbiter shutdown");
    EXPECT_STREQ(menu[0].line2, "(With nothing saved)");
    EXPECT_EQ(menu[0].selchar, 'Q');
    const char* lines[] = {nullptr, "Page switch", "Previous", "Next", "Enter"};
    const char selectors[] = {'Q', 'P', '<', '>', 'E'};
    for (int i = 1; i < 5; ++i) {
        EXPECT_STREQ(menu[i].line1, lines[i]);
        EXPECT_EQ(static_cast<const char*>(menu[i].line2), nullptr) << "read by value: the menu is packed";
        EXPECT_EQ(menu[i].selchar, selectors[i]);
    }
}

TEST_F(CollisionMFDTest, WithoutTheLibrarysEntryPointsNothingIsCalledOrTaken)
{
    collisionModule.drmfd = nullptr;
    collisionModule.mfdev = nullptr;
    auto display = Open(0x00C80190);

    display->Update(dc);
    EXPECT_FALSE(display->ConsumeButton(0, PANEL_MOUSE_LBDOWN));
    EXPECT_FALSE(display->ConsumeKeyBuffered(0x10));
    EXPECT_TRUE(drawn.empty());
    EXPECT_TRUE(events.empty());
}

TEST_P(CollisionMFDKey, FiveKeysBecomeTheirEventsAndNoOtherIsTaken)
{
    auto display = Open(0x00C80190);

    bool taken = display->ConsumeKeyBuffered(GetParam().key);

    EXPECT_EQ(taken, GetParam().event >= 0);
    EXPECT_EQ(events, GetParam().event >= 0 ? std::vector<int>{GetParam().event} : std::vector<int>{});
}

INSTANTIATE_TEST_SUITE_P(Keys, CollisionMFDKey,
                         ::testing::Values(KeyCase{0x10, 0}, KeyCase{0x19, 1}, KeyCase{0x33, 2}, KeyCase{0x34, 3},
                                           KeyCase{0x12, 4}, KeyCase{0x11, -1}, KeyCase{0x2F, -1}));
