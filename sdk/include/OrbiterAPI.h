/* The host simulator's API as the module sees it: types, handles, records and
 * the oapi functions. The emulated host implements every function declared
 * here; a module links against it as it would against the real host.
 */
#ifndef BRIMSTAR_SDK_ORBITERAPI_H
#define BRIMSTAR_SDK_ORBITERAPI_H

#include "windows_subset.h"

#include <cstddef>
#include <cstdint>

#if defined(_WIN32)
#if defined(BRIMSTAR_HOST_BUILD)
#define OAPIFUNC __declspec(dllexport)
#else
#define OAPIFUNC __declspec(dllimport)
#endif
#define DLLCLBK extern "C" __declspec(dllexport)
#else
#define OAPIFUNC __attribute__((visibility("default")))
#define DLLCLBK extern "C" __attribute__((visibility("default")))
#endif

/* As the host declares them: an array and named members over the same
 * doubles, so that a brace list initialises the array and needs its own
 * braces. */
union VECTOR3 {
    double data[3];
    struct {
        double x, y, z;
    };
};

inline VECTOR3 _V(double x, double y, double z)
{
    VECTOR3 v;
    v.x = x;
    v.y = y;
    v.z = z;
    return v;
}

union MATRIX3 {
    double data[9];  // row by row
    struct {
        double m11, m12, m13;
        double m21, m22, m23;
        double m31, m32, m33;
    };
};

struct COLOUR4 {
    float r, g, b, a;
};

struct MATERIAL {
    COLOUR4 diffuse, ambient, specular, emissive;
    float power;
};

struct ATMCONST {
    double p0, rho0, R, gamma, C, O2pp, altlimit, radlimit, horizonalt;
    VECTOR3 color0;
};

typedef void* OBJHANDLE;
typedef void* MESHHANDLE;
typedef int* DEVMESHHANDLE;
typedef void* SURFHANDLE;
typedef void* FILEHANDLE;
typedef void* VISHANDLE;
typedef void* NOTEHANDLE;
typedef void* THRUSTER_HANDLE;
typedef void* THGROUP_HANDLE;
typedef void* PROPELLANT_HANDLE;

typedef std::intptr_t OAPI_MSGTYPE;

/* Message code the host sends to an MFD mode's procedure when a display opens. */
const UINT OAPI_MSG_MFD_OPENED = 1;

/* Results of oapiGetObjectType. */
const int OBJTP_INVALID = 0;
const int OBJTP_PLANET = 4;
const int OBJTP_VESSEL = 10;

/* Result of oapiCameraMode: an external camera that follows its target. */
const int CAM_TARGETRELATIVE = 1;

/* Result of oapiCockpitMode: the generic cockpit. */
const int COCKPIT_GENERIC = 1;

enum THGROUP_TYPE {
    THGROUP_MAIN = 0,
    THGROUP_RETRO,
    THGROUP_HOVER,
    THGROUP_ATT_PITCHUP,
    THGROUP_ATT_PITCHDOWN,
    THGROUP_ATT_YAWLEFT,
    THGROUP_ATT_YAWRIGHT,
    THGROUP_ATT_BANKLEFT,
    THGROUP_ATT_BANKRIGHT,
    THGROUP_ATT_RIGHT,
    THGROUP_ATT_LEFT,
    THGROUP_ATT_UP,
    THGROUP_ATT_DOWN,
    THGROUP_ATT_FORWARD,
    THGROUP_ATT_BACK,
    THGROUP_USER = 0x40
};

enum AIRCTRL_TYPE {
    AIRCTRL_ELEVATOR = 0,
    AIRCTRL_RUDDER,
    AIRCTRL_AILERON,
    AIRCTRL_FLAP,
    AIRCTRL_ELEVATORTRIM,
    AIRCTRL_RUDDERTRIM
};

/* Extended vessel state, version 2. The field order is the host's; with 4-byte
 * handles the record is 176 bytes and the offsets are those of the host's 32-bit
 * interface. */
struct VESSELSTATUS2 {
    DWORD version;      // always 2
    DWORD flag;
    OBJHANDLE rbody;    // reference body of rpos and rvel
    OBJHANDLE base;
    int port;
    int status;         // 0 free flight, 1 landed
    VECTOR3 rpos;
    VECTOR3 rvel;
    VECTOR3 vrot;       // angular velocity
    VECTOR3 arot;       // orientation angles
    double surf_lng;
    double surf_lat;
    double surf_hdg;
    DWORD nfuel;
    void* fuel;
    DWORD nthruster;
    void* thruster;
    DWORD ndockinfo;
    void* dockinfo;
    DWORD xpdr;
};

/* Checked wherever handles are 4 bytes, so that a 32-bit build of the module
 * fits the host's 32-bit interface. */
