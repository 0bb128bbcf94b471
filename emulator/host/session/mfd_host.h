/* MFD modes and open displays. A display is opened in a registered mode on a
 * vessel at a size, takes keys and button events, redraws into a text canvas
 * and is destroyed through its virtual destructor when it closes.
 *
 * A display's code is its module's: once that module's library is unmapped
 * (its mode unregistered or not, as the host leaves the displays open), any
 * call into the display would run code that is gone. Such a call is not
 * made; it is reported as the fault it would be in the host. */
#ifndef BRIMSTAR_EMULATOR_HOST_MFD_HOST_H
#define BRIMSTAR_EMULATOR_HOST_MFD_HOST_H

#include "Orbitersdk.h"
#include "emulator/host/session/module_registry.h"
#include "emulator/windows/text_canvas.h"

#include <string>
#include <vector>

namespace emu {

/* A mode's message procedure, as MFDMODESPEC holds it */
using MfdMsgProc = OAPI_MSGTYPE (*)(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);

struct MfdMode {
    int id;
    std::string name;
    DWORD key;
    MfdMsgProc msgproc;
    const ModuleInstance* owner;  // null for code the host does not load
};

struct Display {
    int id;
    int modeId;
    MFD* object;
    OBJHANDLE vessel;
    int width;
    int height;
    const ModuleInstance* owner;
};

/* A redrawn display: its title and texts, and the same laid out as lines. */
struct Screen {
    TextCanvas canvas;
    std::vector<std::string> lines;  // one per 16-pixel row, title first

    /* The text drawn on the row whose baseline is y, or "" */
    std::string row(int y) const;
};

class MfdHost {
public:
    void setFaultReport(FaultReport report) { faultReport_ = std::move(report); }

    int registerMode(const MFDMODESPEC& modeSpec, const ModuleInstance* owner);
    /* The mode's open displays stay open, as the host leaves them. */
    bool unregisterMode(int id);
    const MfdMode* mode(const std::string& name) const;
    const std::vector<MfdMode>& modes() const { return modes_; }

    /* The display's id, or -1 when the mode is unknown or made no display. */
    int open(const std::string& modeName, OBJHANDLE vessel, VESSEL* iface, int width, int height);
    bool pressKey(int display, DWORD key);
    bool clickButton(int display, int button, int event);
    std::string buttonLabel(int display, int button);
    int buttonMenu(int display, const MFDBUTTONMENU** menu);
    Screen redraw(int display);
    void close(int display);
    /* The focus moved: every display's object is destroyed, and one of the
     * same mode made for the new vessel, as the host's displays belong to
     * the vessel in focus. */
    void follow(OBJHANDLE vessel, VESSEL* iface);
    void closeAllOn(OBJHANDLE vessel);
    void closeAll();

    const Display* display(int id) const;
    const std::vector<Display>& displays() const { return displays_; }

private:
    /* The display, when its code is still mapped; null after reporting. */
    const Display* callable(int id, const char* call);
    bool reachable(const Display& d, const char* call);
    void destroy(const Display& d);

    FaultReport faultReport_;
    std::vector<MfdMode> modes_;
    std::vector<Display> displays_;
    int nextModeId_ = 1;
    int nextDisplayId_ = 0;
};

}  // namespace emu

#endif
