/* Numbers are read as atof reads them: leading blanks skipped, the longest
 * number at the start taken, 0.0 when there is none. No range is checked. */
#include "slot_parsers.h"

#include "weapon_slots.h"
#include "weapons_mfd.h"

#include <cctype>
#include <cstdlib>

namespace {

/* Sets the field of the slot of the display that opened this parser's box;
 * refuses when that display is gone (its box outlived it), when another
 * display now lives at its address, or when it has no slot. */
bool SetField(void* display, INPUTBOXCALLBACK parser, double WeaponSlot::*field, double value)
{
    int slot = WeaponsMFD::SlotAwaitingInput(display, parser);
    if (slot < 0)
        return false;
    weaponSlots[slot].*field = value;
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
        return SetField(display, ParseDistance, &WeaponSlot::distance, std::atof(text) * 1.0);
    if (text[1] == '\0')
        return false;
    return SetField(display, ParseDistance, &WeaponSlot::distance, std::atof(text + 1) * multiplier);
}

bool ParseVelocity(void*, char* text, void* display)
{
    // Typed in km/s, kept in m/s.
    return text && SetField(display, ParseVelocity, &WeaponSlot::velocity, std::atof(text) * 1000.0);
}

bool ParsePower(void*, char* text, void* display)
{
    return text && SetField(display, ParsePower, &WeaponSlot::powerKt, std::atof(text));
}

bool ParseDuration(void*, char* text, void* display)
{
    return text && SetField(display, ParseDuration, &WeaponSlot::duration, std::atof(text));
}

bool ParseDelay(void*, char* text, void* display)
{
    return text && SetField(display, ParseDelay, &WeaponSlot::delay, std::atof(text));
}

bool ParseSeqDelay(void*, char* text, void* display)
{
    return text && SetField(display, ParseSeqDelay, &WeaponSlot::seqDelay, std::atof(text));
}