constexpr bool HasHostStateLayout32()
{
    return sizeof(VESSELSTATUS2) == 176 && offsetof(VESSELSTATUS2, version) == 0 &&
           offsetof(VESSELSTATUS2, flag) == 4 && offsetof(VESSELSTATUS2, rbody) == 8 &&
           offsetof(VESSELSTATUS2, base) == 12 && offsetof(VESSELSTATUS2, port) == 16 &&
           offsetof(VESSELSTATUS2, status) == 20 && offsetof(VESSELSTATUS2, rpos) == 24 &&
           offsetof(VESSELSTATUS2, rvel) == 48 && offsetof(VESSELSTATUS2, vrot) == 72 &&
           offsetof(VESSELSTATUS2, arot) == 96 && offsetof(VESSELSTATUS2, surf_lng) == 120 &&
           offsetof(VESSELSTATUS2, surf_lat) == 128 && offsetof(VESSELSTATUS2, surf_hdg) == 136;
}
static_assert(sizeof(void*) != 4 || HasHostStateLayout32(),
              "the 32-bit host interface has a 176-byte state record with the host's offsets");

/* The host's version 1 vessel state. */
struct VESSELSTATUS {
    VECTOR3 rpos, rvel;
    VECTOR3 vrot;       // angular velocity
    VECTOR3 arot;       // orientation angles
    double fuel, eng_main, eng_hovr;
    OBJHANDLE rbody, base;
    int port;
    int status;
    VECTOR3 vdata[10];
    double fdata[10];
    DWORD flag[10];
};

struct MFDMODESPEC {
    char* name;
    DWORD key;
    OAPI_MSGTYPE (*msgproc)(UINT msg, UINT mfd, WPARAM wparam, LPARAM lparam);
};

/* Packed as the host reads an array of them: 9 bytes (32-bit), 17 (64-bit). */
#pragma pack(push, 1)
struct MFDBUTTONMENU {
    const char* line1;
    const char* line2;
    char selchar;
};
#pragma pack(pop)
static_assert(sizeof(MFDBUTTONMENU) == 2 * sizeof(void*) + 1, "the host's packed button menu");

struct HUDPAINTSPEC {
    int W, H, CX, CY;
    double Scale;
    int Markersize;
};

/* Which surface an altitude is measured above. */
enum AltitudeMode { ALTMODE_MEANRAD, ALTMODE_GROUND };

class VESSEL;

/* MFD modes and input */
OAPIFUNC int oapiRegisterMFDMode(MFDMODESPEC& modeSpec);
OAPIFUNC bool oapiUnregisterMFDMode(int mode);
OAPIFUNC void oapiOpenInputBox(char* title, bool (*Clbk)(void*, char*, void*), char* buf = 0, int vislen = 20,
                               void* usrdata = 0);

/* Objects and vessels */
OAPIFUNC VESSEL* oapiGetFocusInterface();
OAPIFUNC VESSEL* oapiGetVesselInterface(OBJHANDLE vessel);
OAPIFUNC DWORD oapiGetVesselCount();
OAPIFUNC OBJHANDLE oapiGetVesselByIndex(int index);
OAPIFUNC OBJHANDLE oapiGetVesselByName(char* name);
OAPIFUNC bool oapiIsVessel(OBJHANDLE object);
OAPIFUNC void oapiGetObjectName(OBJHANDLE object, char* name, int n);
OAPIFUNC OBJHANDLE oapiCreateVesselEx(const char* name, const char* classname, const void* status);
OAPIFUNC bool oapiDeleteVessel(OBJHANDLE vessel, OBJHANDLE alternativeCameraTarget = 0);
OAPIFUNC DWORD oapiGetObjectCount();
OAPIFUNC OBJHANDLE oapiGetObjectByIndex(int index);
OAPIFUNC OBJHANDLE oapiGetObjectByName(char* name);
OAPIFUNC int oapiGetObjectType(OBJHANDLE object);
OAPIFUNC OBJHANDLE oapiGetFocusObject();
/* The previous focus, or null when the object cannot take the focus. */
OAPIFUNC OBJHANDLE oapiSetFocusObject(OBJHANDLE object);
OAPIFUNC double oapiGetSize(OBJHANDLE object);
OAPIFUNC double oapiGetMass(OBJHANDLE object);
OAPIFUNC double oapiGetEmptyMass(OBJHANDLE object);
OAPIFUNC void oapiGetRotationMatrix(OBJHANDLE object, MATRIX3* mat);

/* Flight data of a vessel or of the focus vessel: 1 on success, 0 when
 * there is no such vessel (or no planet to measure against). */
OAPIFUNC BOOL oapiGetAltitude(OBJHANDLE vessel, double* alt);
OAPIFUNC BOOL oapiGetAltitude(OBJHANDLE vessel, AltitudeMode mode, double* alt);
OAPIFUNC int oapiGetFocusAltitude(double* alt);
OAPIFUNC int oapiGetHeading(OBJHANDLE vessel, double* heading);
OAPIFUNC int oapiGetFocusHeading(double* heading);
OAPIFUNC int oapiGetEquPos(OBJHANDLE vessel, double* longitude, double* latitude, double* radius);
OAPIFUNC int oapiGetFocusEquPos(double* longitude, double* latitude, double* radius);
OAPIFUNC int oapiGetShipAirspeedVector(OBJHANDLE vessel, VECTOR3* speedvec);
OAPIFUNC int oapiGetFocusAirspeed(double* airspeed);
OAPIFUNC int oapiGetFocusShipAirspeedVector(VECTOR3* speedvec);

