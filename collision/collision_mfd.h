/* The "Collision Control" display: drawn and operated by the collision
 * library. */
#ifndef BRIMSTAR_COLLISION_COLLISION_MFD_H
#define BRIMSTAR_COLLISION_COLLISION_MFD_H

#include "Orbitersdk.h"

class CollisionMFD : public GraphMFD {
public:
    CollisionMFD(DWORD w, DWORD h, VESSEL* vessel);
    void Update(HDC hDC) override;
};

OAPI_MSGTYPE CollisionMFDMsgProc(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);

#endif
