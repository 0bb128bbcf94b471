#include "emulator/host/host.h"

#include "emulator/windows/platform_sink.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace emu {

namespace {

Host* currentHost;

}  // namespace

Host::Host(const std::filesystem::path& root)
    : root_(std::filesystem::absolute(root)),
      annotations_(annotationHandles),
      surfaces_(surfaceHandles),
      ownVessels_(ownVesselHandles)
{
    previousDirectory_ = std::filesystem::current_path();
    std::filesystem::current_path(root_);
    currentHost = this;
    SetPlatformSink(&Host::RecordPlatformCall, this);
}

Host::~Host()
{
    shutdown();
    SetPlatformSink(nullptr, nullptr);
    currentHost = nullptr;
    std::error_code ignored;
    std::filesystem::current_path(previousDirectory_, ignored);
}

Host* Host::current()
{
    return currentHost;
}

void Host::RecordPlatformCall(const char* function, const char* text, const char* detail, void* context)
{
    auto* host = static_cast<Host*>(context);
    if (std::string(function) == "MessageBoxA") {
        MessageBoxRecord box{detail, text};
        host->messageBoxes_.push_back(box);
        host->observer_->messageBox(box);
    }
    host->calls_.record(function, text, detail);
    if (std::string(function) == "ExitProcess")
        host->endRun();
}

void Host::endRun()
{
    if (runEnded_)
        return;
    runEnded_ = true;
    observer_->runEnded();
}

void Host::fail(const std::string& call, const std::string& why)
{
    std::string fault = call + ": " + why;
    calls_.record("fault", fault);
    faults_.push_back(fault);
    observer_->fault(fault);
    endRun();
}

void Host::setTimeAcceleration(double warp)
{
    // The host's own range, from a tenth to ten thousand times real time.
    if (std::isfinite(warp) && warp > 0.0)
        timeAcceleration_ = std::clamp(warp, 0.1, 1e4);
}

void Host::noticeDebugLine()
{
    if (lastNoticedDebugLine_ == debugLine_)
        return;
    lastNoticedDebugLine_ = debugLine_;
    observer_->debugLineChanged(lastNoticedDebugLine_);
}

ModuleInstance* Host::loadPlugin(const std::string& modulePath)
{
    calls_.record("LoadPlugin", modulePath);
    return modules_.load(modulePath);
}

void Host::step(double dt)
{
    if (paused_ || runEnded_)
        return;
    double simt = world_.simt + dt;
    world_.simt = simt;
    double mjd = world_.mjd();
    for (const auto& m : modules_.modules())
        if (m->opcPreStep)
            m->opcPreStep(simt, dt, mjd);
    stepVessels_ = world_.vessels();
    for (OBJHANDLE h : stepVessels_)
        if (VesselRecord* v = world_.vessel(h); v && v->callbacks) {
            actingVessel_ = h;
            v->callbacks->clbkPreStep(simt, dt, mjd);
        }
    actingVessel_ = nullptr;
    world_.integrate(stepVessels_, dt);
    observer_->forcesIntegrated();
    for (OBJHANDLE h : stepVessels_)
        if (VesselRecord* v = world_.vessel(h); v && v->callbacks) {
            actingVessel_ = h;
            v->callbacks->clbkPostStep(simt, dt, mjd);
        }
    actingVessel_ = nullptr;
    for (const auto& m : modules_.modules())
        if (m->opcPostStep)
            m->opcPostStep(simt, dt, mjd);
    processDeletions();
    noticeDebugLine();
}

int Host::openMfd(const std::string& mode, OBJHANDLE vessel, int width, int height)
{
    VesselRecord* v = world_.vessel(vessel);
    if (!v)
        return -1;
    return mfds_.open(mode, vessel, v->iface, width, height);
}

void Host::shutdown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    mfds_.closeAll();
    inputBox_.cancel();
    while (!world_.vessels().empty())
        deleteNow(world_.vessels().back());
    modules_.unloadAll();
}

}  // namespace emu
