#include "weapons_mfd.h"

#include "host/mfd_open.h"

WeaponsMFD::WeaponsMFD(DWORD w, DWORD h, VESSEL* vessel) : MFD(w, h, vessel)
{
}

void WeaponsMFD::Update(HDC hDC)
{
    Title(hDC, "Weapons MFD");
}

OAPI_MSGTYPE WeaponsMFDMsgProc(UINT msg, UINT, WPARAM wparam, LPARAM lparam)
{
    return OpenDisplay<WeaponsMFD>(msg, wparam, lparam);
}
