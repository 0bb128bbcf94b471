#include "emulator/runner/outputs/flight_log.h"

#include "emulator/runner/text/fixed_number.h"
#include "emulator/runner/text/printable_text.h"
#include "emulator/runner/outputs/touchdown_text.h"

#include "emulator/host/motion/frame_math.h"

#include <map>

namespace runner {

namespace {

std::string Position(const emu::Host& host, const VECTOR3& global)
{
    emu::Body* planet = const_cast<emu::Host&>(host).world().bodyByIndex(0);
    VECTOR3 p = planet ? emu::operator-(global, planet->pos) : global;
    return "(" + Fixed(p.x, 1) + ", " + Fixed(p.y, 1) + ", " + Fixed(p.z, 1) + ")";
}

/* The text, padded with blanks to width on the left or on the right. */
std::string Padded(const std::string& text, size_t width, bool alignLeft)
{
    std::string blanks(text.size() < width ? width - text.size() : 0, ' ');
    return alignLeft ? text + blanks : blanks + text;
}

}  // namespace

void FlightLog::line(const std::string& text)
{
    if (!read_)
        return;
    out_ << '[' << Padded(Fixed(host_.world().simt, 2), 9, false) << "] " << Printable(text) << '\n';
}

void FlightLog::vesselCreated(const emu::VesselRecord& v)
{
    line("created " + v.details->name + " (" + *v.className + ") at " + Position(host_, v.pos));
}

void FlightLog::vesselDeleted(const emu::VesselRecord& v)
{
    line("deleted " + v.details->name + " at " + Position(host_, v.pos));
}

void FlightLog::touchedDown(const emu::VesselRecord& v, const emu::Touchdown& where)
{
    line(v.details->name + " " + TouchdownText(where));
}

void FlightLog::messageBox(const emu::MessageBoxRecord& box)
{
    line("message box \"" + box.caption + "\": " + box.text);
}

void FlightLog::debugLineChanged(const std::string& text)
{
    line("debug: " + text);
}

void FlightLog::inputBoxOpened(const std::string& title)
{
    line("input box: " + title);
}

void FlightLog::fault(const std::string& what)
{
    failure("the simulator would not survive this: " + what);
}

void FlightLog::runEnded()
{
    // A fault has said why already; otherwise a library asked.
    if (host_.faults().empty())
        line("the run ends here at a library's request, with nothing saved");
}

void FlightLog::forceAdded(const emu::VesselRecord& target, const VECTOR3& force, const emu::VesselRecord* source)
{
    Pushes& p = pushes_[source ? source->handle : nullptr];
    ++p.count;
    double magnitude = emu::length(force);
    if (magnitude < p.strongest)
        return;
    p.strongest = magnitude;
    p.target = target.handle;
    p.distance = source ? emu::length(emu::operator-(target.pos, source->pos)) : 0.0;
}

void FlightLog::forcesIntegrated()
{
    if (pushes_.empty())
        return;
    // One line per name, in the order of names: bombs fired with the same
    // settings share a name and a line.
    std::map<std::string, Pushes> byName;
    for (const auto& [source, p] : pushes_) {
        const emu::VesselRecord* v = host_.world().vessel(source);
        Pushes& named = byName[v ? v->details->name : std::string("(no vessel)")];
        named.count += p.count;
        if (p.strongest >= named.strongest) {
            named.strongest = p.strongest;
            named.target = p.target;
            named.distance = p.distance;
        }
    }
    for (const auto& [source, p] : byName) {
        char text[80];
        std::snprintf(text, sizeof text, " pushed %d vessel%s, strongest %.4g N on ", p.count,
                      p.count == 1 ? "" : "s", p.strongest);
        const emu::VesselRecord* target = host_.world().vessel(p.target);
        std::string targetName = target ? target->details->name : "(gone)";
        line(source + text + targetName + (p.distance > 0 ? " (" + Fixed(p.distance, 0) + " m away)" : ""));
    }
    pushes_.clear();
}

void FlightLog::note(const std::string& text)
{
    line(text);
    listener_->noted(text);
}

void FlightLog::failure(const std::string& text)
{
    ++failures_;
    line("FAILED: " + text);
    listener_->noted("FAILED: " + text);
}

void FlightLog::screen(const std::string& name, const emu::Screen& screen, const emu::Display& display)
{
    listener_->screenShown(name, screen, display);
    if (!read_)
        return;
    size_t width = size_t(std::max(20, display.width / 8));
    std::string title = Printable(" " + name + ": " + screen.lines.front() + " ");
    std::string top = "+" + std::string(width, '-') + "+";
    top.replace(2, std::min(title.size(), width - 2), title.substr(0, width - 2));
    line("screen of " + name);
    out_ << "    " << top << '\n';
    for (size_t i = 1; i < screen.lines.size(); ++i)
        out_ << "    |" << Padded(Printable(screen.lines[i]).substr(0, width), width, true) << "|\n";
    out_ << "    +" << std::string(width, '-') << "+\n";
}

void FlightLog::stateTable()
{
    if (!read_)
        return;
    out_ << "\nFinal state at t = " << host_.world().simt << " s (relative to the planet)";
    if (ending_.early())
        out_ << "; the run " << ending_.text();
    out_ << ":\n";
    // A column holds whatever is put in it: a long name widens its row
    // rather than being cut.
    auto row = [this](const std::string& name, const std::string& className, const std::string& position,
                      const std::string& speed, const char* mark) {
        out_ << "  " << Padded(Printable(name), 32, true) << ' ' << Padded(Printable(className), 10, true) << ' '
             << Padded(position, 40, false) << ' ' << Padded(speed, 12, false) << mark << '\n';
    };
    row("vessel", "class", "position (m)", "speed (m/s)", "");
    for (OBJHANDLE h : host_.world().vessels()) {
        emu::VesselRecord* v = host_.world().vessel(h);
        emu::Body* planet = host_.world().bodyByIndex(0);
        VECTOR3 vel = planet ? emu::operator-(v->vel, planet->vel) : v->vel;
        row(v->details->name, *v->className, Position(host_, v->pos), Fixed(emu::length(vel), 2),
            h == host_.world().focus ? "  (focus)" : "");
    }
}

void FlightLog::finish(const RunEnding& ending)
{
    ending_ = ending;
    // A library's quick shutdown is in the log already, where it happened.
    if (ending.kind == RunEnding::Kind::failed)
        line("STOPPED by an error: " + ending.reason);
    else if (ending.kind == RunEnding::Kind::interrupted)
        line("INTERRUPTED by " + ending.reason + ": the run stops here");
    else if (ending.kind == RunEnding::Kind::endedByPilot)
        line("ENDED by the pilot (" + ending.reason + ")");
    listener_->runFinished(ending);
    stateTable();
}

}  // namespace runner
