/* The "Weapons" display: the pilot's control of the bombs. It keeps no
 * settings of its own; everything it shows and edits lives in its vessel's
 * weapon slot, so displays on one vessel share them and they outlive the
 * display. */
#ifndef BRIMSTAR_WEAPONS_WEAPONS_MFD_H
#define BRIMSTAR_WEAPONS_WEAPONS_MFD_H

#include "host/host_api.h"
#include "host/stay_loaded.h"

class WeaponsMFD : public MFD {
public:
    WeaponsMFD(DWORD w, DWORD h, VESSEL* vessel);
    ~WeaponsMFD() override;

    void Update(HDC hDC) override;
    bool ConsumeKeyBuffered(DWORD key) override;
    bool ConsumeButton(int bt, int event) override;
    char* ButtonLabel(int bt) override;
    int ButtonMenu(const MFDBUTTONMENU** menu) const override;

    /* The slot of the display at that address, or -1 unless that display
     * is still open and itself opened a box with this parser. An input box
     * can outlive the display that opened it, and another display can then
     * be made at the same address: only the box's context reaches the
     * parser, so the display has to remember what it opened. */
    static int SlotAwaitingInput(const void* display, INPUTBOXCALLBACK parser);

    int slot;  // -1 when all slots are held by other vessels

private:
    DisplayHold hold;
    unsigned openedBoxes = 0;  // one bit for each input key whose box this display opened
};

/* Draws the text one line lower: y grows by 16 first. */
void PrintLine(HDC hDC, int x, int& y, const char* text);

OAPI_MSGTYPE WeaponsMFDMsgProc(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);

#endif
