/* MFD, the base of a display mode's object, and GraphMFD. The virtual
 * operations are in the host's slot order; every one a mode does not override
 * keeps the host's default.
 */
#ifndef BRIMSTAR_SDK_MFDAPI_H
#define BRIMSTAR_SDK_MFDAPI_H

#include "OrbiterAPI.h"

class OAPIFUNC MFD {
public:
    MFD(DWORD w, DWORD h, VESSEL* vessel);
    virtual ~MFD();
    virtual void Update(HDC hDC) = 0;
    virtual bool ConsumeKeyBuffered(DWORD key);
    virtual bool ConsumeKeyImmediate(char* kstate);
    virtual bool ConsumeButton(int bt, int event);
    virtual char* ButtonLabel(int bt);
    virtual int ButtonMenu(const MFDBUTTONMENU** menu) const;
    virtual void WriteStatus(FILEHANDLE scn) const;
    virtual void ReadStatus(FILEHANDLE scn);
    virtual void StoreStatus() const;
    virtual void RecallStatus();

protected:
    /* Draws the display's title in its top line. */
    void Title(HDC hDC, const char* title) const;

    DWORD W, H;
    VESSEL* pV;
};

class OAPIFUNC GraphMFD : public MFD {
public:
    GraphMFD(DWORD w, DWORD h, VESSEL* vessel);
};

/* Bit of a button event: the left mouse button went down. */
const int PANEL_MOUSE_LBDOWN = 0x01;

#endif
