/* Creating, deleting and focusing vessels. A vessel's class file names the
 * module that implements it, found at "modules\" + the name + ".dll", taken
 * literally. A class without a module, whose module is missing, or whose
 * module makes no object, gets a bare VESSEL of the host's own, with no
 * callbacks; a class without a file ends the run, as it ends the host. */
#include "emulator/host/host.h"

#include "emulator/host/files/class_file.h"
#include "emulator/host/motion/frame_math.h"

#include <algorithm>
#include <cstring>
#include <memory>
#include <unordered_set>

namespace emu {

namespace {

/* A plain vessel's size and mass from its class file; false with why when
 * the file gives one that is no positive number. */
bool ApplyGenericClass(const ClassFile& cls, VesselRecord& v, std::string& error)
{
    return cls.positiveNumber("Size", v.size, error) && cls.positiveNumber("Mass", v.details->emptyMass, error);
}

}  // namespace

OBJHANDLE Host::createVessel(const char* name, const char* className, const VESSELSTATUS2& state)
{
    calls_.record("oapiCreateVesselEx", name, className);
    std::memcpy(&lastCreationRecord_, &state, sizeof state);
    creationRefusal_.clear();
    if (refuseCreation_ || !name || !*name || !className)
        return nullptr;
    return makeVessel(name, className, [&state](VESSEL* vessel, VESSEL2* callbacks) {
        if (callbacks)
            callbacks->clbkSetStateEx(&state);
        else
            vessel->DefSetStateEx(&state);
    });
}

OBJHANDLE Host::createVesselAt(const std::string& name, const std::string& className, const VECTOR3& pos,
                               const VECTOR3& vel)
{
    VESSELSTATUS2 state{};
    state.version = 2;
    if (Body* planet = world_.bodyByIndex(0))
        state.rbody = planet->handle;
    state.rpos = pos;
    state.rvel = vel;
    return createVessel(name.c_str(), className.c_str(), state);
}

OBJHANDLE Host::loadVessel(ScenarioFile& file, const std::string& name, const std::string& className)
{
    return makeVessel(name, className, [this, &file](VESSEL* vessel, VESSEL2* callbacks) {
        VESSELSTATUS2 state{};
        state.version = 2;
        if (Body* planet = world_.bodyByIndex(0))
            state.rbody = planet->handle;
        // A vessel read from a file starts with its tanks empty: only its
        // PRPLEVEL line fills them.
        VesselRecord* v = world_.vessel(vessel->GetHandle());
        for (Propellant& tank : v->details->propellants)
            tank.mass = 0.0;
        UpdateMass(*v);
        // The host applies a loaded state with its own setter, not the
        // vessel's clbkSetStateEx.
        if (callbacks) {
            callbacks->clbkLoadStateEx(file.handle(), &state);
        } else {
            char* line;
            while (oapiReadScenario_nextline(file.handle(), line))
                vessel->ParseScenarioLineEx(line, &state);
        }
        vessel->DefSetStateEx(&state);
    }, false);
}

OBJHANDLE Host::makeVessel(const std::string& name, const std::string& className, const StateSetter& setState,
                           bool postCreation)
{
    creationRefusal_.clear();
    std::shared_ptr<const ClassFile> classFile = classFiles_.read(className);
    const ClassFile& cls = *classFile;
    if (!cls.found) {
        fail("oapiCreateVesselEx", "no class file " + cls.path + " for the vessel " + name);
        return nullptr;
    }
    if (!cls.problem.empty()) {
        creationRefusal_ = cls.problem;
        calls_.record("oapiCreateVesselEx", name, "refused: " + creationRefusal_);
        return nullptr;
    }
    ModuleInstance* module = nullptr;
    if (std::string path = cls.value("Module"); !path.empty()) {
        module = modules_.load(path);
        if (!module)
            calls_.record("LoadModule", ModuleRegistry::LibraryPath(path), "missing: a bare vessel for " + name);
    }

    VesselRecord record;
    record.details->name = name;
    record.className = world_.className(className);
    if (!module && !ApplyGenericClass(cls, record, creationRefusal_)) {
        calls_.record("oapiCreateVesselEx", name, "refused: " + creationRefusal_);
        return nullptr;
    }
    UpdateMass(record);
    OBJHANDLE handle = world_.addVessel(std::move(record));
    if (!handle) {
        creationRefusal_ = "the world holds as many vessels as it can";
        calls_.record("oapiCreateVesselEx", name, "refused: " + creationRefusal_);
        if (module)
            modules_.release(*module);
        return nullptr;
    }
    VesselRecord* v = world_.vessel(handle);

    v->details->module = module;
    if (module && module->ovcInit)
        v->iface = module->ovcInit(handle, 1);
    if (!v->iface) {
        v->details->ownObject = ownVessels_.insert(VESSEL(handle, 1));
        v->iface = ownVessels_.find(v->details->ownObject);
    }
    if (!v->iface) {
        world_.removeVessel(handle);
        if (module)
            modules_.release(*module);
        return nullptr;
    }
    // The interface version tells a module's VESSEL2 from a bare VESSEL.
    world_.setCallbacks(*v, v->iface->Version() >= 1 ? static_cast<VESSEL2*>(v->iface) : nullptr);
    if (v->callbacks)
        v->callbacks->clbkSetClassCaps(const_cast<ClassFile*>(&cls));
    setState(v->iface, v->callbacks);
    proxies_.placed(*v);
    if (postCreation && v->callbacks)
        v->callbacks->clbkPostCreation();
    if (!world_.focus)
        world_.focus = handle;
    observer_->vesselCreated(*v);
    return handle;
}

bool Host::requestDeletion(OBJHANDLE vessel)
{
    VesselRecord* v = world_.vessel(vessel);
    if (!v) {
        calls_.record("oapiDeleteVessel", std::string("invalid"));
        return false;
    }
    // The simulator does not survive losing its last vessel; this host
    // refuses instead, and says so, so that a module that asks is seen.
    int staying = int(world_.vesselCount()) - pendingDeletions_ - (v->deletePending ? 0 : 1);
    if (staying == 0) {
        calls_.record("oapiDeleteVessel", v->details->name, "refused: the last vessel");
        return false;
    }
    calls_.record("oapiDeleteVessel", v->details->name);
    if (!v->deletePending)
        deletionRequests_.push_back(vessel);
    pendingDeletions_ += !v->deletePending;
    v->deletePending = true;
    return true;
}

void Host::processDeletions()
{
    if (pendingDeletions_ == 0)
        return;
    // From the list's end to its start, as the host goes, whatever order
    // the requests came in: a gap is then only ever filled by a vessel that
    // stays. A request whose vessel went another way since finds nothing.
    std::vector<OBJHANDLE> doomed;
    doomed.swap(deletionRequests_);
    auto gone = [this](OBJHANDLE h) { return !world_.vessel(h); };
    doomed.erase(std::remove_if(doomed.begin(), doomed.end(), gone), doomed.end());
    std::sort(doomed.begin(), doomed.end(), [this](OBJHANDLE a, OBJHANDLE b) {
        return world_.vessel(a)->details->orderIndex > world_.vessel(b)->details->orderIndex;
    });
    // The vessels placed since the host last looked find their proxies
    // while the doomed are still there to be found.
    proxies_.settlePlacements(world_);
    for (OBJHANDLE h : doomed)
        deleteNow(h);
    proxies_.departed(world_, std::unordered_set<OBJHANDLE>(doomed.begin(), doomed.end()));
}

void Host::deleteNow(OBJHANDLE vessel)
{
    VesselRecord* v = world_.vessel(vessel);
    if (!v)
        return;
    // The focus, and with it the displays, goes first to its heir; with
    // none left, the displays close.
    if (world_.focus == vessel)
        setFocus(focusHeir(*v));
    for (const auto& m : modules_.modules())
        if (m->opcDeleteVessel)
            m->opcDeleteVessel(vessel);
    mfds_.closeAllOn(vessel);
    observer_->vesselDeleted(*v);
    pendingDeletions_ -= v->deletePending;
    std::optional<VesselRecord> record = world_.removeVessel(vessel);
    // The object goes after its record, so that it can no longer be found
    // while its destructor runs.
    // A module is handed back every object of its classes, also the bare one
    // the host made when the module made none; that one the host deletes.
    if (record->details->module && record->details->module->ovcExit)
        record->details->module->ovcExit(record->iface);
    if (record->details->ownObject)
        ownVessels_.erase(record->details->ownObject);
    // The vessel's load of its module goes with it, after its ovcExit.
    if (record->details->module)
        modules_.release(*record->details->module);
}

OBJHANDLE Host::focusHeir(const VesselRecord& leaving)
{
    VesselRecord* proxy = ProxyWatch::proxyOf(world_, leaving);
    return proxy && !proxy->deletePending ? proxy->handle : nearestStaying(leaving);
}

OBJHANDLE Host::nearestStaying(const VesselRecord& leaving) const
{
    OBJHANDLE nearest = nullptr;
    double best = 0.0;
    for (OBJHANDLE h : world_.vessels()) {
        const VesselRecord* v = world_.vessel(h);
        if (h == leaving.handle || v->deletePending)
            continue;
        double d = length(v->pos - leaving.pos);
        if (!nearest || d < best) {
            nearest = h;
            best = d;
        }
    }
    return nearest;
}

void Host::setFocus(OBJHANDLE vessel)
{
    VesselRecord* next = world_.vessel(vessel);
    if (!next || world_.focus == vessel)
        return;
    OBJHANDLE previous = world_.focus;
    world_.focus = vessel;
    if (VesselRecord* old = world_.vessel(previous); old && old->callbacks)
        old->callbacks->clbkFocusChanged(false, vessel, previous);
    if (next->callbacks)
        next->callbacks->clbkFocusChanged(true, vessel, previous);
    mfds_.follow(vessel, next->iface);
}

VESSEL* Host::focusInterface()
{
    VesselRecord* v = world_.vessel(world_.focus);
    return v ? v->iface : nullptr;
}

}  // namespace emu
