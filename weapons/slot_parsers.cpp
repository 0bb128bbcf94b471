/* Numbers are read as atof reads them: leading blanks skipped, the longest
 * number at the start taken, 0.0 when there is none. No range is checked. */
#include "slot_parsers.h"

#include "weapon_slots.h"
#include "weapons_mfd.h"

#include <cctype>
#include <cstdlib>

namespace {

/* The slot of the display; null when the display is gone (its box outlived
 * it) or has no slot. */
WeaponSlot* SlotOf(void* display)
{
    int slot = WeaponsMFD::SlotOfLiveDisplay(display);
    return slot < 0 ? nullptr : &weaponSlots[slot];
}

bool SetField(void* display, double WeaponSlot::*field, double value)
{
    WeaponSlot* slot = SlotOf(display);
    if (!slot)
        return false;
    slot->*field = value;
    return true;
}

double Multiplier(char prefix)
{
    switch (std::toupper(static_cast<unsigned char>(prefix))) {
    case 'K':
        return 1000.0;
    case 'M':
        return 1000000.0;
    case 'G':
        return 1000000000.0;
    case 'A':
        return 149597870691.0;  // one astronomical unit
    default:
        return 0.0;
    }
}

}  // namespace

bool ParseDistance(void*, char* text, void* display)
{
    if (!text || text[0] == '\0' || text[0] == '%')
        return false;
    double multiplier = Multiplier(text[0]);
    if (multiplier == 0.0)
        return SetField(display, &WeaponSlot::distance, std::atof(text) * 1.0);
    if (text[1] == '\0')
        return false;
    return SetField(display, &WeaponSlot::distance, std::atof(text + 1) * multiplier);
}

bool ParseVelocity(void*, char* text, void* display)
{
    // Typed in km/s, kept in m/s.
    return text && SetField(display, &WeaponSlot::velocity, std::atof(text) * 1000.0);
}

bool ParsePower(void*, char* text, void* display)
{
    return text && SetField(display, &WeaponSlot::powerKt, std::atof(text));
}

bool ParseDuration(void*, char* text, void* display)
{
    return text && SetField(display, &WeaponSlot::duration, std::atof(text));
}

bool ParseDelay(void*, char* text, void* display)
{
    return text && SetField(display, &WeaponSlot::delay, std::atof(text));
}

bool ParseSeqDelay(void*, char* text, void* display)
{
    return text && SetField(display, &WeaponSlot::seqDelay, std::atof(text));
}
