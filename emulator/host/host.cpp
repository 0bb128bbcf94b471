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
    FaultReport report = [this](const std::string& call, const std::string& why) { fail(call, why); };
    mfds_.setFaultReport(report);
    inputBox_.setFaultReport(report);
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
        if (host->messageBoxes_.size() >= keptMessageBoxes)
            host->messageBoxes_.erase(host->messageBoxes_.begin());
        host->messageBoxes_.push_back(box);
        ++host->messageBoxCount_;
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

VesselRecord* Host::liveVessel(const void* handle, const char* call)
{
    VesselRecord* v = world_.vessel(handle);
    if (!v)
        fail(call, handle ? "the handle names no live vessel" : "the handle is null");
    return v;
}

bool Host::liveObject(const void* handle, const char* call)
{
    if (world_.vessel(handle) || world_.body(handle))
        return true;
    fail(call, handle ? "the handle names no live object" : "the handle is null");
    return false;
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
    return modules_.loadPlugin(modulePath);
}

void Host::step(double dt)
{
    if (paused_ || runEnded_)
        return;
    // Pre-steps see the time and date at the step's start, post-steps those
    // at its end, and modules asking see the start throughout the step.
    double t0 = world_.sessionTime(), mjd0 = world_.mjd();
    stepping_ = true;
    classFiles_.newStep();
    stepStart_ = t0;
    for (const auto& m : modules_.modules())
        if (m->opcPreStep)
            m->opcPreStep(t0, dt, mjd0);
    // Deletions wait for the step's end, so the list only grows while the
    // vessels are called: re-reading its length, as the host does, calls a
    // vessel made by an earlier one in the same pass.
    for (size_t i = 0; i < world_.vesselCount(); ++i)
        if (VESSEL2* callbacks = world_.callbacksAt(i)) {
            actingVessel_ = world_.vessels()[i];
            callbacks->clbkPreStep(t0, dt, mjd0);
        }
    actingVessel_ = nullptr;
    proxies_.beforeIntegration(world_);
    ground_.startStep(world_, dt);
    world_.integrate(world_.vessels(), dt, &ground_);
    double end = world_.simt + dt;
    double t1 = world_.sessionTimeAt(end), mjd1 = world_.mjdAt(end);
    for (size_t i = 0; i < world_.vesselCount(); ++i)
        if (VESSEL2* callbacks = world_.callbacksAt(i)) {
            actingVessel_ = world_.vessels()[i];
            callbacks->clbkPostStep(t1, dt, mjd1);
        }
    actingVessel_ = nullptr;
    for (const auto& m : modules_.modules())
        if (m->opcPostStep)
            m->opcPostStep(t1, dt, mjd1);
    stepping_ = false;
    // The new states and the clock, which the post-steps did not see yet.
    world_.applyIntegration();
    for (const Touchdown& touchdown : ground_.endStep(world_, dt))
        observer_->touchedDown(*world_.vessel(touchdown.vessel), touchdown);
    observer_->forcesIntegrated();
    processDeletions();
    proxies_.afterStep(world_, dt);
    noticeDebugLine();
}

bool Host::jumpTime(double sessionTime)
{
    double from = world_.simt, to = world_.sessionStart + sessionTime;
    if (stepping_ || runEnded_ || !std::isfinite(to))
        return false;
    world_.simt = to;
    if (const Body* planet = world_.bodyByIndex(0))
        for (OBJHANDLE h : world_.vessels())
            if (VesselRecord* v = world_.vessel(h); v->status == 1)
                CarryLanded(*planet, *v, planet->pos, from, to);
    observer_->timeJumped(from, to);
    return true;
}

int Host::openMfd(const std::string& mode, OBJHANDLE vessel, int width, int height)
{
    VesselRecord* v = world_.vessel(vessel);
    if (!v)
        return -1;
    setFocus(vessel);
    return mfds_.open(mode, vessel, v->iface, width, height);
}

void Host::startSession()
{
    world_.sessionStart = world_.simt;
    for (const auto& m : modules_.modules())
        if (m->opcOpenRenderViewport)
            m->opcOpenRenderViewport(nullptr, viewportWidth, viewportHeight, FALSE);
    observer_->sessionStarted();
}

void Host::endSession()
{
    classFiles_.newStep();
    observer_->sessionEnding();
    mfds_.closeAll();
    inputBox_.cancel();
    world_.focus = nullptr;  // nothing to hand it on to: every vessel goes
    proxies_.clear();
    while (!world_.vessels().empty())
        deleteNow(world_.vessels().back());
    for (const auto& m : modules_.modules())
        if (m->opcCloseRenderViewport)
            m->opcCloseRenderViewport();
}

void Host::shutdown()
{
    if (shutDown_)
        return;
    shutDown_ = true;
    endSession();
    modules_.unloadAll();
}

}  // namespace emu
