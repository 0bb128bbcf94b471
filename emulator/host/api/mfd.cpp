/* MFD's defaults: a display reads no key states and keeps nothing in
 * scenarios unless its mode says otherwise. */
#include "MFDAPI.h"
#include "emulator/windows/text_canvas.h"

MFD::MFD(DWORD w, DWORD h, VESSEL* vessel) : W(w), H(h), pV(vessel) {}

MFD::~MFD() = default;

bool MFD::ConsumeKeyBuffered(DWORD) { return false; }
bool MFD::ConsumeKeyImmediate(char*) { return false; }
bool MFD::ConsumeButton(int, int) { return false; }
char* MFD::ButtonLabel(int) { return nullptr; }
int MFD::ButtonMenu(const MFDBUTTONMENU**) const { return 0; }
void MFD::WriteStatus(FILEHANDLE) const {}
void MFD::ReadStatus(FILEHANDLE) {}
void MFD::StoreStatus() const {}
void MFD::RecallStatus() {}

void MFD::Title(HDC hDC, const char* title) const
{
    if (hDC && title)
        TextCanvas::from(hDC)->title = title;
}

GraphMFD::GraphMFD(DWORD w, DWORD h, VESSEL* vessel) : MFD(w, h, vessel) {}
