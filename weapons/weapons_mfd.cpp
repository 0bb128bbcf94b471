#include "weapons_mfd.h"

#include "host/attached_lifetime.h"
#include "distance_format.h"
#include "host/mfd_open.h"
#include "nuke_launch.h"
#include "slot_parsers.h"
#include "weapon_slots.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <vector>

namespace {

const int buttonCount = 8;
const int lineSize = 100;

/* A button stands for the key of its selection character. */
struct Button {
    const char* label;
    DWORD key;
};

const Button buttons[buttonCount] = {
    {"DIS", 0x20}, {"VEL", 0x2F}, {"POW", 0x19}, {"DUR", 0x16},
    {"DEL", 0x26}, {"SDL", 0x1F}, {"SEQ", 0x22}, {"BMB", 0x30},
};

const MFDBUTTONMENU menu[buttonCount] = {
    {"<- Distance ahead to appear at.", nullptr, 'D'},
    {"<- Velocity to shoot forwards at.", nullptr, 'V'},
    {"<- Power of the blast", nullptr, 'P'},
    {"<- Duration of the blast", nullptr, 'U'},
    {"<- Delay to detonation", nullptr, 'L'},
    {"<- Sequence delay", nullptr, 'S'},
    {"<- Sequence start", nullptr, 'G'},
    {"<- Bomb away", nullptr, 'B'},
};

/* The keys that open an input box, with its prompt and its parser. */
struct InputKey {
    DWORD key;
    const char* prompt;
    INPUTBOXCALLBACK parser;
};

const InputKey inputKeys[] = {
    {0x16, "Select duration (s)", ParseDuration},
    {0x19, "Select power (Kt)", ParsePower},
    {0x1F, "Select seq delay (s)", ParseSeqDelay},
    {0x20, "(Weap): Select distance to travel(preceed with K,M,G or A )", ParseDistance},
    {0x26, "Select delay (s)", ParseDelay},
    {0x2F, "(Weap): Select final velocity(Km/s)", ParseVelocity},
};

const DWORD sequenceKey = 0x22;
const DWORD fireKey = 0x30;
const int inputBoxWidth = 20;

Attached<std::vector<const WeaponsMFD*>> liveDisplays;

}  // namespace

WeaponsMFD::WeaponsMFD(DWORD w, DWORD h, VESSEL* vessel) : MFD(w, h, vessel)
{
    slot = FindWeaponSlot(vessel ? vessel->GetHandle() : nullptr);
    liveDisplays->push_back(this);
}

WeaponsMFD::~WeaponsMFD()
{
    liveDisplays->erase(std::remove(liveDisplays->begin(), liveDisplays->end(), this), liveDisplays->end());
}

int WeaponsMFD::SlotAwaitingInput(const void* display, INPUTBOXCALLBACK parser)
{
    for (const WeaponsMFD* live : *liveDisplays) {
        if (live != display)
            continue;
        for (size_t i = 0; i < std::size(inputKeys); ++i)
            if (inputKeys[i].parser == parser && (live->openedBoxes & (1u << i)))
                return live->slot;
        return -1;
    }
    return -1;
}

void PrintLine(HDC hDC, int x, int& y, const char* text)
{
    y += 16;
    TextOutA(hDC, x, y, text, int(std::strlen(text)));
}

void WeaponsMFD::Update(HDC hDC)
{
    Title(hDC, "Weapons MFD");
    int y = 32;
    if (slot < 0) {
        PrintLine(hDC, 10, y, "No weapon slot left:");
        PrintLine(hDC, 10, y, "all are held by other vessels.");
        return;
    }
    const WeaponSlot& s = weaponSlots[slot];
    char line[lineSize];
    PrintLine(hDC, 10, y, "Forward distance:");
    FormatDistance(line, sizeof line, s.distance, true);
    PrintLine(hDC, 20, y, line);
    PrintLine(hDC, 10, y, "Forward velocity:");
    std::snprintf(line, sizeof line, "%.3f Km/s", s.velocity * 0.001);
    PrintLine(hDC, 20, y, line);
    PrintLine(hDC, 10, y, "Nuke Power:");
    std::snprintf(line, sizeof line, "%f", s.powerKt);
    PrintLine(hDC, 20, y, line);
    PrintLine(hDC, 10, y, "Nuke Delay:");
    std::snprintf(line, sizeof line, "%f", s.delay);
    PrintLine(hDC, 20, y, line);
    PrintLine(hDC, 10, y, "Nuke Duration:");
    std::snprintf(line, sizeof line, "%f", s.duration);
    PrintLine(hDC, 20, y, line);
    std::snprintf(line, sizeof line, "Nuke Seq: %d Delay:", s.seqOn);
    PrintLine(hDC, 10, y, line);
    std::snprintf(line, sizeof line, "%f", s.seqDelay);
    PrintLine(hDC, 20, y, line);
}

bool WeaponsMFD::ConsumeKeyBuffered(DWORD key)
{
    if (slot < 0)
        return false;  // no slot to edit or fire from
    for (size_t i = 0; i < std::size(inputKeys); ++i)
        if (inputKeys[i].key == key) {
            openedBoxes |= 1u << i;
            NoteInputBoxOpened();
            oapiOpenInputBox(HostText(inputKeys[i].prompt), inputKeys[i].parser, nullptr, inputBoxWidth, this);
            return true;
        }
    if (key == sequenceKey) {
        weaponSlots[slot].seqOn = weaponSlots[slot].seqOn == 0 ? 1 : 0;
        return true;
    }
    if (key == fireKey) {
        FireNuke(slot);
        return true;
    }
    return false;
}

bool WeaponsMFD::ConsumeButton(int bt, int event)
{
    if (!(event & PANEL_MOUSE_LBDOWN) || bt < 0 || bt >= buttonCount)
        return false;
    ConsumeKeyBuffered(buttons[bt].key);
    return true;
}

char* WeaponsMFD::ButtonLabel(int bt)
{
    if (bt < 0 || bt >= buttonCount)
        return nullptr;
    return const_cast<char*>(buttons[bt].label);  // the host only reads it
}

int WeaponsMFD::ButtonMenu(const MFDBUTTONMENU** target) const
{
    if (target)
        *target = menu;
    return buttonCount;
}

OAPI_MSGTYPE WeaponsMFDMsgProc(UINT msg, UINT, WPARAM wparam, LPARAM lparam)
{
    return OpenDisplay<WeaponsMFD>(msg, wparam, lparam);
}
