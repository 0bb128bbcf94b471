/* What the pilot's texts become: the parsers, the bomb's name and the
 * distance text, as tables of cases. */
#include "support/emulated_root.h"
#include "weapons/distance_format.h"
#include "weapons/nuke_launch.h"
#include "weapons/slot_parsers.h"
#include "weapons/weapon_slots.h"
#include "weapons/weapons_mfd.h"

#include "emulator/host/host.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <new>

namespace {

class SlotTest : public ::testing::Test {
protected:
    SlotTest()
    {
        InitWeaponSlots(100.0, 0.0);
        VesselStateEx state{};
        state.version = 2;
        ship = host.createVessel("GL-01", "Ship", state);
        display = std::make_unique<WeaponsMFD>(400, 400, oapiGetVesselInterface(ship));
    }

    WeaponSlot& Slot() { return weaponSlots[display->slot]; }

    /* Opens the box of the key on the display and confirms the text. */
    bool Enter(DWORD key, const std::string& text)
    {
        return display->ConsumeKeyBuffered(key) && host.inputBox().confirm(text);
    }

    testing_support::EmulatedRoot root{""};
    emu::Host host{root.path()};
    OBJHANDLE ship;
    std::unique_ptr<WeaponsMFD> display;
};

}  // namespace

TEST_F(SlotTest, AFreshTableHoldsTheDefaultsAndBindsSlotsInOrder)
{
    EXPECT_EQ(display->slot, 0);
    EXPECT_EQ(Slot().distance, 0.0);
    EXPECT_EQ(Slot().velocity, 100.0);
    EXPECT_EQ(Slot().powerKt, 0.0);
    EXPECT_EQ(Slot().duration, 3.0);
    EXPECT_EQ(Slot().delay, 10.0);
    EXPECT_EQ(Slot().seqDelay, 13.0);
    EXPECT_EQ(Slot().lastSeqTime, 0.0);
    EXPECT_EQ(Slot().seqOn, 0);
    EXPECT_EQ(weaponSlots[1].hVessel, nullptr);

    int dummy;
    EXPECT_EQ(FindWeaponSlot(&dummy), 1);
    EXPECT_EQ(FindWeaponSlot(ship), 0);
    EXPECT_EQ(FindWeaponSlot(nullptr), -1) << "null marks a free slot, never a vessel";
}

TEST_F(SlotTest, DistanceTextsTakeAnOptionalUnitPrefixOnTheFirstCharacterOnly)
{
    struct Case {
        const char* text;
        bool accepted;
        double metres;
    };
    const Case cases[] = {
        {"500", true, 500.0},   {"k2", true, 2000.0},  {"M1.5", true, 1500000.0},  {"g1", true, 1e9},
        {"A1", true, 149597870691.0}, {"K-3", true, -3000.0}, {"12km", true, 12.0}, {"x", true, 0.0},
        {" K5", true, 0.0},     {"", false, 77.0},     {"K", false, 77.0},         {"%5", false, 77.0},
    };
    for (const Case& c : cases) {
        Slot().distance = 77.0;
        EXPECT_EQ(Enter(0x20, c.text), c.accepted) << '"' << c.text << '"';
        EXPECT_EQ(Slot().distance, c.metres) << '"' << c.text << '"';
    }
}

TEST_F(SlotTest, TheOtherParsersTakeAnyNumberAsItComes)
{
    struct Case {
        DWORD key;
        double WeaponSlot::*field;
        const char* text;
        double value;
    };
    // The sequence delay is set before the duration, so that the last case
    // shows whether the duration moves it.
    const Case cases[] = {
        {0x2F, &WeaponSlot::velocity, "2.5", 2500.0},
        {0x2F, &WeaponSlot::velocity, "", 0.0},
        {0x19, &WeaponSlot::powerKt, "  50kt", 50.0},
        {0x26, &WeaponSlot::delay, "-5000", -5000.0},
        {0x1F, &WeaponSlot::seqDelay, "abc", 0.0},
        {0x16, &WeaponSlot::duration, "20", 20.0},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Enter(c.key, c.text)) << c.text;
        EXPECT_EQ(Slot().*c.field, c.value) << c.text;
    }
    EXPECT_EQ(Slot().seqDelay, 0.0) << "the duration never moves the sequence delay";
}

TEST_F(SlotTest, ABoxWritesOnlyIntoTheDisplayThatOpenedItNotAnotherAtItsAddress)
{
    VesselStateEx state{};
    state.version = 2;
    OBJHANDLE other = host.createVessel("GL-02", "Ship", state);
    // The second display is made in the first one's storage, so the address
    // is reused for certain, whatever the allocator does.
    alignas(WeaponsMFD) unsigned char storage[sizeof(WeaponsMFD)];
    auto* first = new (storage) WeaponsMFD(400, 400, oapiGetVesselInterface(ship));
    ASSERT_TRUE(first->ConsumeKeyBuffered(0x19));  // P: the power box, with the display as its context
    first->~WeaponsMFD();
    auto* second = new (storage) WeaponsMFD(400, 400, oapiGetVesselInterface(other));
    ASSERT_EQ(static_cast<void*>(second), static_cast<void*>(storage));

    EXPECT_FALSE(host.inputBox().confirm("999"));
    EXPECT_EQ(weaponSlots[second->slot].powerKt, 0.0) << "another vessel's slot took the text";
    EXPECT_EQ(Slot().powerKt, 0.0);

    // A box the second display opens itself is its own; one of another key is not.
    ASSERT_TRUE(second->ConsumeKeyBuffered(0x19));
    EXPECT_TRUE(host.inputBox().confirm("7"));
    EXPECT_EQ(weaponSlots[second->slot].powerKt, 7.0);
    char text[] = "5";
    EXPECT_FALSE(ParseDelay(nullptr, text, second)) << "no delay box was opened";
    EXPECT_EQ(weaponSlots[second->slot].delay, 10.0);
    second->~WeaponsMFD();
}

TEST(NukeName, CarriesTheSettingsWithSixDecimalsOrRefusesWhenItCannot)
{
    WeaponSlot slot{};
    slot.delay = -5000;
    slot.duration = 2.5;
    slot.powerKt = 50;
    char name[nukeNameSize];
    ASSERT_TRUE(FormatNukeName(name, sizeof name, slot));
    EXPECT_STREQ(name, "Nuke/-5000.000000/2.500000/50.000000");

    for (double bad : {1e300, std::numeric_limits<double>::infinity(), std::nan("")}) {
        slot.powerKt = bad;
        EXPECT_FALSE(FormatNukeName(name, sizeof name, slot)) << bad;
    }
    slot.powerKt = 1e200;  // 200 digits: fits alone, not with the rest
    slot.delay = 1e60;
    EXPECT_FALSE(FormatNukeName(name, sizeof name, slot));
}

TEST(DistanceText, IsCutToItsBufferNeverPastIt)
{
    char text[12];
    std::memset(text, '#', sizeof text);
    FormatDistance(text, 8, 123456789.0, true);
    EXPECT_STREQ(text, "123.46 ");
    EXPECT_EQ(text[8], '#');
    FormatDistance(text, sizeof text, 1e9, false);
    EXPECT_STREQ(text, "1.00 Gm");
}

TEST(DistanceText, ADistanceThatIsNoNumberTakesTheFirstUnit)
{
    char text[40];
    FormatDistance(text, sizeof text, std::nan(""), false);
    EXPECT_NE(std::strstr(text, " Gm"), nullptr) << text;
    FormatDistance(text, sizeof text, std::nan(""), true);
    EXPECT_NE(std::strstr(text, " Gm("), nullptr) << text;
}
