/* The emulated host: a headless stand-in for the simulator that implements
 * the host API, so a module runs, and is tested, without the simulator.
 *
 * One Host is current at a time; the oapi functions act on it. It works in
 * its root folder, laid out as the simulator's ("config\vessels", "meshes",
 * "modules"), and makes it the working directory while it lives, since
 * modules write their files relative to it.
 *
 * A step: plug-in pre-steps, each vessel's pre-step, integration of forces,
 * the ground's hold on the vessels (surface_contact.h), each vessel's
 * post-step, plug-in post-steps, then the deletions requested during the
 * step. A vessel created during the pre-steps takes part in the rest of the
 * step, one created during the post-steps gets a post-step, one created in
 * a plug-in's post-step joins from the next step.
 * While paused, or once the run has ended, a step does nothing.
 *
 * The run ends when a library asks for the process to end (ExitProcess):
 * at once, with nothing saved. The modules stay loaded until the host shuts
 * down, since the library that asked is still running.
 */
#ifndef BRIMSTAR_EMULATOR_HOST_HOST_H
#define BRIMSTAR_EMULATOR_HOST_HOST_H

#include "emulator/host/session/annotation.h"
#include "emulator/host/session/call_log.h"
#include "emulator/host/world/camera.h"
#include "emulator/host/world/handle_table.h"
#include "emulator/host/world/proxy_watch.h"
#include "emulator/host/world/surface_contact.h"
#include "emulator/host/session/host_observer.h"
#include "emulator/host/session/input_box.h"
#include "emulator/host/files/class_file_cache.h"
#include "emulator/host/files/mesh_library.h"
#include "emulator/host/session/mfd_host.h"
#include "emulator/host/session/module_registry.h"
#include "emulator/host/files/scenario_file.h"
#include "emulator/host/session/surface.h"
#include "emulator/host/world/world.h"

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

namespace emu {

struct ScenarioPlan;  // what a host scenario file holds, checked whole

class Host {
public:
    explicit Host(const std::filesystem::path& root);
    ~Host();
    Host(const Host&) = delete;
    Host& operator=(const Host&) = delete;

    static Host* current();

    World& world() { return world_; }
    MfdHost& mfds() { return mfds_; }
    InputBox& inputBox() { return inputBox_; }
    ModuleRegistry& modules() { return modules_; }
    CallLog& calls() { return calls_; }
    MeshLibrary& meshes() { return meshes_; }
    Camera& camera() { return camera_; }
    HandleTable<Annotation>& annotations() { return annotations_; }
    HandleTable<Surface>& surfaces() { return surfaces_; }
    const std::filesystem::path& root() const { return root_; }

    void setObserver(HostObserver* observer) { observer_ = observer ? observer : &silent_; }
    HostObserver& observer() { return *observer_; }
    bool observed() const { return observer_ != &silent_; }

    /* The debug line's capacity, zero included, as the host documents it */
    static constexpr int debugLineSize = 256;

    /* The debug line that modules write into through oapiDebugString */
    char* debugString() { return debugLine_; }
    std::string debugLine() const { return debugLine_; }
    /* Tells the observer when the debug line has changed since last asked */
    void noticeDebugLine();

    /* The latest message boxes, at most keptMessageBoxes of them: a module
     * may show one a step for as long as a flight lasts. The observer hears
     * every one. */
    const std::vector<MessageBoxRecord>& messageBoxes() const { return messageBoxes_; }
    /* Every message box shown, kept or not. */
    unsigned long long messageBoxCount() const { return messageBoxCount_; }
    static constexpr size_t keptMessageBoxes = 16;

    /* Loads the module as an active plug-in, as the launchpad's list does:
     * it then hears the plug-in callbacks. Null when it cannot be loaded. */
    ModuleInstance* loadPlugin(const std::string& modulePath);

    /* Creates a vessel through its class file; null when refused. */
    OBJHANDLE createVessel(const char* name, const char* className, const VESSELSTATUS2& state);
    /* The same, in free flight at a position and velocity relative to body 0,
     * as a scenario places its vessels. */
    OBJHANDLE createVesselAt(const std::string& name, const std::string& className, const VECTOR3& pos,
                             const VECTOR3& vel = {0, 0, 0});
    void refuseVesselCreation(bool refuse) { refuseCreation_ = refuse; }
    const VESSELSTATUS2& lastCreationRecord() const { return lastCreationRecord_; }
    /* Why the last creation that a class file spoilt was refused, or "" */
    const std::string& creationRefusal() const { return creationRefusal_; }

    /* The vessel goes after the step. (The host's second argument only
     * moves the camera, which here always follows the focus.) */
    bool requestDeletion(OBJHANDLE vessel);
    void processDeletions();
    void setFocus(OBJHANDLE vessel);
    VESSEL* focusInterface();

    void step(double dt);
    /* The host's time jump: from now on the session's clock reads
     * `sessionTime` (backwards too, even below 0) and the date moves with
     * it. Landed vessels stay where they stand on the turned planet.
     * Refused during a step and for a time that is no number. */
    bool jumpTime(double sessionTime);
    /* The session's clock as modules read it: during a step, its start. */
    double simTime() const { return stepping_ ? stepStart_ : world_.sessionTime(); }

