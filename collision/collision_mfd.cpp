#include "collision_mfd.h"

#include "host/collision_module.h"
#include "host/mfd_open.h"

CollisionMFD::CollisionMFD(DWORD w, DWORD h, VESSEL* vessel) : GraphMFD(w, h, vessel)
{
}

void CollisionMFD::Update(HDC hDC)
{
    if (collisionModule.drmfd)
        collisionModule.drmfd(hDC, int(W), int(H));
}

OAPI_MSGTYPE CollisionMFDMsgProc(UINT msg, UINT, WPARAM wparam, LPARAM lparam)
{
    return OpenDisplay<CollisionMFD>(msg, wparam, lparam);
}
