/* The "Weapons" display: the pilot's control of the bombs. */
#ifndef BRIMSTAR_WEAPONS_WEAPONS_MFD_H
#define BRIMSTAR_WEAPONS_WEAPONS_MFD_H

#include "Orbitersdk.h"

class WeaponsMFD : public MFD {
public:
    WeaponsMFD(DWORD w, DWORD h, VESSEL* vessel);
    void Update(HDC hDC) override;
};

OAPI_MSGTYPE WeaponsMFDMsgProc(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);

#endif