    /* The vessel whose callback is running now, or null. */
    VesselRecord* actingVessel() { return world_.vessel(actingVessel_); }

    /* Time acceleration is the pilot's: the step length stays the driver's. */
    double timeAcceleration() const { return timeAcceleration_; }
    void setTimeAcceleration(double warp);
    bool paused() const { return paused_; }
    void setPaused(bool paused) { paused_ = paused; }

    void endRun();
    bool runEnded() const { return runEnded_; }

    /* What the real host would not survive: a call with a handle that names
     * no live vessel (a crash there), a vessel of a class without a file (an
     * error, then the end). Recorded as "call: why"; the run ends. */
    void fail(const std::string& call, const std::string& why);
    const std::vector<std::string>& faults() const { return faults_; }

    /* The real host takes a handle for its object's address and checks
     * nothing: a handle that names no live object is a fault of the call
     * here, where there it would be a crash. The vessel, or null. */
    VesselRecord* liveVessel(const void* handle, const char* call);
    /* The same for a call that takes a vessel or a body. */
    bool liveObject(const void* handle, const char* call);

    /* Displays belong to the vessel in focus: opening one on another vessel
     * moves the focus there first, as a pilot switches to the vessel whose
     * displays to use. The display's id, or -1. */
    int openMfd(const std::string& mode, OBJHANDLE vessel, int width, int height);

    /* The scenario file being written or read, by its handle; null for any
     * other handle, as a file lives only while the host uses it. */
    ScenarioFile* scenarioFile(FILEHANDLE scn) const
    {
        return scn && scn == openScenario_ ? openScenario_ : nullptr;
    }

    /* The scenario file being read, or null */
    ScenarioFile* readingScenario() const { return openScenario_; }

    /* Writes the world to the file; false with the reason once the run has
     * ended, when a value cannot be written faithfully, or when the file
     * cannot be written. */
    bool saveScenario(const std::filesystem::path& file, std::string& error, const std::string& description = "");
    /* Replaces the world with the file's, or, false with the file, the line
     * and the reason, leaves the world as it was. */
    bool loadScenario(const std::filesystem::path& file, std::string& error);

    /* A session is one scenario's run: it starts with the clock the modules
     * see at 0, and ends with every display closed and every vessel deleted.
     * The plug-ins stay loaded from one session to the next; a module
     * loaded by its vessels alone goes with the last of them. */
    void startSession();
    void endSession();

    /* Ends the session and unloads every module. */
    void shutdown();

private:
    using StateSetter = std::function<void(VESSEL* vessel, VESSEL2* callbacks)>;

    static constexpr DWORD viewportWidth = 1024, viewportHeight = 768;

    static void RecordPlatformCall(const char* function, const char* text, const char* detail, void* host);
    /* A scenario's vessels get clbkPostCreation once all of them are made. */
    OBJHANDLE makeVessel(const std::string& name, const std::string& className, const StateSetter& setState,
                         bool postCreation = true);
    OBJHANDLE loadVessel(ScenarioFile& file, const std::string& name, const std::string& className);
    bool checkScenario(ScenarioFile& file, ScenarioPlan& plan, std::string& why);
    bool buildScenario(ScenarioFile& file, const ScenarioPlan& plan, std::string& why);
    void deleteNow(OBJHANDLE vessel);
    /* Where the focus goes when its vessel leaves: its proxy, unless that
     * is going too; else the nearest vessel that stays; else nowhere. */
    OBJHANDLE focusHeir(const VesselRecord& leaving);
    /* The vessel nearest the one leaving that is not going too, or null */
    OBJHANDLE nearestStaying(const VesselRecord& leaving) const;

    std::filesystem::path root_;
    std::filesystem::path previousDirectory_;
    World world_;
    ProxyWatch proxies_;
    SurfaceContact ground_;
    MfdHost mfds_;
    InputBox inputBox_;
    ModuleRegistry modules_;
    CallLog calls_;
    MeshLibrary meshes_;
    ClassFileCache classFiles_;
    Camera camera_;
    HandleTable<Annotation> annotations_;
    HandleTable<Surface> surfaces_;
    // The host's own vessel objects, one after another like their records,
    // so that a step calling each vessel does not wander the heap.
    HandleTable<VESSEL> ownVessels_;
    HostObserver silent_;
    HostObserver* observer_ = &silent_;
    char debugLine_[debugLineSize] = {};
    std::string lastNoticedDebugLine_;
    std::vector<MessageBoxRecord> messageBoxes_;
    unsigned long long messageBoxCount_ = 0;
    OBJHANDLE actingVessel_ = nullptr;
    /* Vessels asked to go and not yet gone: the deletion pass runs only
     * when there are some. */
    int pendingDeletions_ = 0;
    std::vector<OBJHANDLE> deletionRequests_;  // in the order asked, each once
    bool refuseCreation_ = false;
    VESSELSTATUS2 lastCreationRecord_{};
    std::string creationRefusal_;
    bool shutDown_ = false;
    double timeAcceleration_ = 1.0;
    bool paused_ = false;
    bool runEnded_ = false;
    bool stepping_ = false;
    double stepStart_ = 0.0;
    std::vector<std::string> faults_;
    ScenarioFile* openScenario_ = nullptr;
};

}  // namespace emu

#endif
