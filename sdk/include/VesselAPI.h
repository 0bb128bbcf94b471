/* VESSEL, the host's interface to one vessel, and VESSEL2, the base of vessel
 * classes that a module implements: its 28 callbacks in the host's order, each
 * with the host's default behaviour.
 *
 * As the host declares it, VESSEL has no virtual function and no destructor,
 * and neither does VESSEL2 declare one: inside a module's class the VESSEL part
 * need not sit at the object's address, and deleting through either base runs
 * no destructor of the module's class. The host tells a VESSEL2 from a plain
 * VESSEL by its interface version.
 *
 * A VESSEL only holds its vessel's handle; every method asks the host.
 */
#ifndef BRIMSTAR_SDK_VESSELAPI_H
#define BRIMSTAR_SDK_VESSELAPI_H

#include "OrbiterAPI.h"

class OAPIFUNC VESSEL {
public:
    VESSEL(OBJHANDLE hVessel, int fmodel = 1);

    /* 0 for VESSEL, 1 for VESSEL2 */
    int Version() const { return version; }

    OBJHANDLE GetHandle() const;
    char* GetName() const;
    char* GetClassName() const;

    /* State in the global frame */
    void GetGlobalPos(VECTOR3& pos) const;
    void GetGlobalVel(VECTOR3& vel) const;
    void GlobalRot(const VECTOR3& rloc, VECTOR3& rglob) const;
    void Global2Local(const VECTOR3& glob, VECTOR3& loc) const;
    void Local2Global(const VECTOR3& loc, VECTOR3& glob) const;
    double GetAltitude() const;
    OBJHANDLE GetSurfaceRef() const;

    /* Flight data, relative to the surface reference: the orbit's apsides
     * (the handle is the body they refer to, null without one), the airspeed
     * in the local horizon (east, up, north) and in the vessel's frame
     * (false when there is no atmosphere), attitude in rad. */
    OBJHANDLE GetPeDist(double& pedist) const;
    OBJHANDLE GetApDist(double& apdist) const;
    bool GetHorizonAirspeedVector(VECTOR3& v) const;
    bool GetShipAirspeedVector(VECTOR3& v) const;
    double GetAirspeed() const;
    double GetPitch() const;
    double GetBank() const;
    double GetAOA() const;
    /* In the vessel's frame, rad/s */
    void GetAngularVel(VECTOR3& avel) const;
    /* Height of the centre of gravity above the touchdown points' plane */
    double GetCOG_elev() const;

    /* Aerodynamic controls and brakes */
    void SetControlSurfaceLevel(AIRCTRL_TYPE type, double level) const;
    double GetControlSurfaceLevel(AIRCTRL_TYPE type) const;
    void SetADCtrlMode(DWORD mode) const;
    /* which: 0 both (their mean), 1 left, 2 right */
    double GetWheelbrakeLevel(int which) const;

    /* State records */
    void GetStatus(VESSELSTATUS& status) const;
    void GetStatusEx(void* status) const;
    void DefSetStateEx(const void* status) const;

    /* Forces and thrusters */
    void AddForce(const VECTOR3& F, const VECTOR3& r) const;
    PROPELLANT_HANDLE CreatePropellantResource(double maxmass, double mass = -1.0,
                                               double efficiency = 1.0) const;
    THRUSTER_HANDLE CreateThruster(const VECTOR3& pos, const VECTOR3& dir, double maxth0,
                                   PROPELLANT_HANDLE hp = 0, double isp1 = 0.0, double isp2 = 0.0,
                                   double pref = 101400.0) const;
    THGROUP_HANDLE CreateThrusterGroup(THRUSTER_HANDLE* th, int nth, THGROUP_TYPE type) const;
    void SetThrusterGroupLevel(THGROUP_HANDLE group, double level) const;
    void SetThrusterGroupLevel(THGROUP_TYPE type, double level) const;
    double GetThrusterGroupLevel(THGROUP_HANDLE group) const;
    double GetThrusterGroupLevel(THGROUP_TYPE type) const;
    UINT AddExhaust(THRUSTER_HANDLE th, double lscale, double wscale, SURFHANDLE tex = 0) const;

    /* Class capabilities */
    void SetSize(double size) const;
    double GetSize() const;
    void SetPMI(const VECTOR3& pmi) const;
    void GetPMI(VECTOR3& pmi) const;
    void SetEmptyMass(double emass) const;
    double GetMass() const;
    void SetCrossSections(const VECTOR3& cs) const;
    void SetRotDrag(const VECTOR3& rd) const;
    void SetSurfaceFrictionCoeff(double mu_lng, double mu_lat) const;
    void SetCameraOffset(const VECTOR3& co) const;
    void SetTouchdownPoints(const VECTOR3& pt1, const VECTOR3& pt2, const VECTOR3& pt3) const;
    void GetTouchdownPoints(VECTOR3& pt1, VECTOR3& pt2, VECTOR3& pt3) const;
    void SetReentryTexture(SURFHANDLE tex, double plimit = 6e7, double lscale = 1.0,
                           double wscale = 1.0) const;
    UINT AddMesh(MESHHANDLE mesh, const VECTOR3* ofs = 0) const;
    void SetMeshVisibilityMode(UINT idx, WORD mode) const;

    /* Scenarios */
    void ParseScenarioLineEx(char* line, void* status) const;
    void SaveDefaultState(FILEHANDLE scn) const;

protected:
    OBJHANDLE hVessel_;
    short flightmodel;
    short version;
};

class OAPIFUNC VESSEL2 : public VESSEL {
public:
    VESSEL2(OBJHANDLE hVessel, int fmodel = 1);

    virtual void clbkSetClassCaps(FILEHANDLE cfg);
    virtual void clbkSaveState(FILEHANDLE scn);
    virtual void clbkLoadStateEx(FILEHANDLE scn, void* status);
    virtual void clbkSetStateEx(const void* status);
    virtual void clbkPostCreation();
    virtual void clbkFocusChanged(bool getfocus, OBJHANDLE hNewVessel, OBJHANDLE hOldVessel);
    virtual void clbkPreStep(double simt, double simdt, double mjd);
    virtual void clbkPostStep(double simt, double simdt, double mjd);
    virtual bool clbkPlaybackEvent(double simt, double event_t, const char* event_type,
                                   const char* event);
    virtual void clbkVisualCreated(VISHANDLE vis, int refcount);
    virtual void clbkVisualDestroyed(VISHANDLE vis, int refcount);
    virtual void clbkDrawHUD(int mode, const HUDPAINTSPEC* hps, HDC hDC);
    virtual void clbkRCSMode(int mode);
    virtual void clbkADCtrlMode(DWORD mode);
    virtual void clbkHUDMode(int mode);
    virtual void clbkMFDMode(int mfd, int mode);
    virtual void clbkNavMode(int mode, bool active);
    virtual void clbkDockEvent(int dock, OBJHANDLE mate);
    virtual void clbkAnimate(double simt);
    virtual int clbkConsumeDirectKey(char* kstate);
    virtual int clbkConsumeBufferedKey(DWORD key, bool down, char* kstate);
    virtual bool clbkLoadGenericCockpit();
    virtual bool clbkLoadPanel(int id);
    virtual bool clbkPanelMouseEvent(int id, int event, int mx, int my);
    virtual bool clbkPanelRedrawEvent(int id, int event, SURFHANDLE surf);
    virtual bool clbkLoadVC(int id);
    virtual bool clbkVCMouseEvent(int id, int event, VECTOR3& p);
    virtual bool clbkVCRedrawEvent(int id, int event, SURFHANDLE surf);
};

#endif
