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

    bool Parse(INPUTBOXCALLBACK parser, std::string text)
    {
        return parser(nullptr, text.data(), display.get());
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
        EXPECT_EQ(Parse(ParseDistance, c.text), c.accepted) << '"' << c.text << '"';
        EXPECT_EQ(Slot().distance, c.metres) << '"' << c.text << '"';
    }
}

TEST_F(SlotTest, TheOtherParsersTakeAnyNumberAsItComes)
{
    struct Case {
        INPUTBOXCALLBACK parser;
        double WeaponSlot::*field;
        const char* text;
        double value;
    };
    const Case cases[] = {
        {ParseVelocity, &WeaponSlot::velocity, "2.5", 2500.0},
        {ParseVelocity, &WeaponSlot::velocity, "", 0.0},
        {ParsePower, &WeaponSlot::powerKt, "  50kt", 50.0},
        {ParseDuration, &WeaponSlot::duration, "20", 20.0},
        {ParseDelay, &WeaponSlot::delay, "-5000", -5000.0},
        {ParseSeqDelay, &WeaponSlot::seqDelay, "abc", 0.0},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Parse(c.parser, c.text)) << c.text;
        EXPECT_EQ(Slot().*c.field, c.value) << c.text;
    }
    EXPECT_EQ(Slot().seqDelay, 0.0) << "the duration never moves the sequence delay";
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
