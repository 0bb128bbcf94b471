/* Buttons, their menu entries and their keys are one table; a button or a
 * key becomes the collision library's event of its row. Without the
 * library's drmfd the display stays blank, and without its mfdev no button
 * or key is taken. */
#include "collision_mfd.h"

#include "host/collision_module.h"
#include "host/mfd_open.h"

#include <array>
#include <cstddef>

int collisionMfdWidth;
int collisionMfdHeight;

namespace {

struct Control {
    const char* label;
    MFDBUTTONMENU menu;
    DWORD key;
    int event;
};

constexpr Control controls[] = {
    {"HLT", {"Quick Orbiter shutdown", "(With nothing saved)", 'Q'}, 0x10, COLLISION_EVENT_HALT},
    {"PG", {"Page switch", nullptr, 'P'}, 0x19, COLLISION_EVENT_PAGE},
    {"UP", {"Previous", nullptr, '<'}, 0x33, COLLISION_EVENT_PREVIOUS},
    {"DWN", {"Next", nullptr, '>'}, 0x34, COLLISION_EVENT_NEXT},
    {"ENT", {"Enter", nullptr, 'E'}, 0x12, COLLISION_EVENT_ENTER},
};

constexpr int controlCount = int(std::size(controls));

/* The host reads the menu as one array of records. */
constexpr std::array<MFDBUTTONMENU, controlCount> MenuOf()
{
    std::array<MFDBUTTONMENU, controlCount> menu{};
    for (int i = 0; i < controlCount; ++i)
        menu[size_t(i)] = controls[i].menu;
    return menu;
}

constexpr std::array<MFDBUTTONMENU, controlCount> collisionMenu = MenuOf();

bool SendEvent(int event)
{
    if (!collisionModule.mfdev)
        return false;
    collisionModule.mfdev(event);
    return true;
}

}  // namespace

CollisionMFD::CollisionMFD(DWORD w, DWORD h, VESSEL* vessel) : GraphMFD(w, h, vessel)
{
    collisionMfdWidth = int(w);
    collisionMfdHeight = int(h);
}

void CollisionMFD::Update(HDC hDC)
{
    if (collisionModule.drmfd)
        collisionModule.drmfd(hDC, collisionMfdWidth, collisionMfdHeight);
}

bool CollisionMFD::ConsumeKeyBuffered(DWORD key)
{
    for (const Control& control : controls)
        if (control.key == key)
            return SendEvent(control.event);
    return false;
}

bool CollisionMFD::ConsumeButton(int bt, int event)
{
    // Whatever button the host reports goes on as the event, beyond the five.
    if (!(event & PANEL_MOUSE_LBDOWN))
        return false;
    return SendEvent(bt);
}

char* CollisionMFD::ButtonLabel(int bt)
{
    if (bt < 0 || bt >= controlCount)
        return nullptr;
    // The host's signature is not const, but it only reads the label.
    return const_cast<char*>(controls[bt].label);
}

int CollisionMFD::ButtonMenu(const MFDBUTTONMENU** menu) const
{
    if (menu)
        *menu = collisionMenu.data();
    return controlCount;
}

OAPI_MSGTYPE CollisionMFDMsgProc(UINT msg, UINT, WPARAM wparam, LPARAM lparam)
{
    return OpenDisplay<CollisionMFD>(msg, wparam, lparam);
}
