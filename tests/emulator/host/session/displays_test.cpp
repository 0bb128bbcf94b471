/* Displays open, draw into their canvas, take keys and close through their
 * destructor; a mode's displays outlive it, as the host leaves them open. */
#include "tests/emulator/host/host_fixture.h"
#include "host/host_api.h"

#include <gtest/gtest.h>

namespace {

int liveDisplays;

class CountingDisplay : public MFD {
public:
    CountingDisplay(DWORD w, DWORD h, VESSEL* v) : MFD(w, h, v) { ++liveDisplays; }
    ~CountingDisplay() override { --liveDisplays; }
    void Update(HDC hDC) override
    {
        Title(hDC, "Counting");
        TextOutA(hDC, 10, 48, "first", 5);
        TextOutA(hDC, 20, 64, "second line", 6);
    }
    bool ConsumeKeyBuffered(DWORD key) override { return key == 0x10; }
};

OAPI_MSGTYPE CountingProc(UINT msg, UINT, WPARAM wparam, LPARAM lparam)
{
    if (msg != OAPI_MSG_MFD_OPENED)
        return 0;
    return reinterpret_cast<OAPI_MSGTYPE>(
        new CountingDisplay(DWORD(wparam & 0xFFFF), DWORD(wparam >> 16), reinterpret_cast<VESSEL*>(lparam)));
}

}  // namespace

TEST_F(HostTest, DisplaysOpenDrawTakeKeysAndCloseThroughTheirDestructor)
{
    OBJHANDLE h = Ship("GL-01");
    MFDMODESPEC counting{HostText("Counting"), 0x2E, CountingProc};
    int mode = oapiRegisterMFDMode(counting);

    int display = host.openMfd("Counting", h, 400, 200);
    ASSERT_GE(display, 0);
    EXPECT_EQ(liveDisplays, 1);
    EXPECT_TRUE(host.mfds().pressKey(display, 0x10));
    EXPECT_FALSE(host.mfds().pressKey(display, 0x11));

    emu::Screen screen = host.mfds().redraw(display);
    EXPECT_EQ(screen.row(48), "first");
    EXPECT_EQ(screen.row(64), "second") << "only the given length is drawn";
    ASSERT_EQ(screen.lines.size(), 5u);
    EXPECT_EQ(screen.lines[0], "Counting");
    EXPECT_EQ(screen.lines[3], " first");
    EXPECT_EQ(screen.lines[4], "  second");

    host.openMfd("Counting", h, 400, 200);
    oapiUnregisterMFDMode(mode);
    EXPECT_EQ(liveDisplays, 2) << "the host leaves a mode's displays open";
    EXPECT_TRUE(host.mfds().pressKey(display, 0x10));
    EXPECT_EQ(host.openMfd("Counting", h, 400, 200), -1);
    host.mfds().closeAll();
    EXPECT_EQ(liveDisplays, 0);
}
