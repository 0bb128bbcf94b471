#include "trace_writer.h"

#include <cstdio>

namespace runner {

namespace {

/* Names may hold commas and quotes: quoted, with quotes doubled. */
std::string Quoted(const std::string& text)
{
    std::string quoted = "\"";
    for (char c : text)
        quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
    return quoted + '"';
}

}  // namespace

TraceWriter::TraceWriter(emu::Host& host, std::ostream& out) : host_(host), out_(out)
{
    out_ << "time,vessel,class,x,y,z,vx,vy,vz\n";
}

void TraceWriter::forcesIntegrated()
{
    char time[40], numbers[256];
    std::snprintf(time, sizeof time, "%.6f", host_.world().simt);
    for (OBJHANDLE h : host_.world().vessels()) {
        const emu::VesselRecord* v = host_.world().vessel(h);
        std::snprintf(numbers, sizeof numbers, "%.6f,%.6f,%.6f,%.6f,%.6f,%.6f", v->pos.x, v->pos.y, v->pos.z,
                      v->vel.x, v->vel.y, v->vel.z);
        out_ << time << ',' << Quoted(v->name) << ',' << Quoted(v->className) << ',' << numbers << '\n';
    }
}

}  // namespace runner
