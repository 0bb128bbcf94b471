#include "emulator/host/held_notices.h"

namespace emu {

void HeldNotices::vesselCreated(const VesselRecord& v)
{
    OBJHANDLE handle = v.handle;
    held_.push_back([this, handle](HostObserver& to) {
        if (const VesselRecord* made = world_.vessel(handle))
            to.vesselCreated(*made);
    });
}

void HeldNotices::vesselDeleted(const VesselRecord&)
{
    // Only a vessel the load made and undid goes while it builds: its
    // creation, held, then finds nothing.
}

void HeldNotices::messageBox(const MessageBoxRecord& box)
{
    held_.push_back([box](HostObserver& to) { to.messageBox(box); });
}

void HeldNotices::debugLineChanged(const std::string& line)
{
    held_.push_back([line](HostObserver& to) { to.debugLineChanged(line); });
}

void HeldNotices::inputBoxOpened(const std::string& title)
{
    held_.push_back([title](HostObserver& to) { to.inputBoxOpened(title); });
}

void HeldNotices::release()
{
    for (const auto& notice : held_)
        notice(watcher_);
    held_.clear();
}

}  // namespace emu