/* Celestial bodies */
OAPIFUNC OBJHANDLE oapiGetGbodyByIndex(int index);
OAPIFUNC OBJHANDLE oapiGetGbodyByName(char* name);
OAPIFUNC void oapiGetGlobalPos(OBJHANDLE object, VECTOR3* pos);
OAPIFUNC void oapiGetGlobalVel(OBJHANDLE object, VECTOR3* vel);
OAPIFUNC double oapiGetPlanetObliquity(OBJHANDLE planet);
OAPIFUNC double oapiGetPlanetTheta(OBJHANDLE planet);
OAPIFUNC double oapiGetPlanetCurrentRotation(OBJHANDLE planet);
OAPIFUNC bool oapiPlanetHasAtmosphere(OBJHANDLE planet);
/* Null for a planet without atmosphere. */
OAPIFUNC const ATMCONST* oapiGetPlanetAtmConstants(OBJHANDLE planet);
OAPIFUNC DWORD oapiGetBaseCount(OBJHANDLE planet);
OAPIFUNC OBJHANDLE oapiGetBaseByIndex(OBJHANDLE planet, int index);

/* Simulation time and the session */
OAPIFUNC double oapiGetSimTime();
OAPIFUNC double oapiGetSimMJD();
OAPIFUNC double oapiGetTimeAcceleration();
OAPIFUNC void oapiSetTimeAcceleration(double warp);
OAPIFUNC bool oapiGetPause();
/* Saves the running simulation as "Scenarios\<fname>.scn". */
OAPIFUNC bool oapiSaveScenario(const char* fname, const char* desc);

/* Camera */
OAPIFUNC bool oapiCameraInternal();
OAPIFUNC int oapiCameraMode();
OAPIFUNC int oapiCockpitMode();
OAPIFUNC OBJHANDLE oapiCameraTarget();
OAPIFUNC double oapiCameraTargetDist();
/* Half the vertical field of view, rad */
OAPIFUNC double oapiCameraAperture();
OAPIFUNC void oapiCameraGlobalPos(VECTOR3* gpos);
OAPIFUNC void oapiCameraGlobalDir(VECTOR3* gdir);
OAPIFUNC void oapiCameraScaleDist(double scale);

/* Meshes, textures and drawing surfaces */
OAPIFUNC MESHHANDLE oapiLoadMeshGlobal(const char* name);
/* The same, calling back with the mesh and whether it was loaded now. */
typedef void (*LoadMeshClbkFunc)(MESHHANDLE hMesh, bool firstload);
OAPIFUNC MESHHANDLE oapiLoadMeshGlobal(const char* name, LoadMeshClbkFunc fClbk);
OAPIFUNC void oapiDeleteMesh(MESHHANDLE mesh);
OAPIFUNC DWORD oapiMeshGroupCount(MESHHANDLE mesh);
/* Materials count from 0; null past the last. */
OAPIFUNC MATERIAL* oapiMeshMaterial(MESHHANDLE mesh, DWORD idx);
/* A graphics client's mesh: the material copied out; 0 on success. */
OAPIFUNC int oapiMeshMaterial(DEVMESHHANDLE mesh, DWORD idx, MATERIAL* mat);
/* Textures count from 1; null for 0 and past the last. */
OAPIFUNC SURFHANDLE oapiGetTextureHandle(MESHHANDLE mesh, DWORD texidx);
OAPIFUNC SURFHANDLE oapiCreateTextureSurface(int width, int height);
OAPIFUNC HDC oapiGetDC(SURFHANDLE surf);
OAPIFUNC void oapiReleaseDC(SURFHANDLE surf, HDC hDC);

/* Annotations: text shown over the simulation's view */
OAPIFUNC NOTEHANDLE oapiCreateAnnotation(bool exclusive, double size, const VECTOR3& col);
OAPIFUNC bool oapiDelAnnotation(NOTEHANDLE note);
/* The text's box, in fractions of the view's width and height */
OAPIFUNC void oapiAnnotationSetPos(NOTEHANDLE note, double x1, double y1, double x2, double y2);
OAPIFUNC void oapiAnnotationSetText(NOTEHANDLE note, char* text);

/* Scenarios */
OAPIFUNC bool oapiReadScenario_nextline(FILEHANDLE scn, char*& line);
OAPIFUNC void oapiWriteScenario_string(FILEHANDLE scn, char* item, char* string);

/* Debug line */
OAPIFUNC char* oapiDebugString();
/* Replaces the debug line with the text. */
OAPIFUNC void oapiDebugString(const char* text);

#endif
