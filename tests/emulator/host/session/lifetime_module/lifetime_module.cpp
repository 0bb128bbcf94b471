/* A vessel module and plug-in of the plainest kind, for the host's own tests
 * of how long a library stays loaded: it registers the display mode "Probe",
 * whose displays open an input box at any key, makes a plain VESSEL2 for each
 * vessel, and counts its pre-steps for the test to read. */
#include "Orbitersdk.h"

// Exported by the host, declared by no header: a real build declares it.
OAPIFUNC void InitLib(HINSTANCE module);

namespace {

int modeId;
int preSteps;

bool ProbeEntered(void*, char*, void*)
{
    return true;
}

class ProbeDisplay : public MFD {
public:
    ProbeDisplay(DWORD w, DWORD h, VESSEL* v) : MFD(w, h, v) {}
    void Update(HDC) override {}
    bool ConsumeKeyBuffered(DWORD) override
    {
        oapiOpenInputBox(const_cast<char*>("Probe"), ProbeEntered, nullptr, 10, nullptr);
        return true;
    }
};

OAPI_MSGTYPE ProbeProc(UINT msg, UINT, WPARAM wparam, LPARAM lparam)
{
    if (msg != OAPI_MSG_MFD_OPENED)
        return 0;
    return reinterpret_cast<OAPI_MSGTYPE>(
        new ProbeDisplay(DWORD(wparam & 0xFFFF), DWORD(wparam >> 16), reinterpret_cast<VESSEL*>(lparam)));
}

}  // namespace

DLLCLBK int PreStepCount()
{
    return preSteps;
}

DLLCLBK void InitModule(HINSTANCE)
{
    MFDMODESPEC probe{const_cast<char*>("Probe"), 0x30, ProbeProc};
    modeId = oapiRegisterMFDMode(probe);
}

DLLCLBK void ExitModule(HINSTANCE)
{
    oapiUnregisterMFDMode(modeId);
}

DLLCLBK void opcPreStep(double, double, double)
{
    ++preSteps;
}

/* Final, so that deleting it through its own type deletes all of it: the
 * SDK's vessel classes have no virtual destructor. */
class PlainVessel final : public VESSEL2 {
public:
    using VESSEL2::VESSEL2;
};

DLLCLBK VESSEL* ovcInit(OBJHANDLE vessel, int flightModel)
{
    return new PlainVessel(vessel, flightModel);
}

DLLCLBK void ovcExit(VESSEL* vessel)
{
    delete static_cast<PlainVessel*>(vessel);
}

extern "C" BOOL WINAPI DllMain(HINSTANCE module, DWORD reason, LPVOID)
{
    if (reason == DLL_PROCESS_ATTACH)
        InitLib(module);
    if (reason == DLL_PROCESS_DETACH)
        ExitModule(module);
    return TRUE;
}
