/* The "Collision Control" display: drawn and operated by the collision
 * library. It keeps no state of its own; only the display size is kept, for
 * the whole module: every display of the mode draws with the size of the
 * one constructed last. */
#ifndef BRIMSTAR_COLLISION_COLLISION_MFD_H
#define BRIMSTAR_COLLISION_COLLISION_MFD_H

#include "host/host_api.h"
#include "host/stay_loaded.h"

/* Pixels; 0 until the first display of the mode opens. */
extern int collisionMfdWidth;
extern int collisionMfdHeight;

class CollisionMFD : public GraphMFD {
public:
    CollisionMFD(DWORD w, DWORD h, VESSEL* vessel);
    void Update(HDC hDC) override;
    bool ConsumeKeyBuffered(DWORD key) override;
    bool ConsumeButton(int bt, int event) override;
    char* ButtonLabel(int bt) override;
    int ButtonMenu(const MFDBUTTONMENU** menu) const override;

private:
    DisplayHold hold;
};

OAPI_MSGTYPE CollisionMFDMsgProc(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);

#endif
