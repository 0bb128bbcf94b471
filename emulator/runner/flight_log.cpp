#include "flight_log.h"

#include "emulator/host/world/frame_math.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace runner {

namespace {

std::string Position(const emu::Host& host, const VECTOR3& global)
{
    emu::Body* planet = const_cast<emu::Host&>(host).world().bodyByIndex(0);
    VECTOR3 p = planet ? emu::operator-(global, planet->pos) : global;
    char text[96];
    std::snprintf(text, sizeof text, "(%.1f, %.1f, %.1f)", p.x, p.y, p.z);
    return text;
}

}  // namespace

std::ostream& FlightLog::line()
{
    char stamp[32];
    std::snprintf(stamp, sizeof stamp, "[%9.2f] ", host_.world().simt);
    return out_ << stamp;
}

void FlightLog::vesselCreated(const emu::VesselRecord& v)
{
    line() << "created " << v.name << " (" << v.className << ") at " << Position(host_, v.pos) << '\n';
}

void FlightLog::vesselDeleted(const emu::VesselRecord& v)
{
    line() << "deleted " << v.name << " at " << Position(host_, v.pos) << '\n';
}

void FlightLog::messageBox(const emu::MessageBoxRecord& box)
{
    line() << "message box \"" << box.caption << "\": " << box.text << '\n';
}

void FlightLog::debugLineChanged(const std::string& text)
{
    line() << "debug: " << text << '\n';
}

void FlightLog::inputBoxOpened(const std::string& title)
{
    line() << "input box: " << title << '\n';
}

void FlightLog::runEnded()
{
    line() << "the run ends here at a library's request, with nothing saved" << '\n';
}

FlightLog::Pushes& FlightLog::pushesOf(const emu::VesselRecord* source)
{
    OBJHANDLE handle = source ? source->handle : nullptr;
    // A blast pushes every vessel in a row, from one pusher.
    if (!pushes_.empty() && pushes_.back().source == handle)
        return pushes_.back();
    auto [known, added] = pusherIndex_.try_emplace(handle, pushes_.size());
    if (added)
        pushes_.push_back({handle, source ? source->name : std::string("(no vessel)")});
    return pushes_[known->second];
}

void FlightLog::forceAdded(const emu::VesselRecord& target, const VECTOR3& force, const emu::VesselRecord* source)
{
    Pushes& p = pushesOf(source);
    ++p.count;
    double magnitude = emu::length(force);
    if (magnitude < p.strongest)
        return;
    p.strongest = magnitude;
    p.target = target.name;
    p.distance = source ? emu::length(emu::operator-(target.pos, source->pos)) : 0.0;
}

void FlightLog::forcesIntegrated()
{
    std::stable_sort(pushes_.begin(), pushes_.end(), [](const Pushes& a, const Pushes& b) { return a.name < b.name; });
    for (const Pushes& p : pushes_) {
        char text[160];
        std::snprintf(text, sizeof text, " pushed %d vessel%s, strongest %.4g N on ", p.count,
                      p.count == 1 ? "" : "s", p.strongest);
        line() << p.name << text << p.target;
        if (p.distance > 0)
            out_ << " (" << std::lround(p.distance) << " m away)";
        out_ << '\n';
    }
    pushes_.clear();
    pusherIndex_.clear();
}

void FlightLog::note(const std::string& text)
{
    line() << text << '\n';
}

void FlightLog::failure(const std::string& text)
{
    ++failures_;
    line() << "FAILED: " << text << '\n';
}

void FlightLog::screen(const std::string& name, const emu::Screen& screen, int widthPixels)
{
    size_t width = size_t(std::max(20, widthPixels / 8));
    std::string title = " " + name + ": " + screen.lines.front() + " ";
    std::string top = "+" + std::string(width, '-') + "+";
    top.replace(2, std::min(title.size(), width - 2), title.substr(0, width - 2));
    line() << "screen of " << name << '\n' << "    " << top << '\n';
    for (size_t i = 1; i < screen.lines.size(); ++i) {
        std::string text = screen.lines[i].substr(0, width);
        out_ << "    |" << text << std::string(width - text.size(), ' ') << "|\n";
    }
    out_ << "    +" << std::string(width, '-') << "+\n";
}

void FlightLog::stateTable()
{
    out_ << "\nFinal state at t = " << host_.world().simt << " s (relative to the planet):\n";
    char row[256];
    std::snprintf(row, sizeof row, "  %-32s %-10s %40s %12s\n", "vessel", "class", "position (m)", "speed (m/s)");
    out_ << row;
    for (OBJHANDLE h : host_.world().vessels()) {
        emu::VesselRecord* v = host_.world().vessel(h);
        emu::Body* planet = host_.world().bodyByIndex(0);
        VECTOR3 vel = planet ? emu::operator-(v->vel, planet->vel) : v->vel;
        std::snprintf(row, sizeof row, "  %-32s %-10s %40s %12.2f%s\n", v->name.c_str(), v->className.c_str(),
                      Position(host_, v->pos).c_str(), emu::length(vel),
                      h == host_.world().focus ? "  (focus)" : "");
        out_ << row;
    }
}

}  // namespace runner
