#include "emulator/runner/outputs/trace_writer.h"

#include "emulator/runner/text/printable_text.h"
#include "emulator/runner/outputs/touchdown_text.h"

#include <cstdio>

namespace runner {

namespace {

/* Names may hold commas and quotes: quoted, with quotes doubled; and
 * control characters, which would break a row: escaped. */
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : Printable(text))
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

/* Every digit a double needs to be read back the same: at most 24
 * characters, whatever the value. */
std::string Exact(double value)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

}  // namespace

TraceWriter::TraceWriter(emu::Host& host, std::ostream& out) : host_(host), out_(out)
{
    out_ << "time,vessel,class,x,y,z,vx,vy,vz\n";
}

void TraceWriter::forcesIntegrated()
{
    std::string time = Exact(host_.world().simt);
    for (OBJHANDLE h : host_.world().vessels()) {
        const emu::VesselRecord* v = host_.world().vessel(h);
        out_ << time << ',' << Quoted(v->details->name) << ',' << Quoted(*v->className);
        for (double value : {v->pos.x, v->pos.y, v->pos.z, v->vel.x, v->vel.y, v->vel.z})
            out_ << ',' << Exact(value);
        out_ << '\n';
    }
}

void TraceWriter::touchedDown(const emu::VesselRecord& v, const emu::Touchdown& where)
{
    out_ << "# " << Exact(host_.world().simt) << ": " << Printable(v.details->name) << ' ' << TouchdownText(where)
         << '\n';
}

void TraceWriter::timeJumped(double from, double to)
{
    out_ << "# the clock jumps from " << Exact(from) << " s to " << Exact(to) << " s\n";
}

void TraceWriter::finish(const RunEnding& ending)
{
    if (ending.early())
        out_ << "# the run " << ending.text() << '\n';
}

}  // namespace runner
