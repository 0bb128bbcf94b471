#include "emulator/runner/outputs/track_plot.h"

#include "emulator/runner/text/fixed_number.h"
#include "emulator/runner/text/printable_text.h"

#include "emulator/host/motion/frame_math.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

namespace runner {

namespace {

const int panelSize = 480;
const int margin = 40;

const char* Colour(const std::string& className)
{
    if (className == "nuke")
        return "#d62728";
    if (className == "roid")
        return "#8c6d31";
    return "#1f77b4";
}

/* Text for XML: what XML does not allow (control characters, broken UTF-8)
 * escaped as the log shows it, then the markup characters as entities. */
std::string Escaped(const std::string& text)
{
    std::string out;
    for (char c : Printable(text)) {
        if (c == '<')
            out += "&lt;";
        else if (c == '>')
            out += "&gt;";
        else if (c == '&')
            out += "&amp;";
        else if (c == '"')
            out += "&quot;";
        else
            out += c;
    }
    return out;
}

bool Drawable(const VECTOR3& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

}  // namespace

TrackPlot::TrackPlot(emu::Host& host, double interval) : host_(host), interval_(interval) {}

VECTOR3 TrackPlot::relative(const VECTOR3& global) const
{
    const emu::VesselRecord* focus = host_.world().vessel(host_.world().focus);
    return focus ? emu::operator-(global, focus->pos) : global;
}

void TrackPlot::forcesIntegrated()
{
    const emu::World& world = host_.world();
    for (OBJHANDLE h : world.vessels()) {
        const emu::VesselRecord* v = world.vessel(h);
        // A bomb detonates in the first step its exhaust burns.
        if (*v->className == "nuke" && !v->details->groups.empty() && v->details->groups[0].level > 0 && !detonated_[v]) {
            detonated_[v] = true;
            if (Drawable(relative(v->pos)))
                marks_.push_back({relative(v->pos), true});
        }
    }
    bool focusMoved = world.focus != lastFocus_;
    lastFocus_ = world.focus;
    if (world.simt < nextSample_ && !focusMoved)
        return;
    nextSample_ = world.simt + interval_;
    for (OBJHANDLE h : world.vessels()) {
        const emu::VesselRecord* v = world.vessel(h);
        auto [at, isNew] = trackOf_.try_emplace(h, tracks_.size());
        if (isNew)
            tracks_.push_back({v->details->name, *v->className, {}});
        std::vector<std::vector<VECTOR3>>& segments = tracks_[at->second].segments;
        // A point that cannot be drawn (infinite, or too far from the focus
        // to subtract) cuts the track as a focus switch does.
        VECTOR3 p = relative(v->pos);
        bool cut = focusMoved || !Drawable(p);
        if (segments.empty() || (cut && !segments.back().empty()))
            segments.emplace_back();
        if (Drawable(p))
            segments.back().push_back(p);
    }
}

void TrackPlot::vesselDeleted(const emu::VesselRecord& v)
{
    detonated_.erase(&v);
    trackOf_.erase(v.handle);
    if (*v.className == "roid" && Drawable(relative(v.pos)))
        marks_.push_back({relative(v.pos), false});
}

void TrackPlot::write(std::ostream& out, const std::string& title, const std::string& note) const
{
    double extent = 1.0;
    for (const Track& track : tracks_)
        for (const auto& points : track.segments)
            for (const VECTOR3& p : points)
                extent = std::max({extent, std::fabs(p.x), std::fabs(p.y), std::fabs(p.z)});
    for (const Mark& m : marks_)
        extent = std::max({extent, std::fabs(m.pos.x), std::fabs(m.pos.y), std::fabs(m.pos.z)});
    double scale = (panelSize / 2.0) / extent / 1.05;

    int width = 2 * panelSize + 3 * margin, height = panelSize + 2 * margin + 20;
    char text[256];
    std::snprintf(text, sizeof text,
                  "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%d\" height=\"%d\" font-family=\"sans-serif\" "
                  "font-size=\"12\">\n<rect width=\"100%%\" height=\"100%%\" fill=\"white\"/>\n",
                  width, height);
    out << text << "<text x=\"" << margin << "\" y=\"20\" font-size=\"14\">" << Escaped(title)
        << "</text>\n";
    if (!note.empty())
        out << "<text x=\"" << margin << "\" y=\"36\" fill=\"#c53030\">" << Escaped(note) << "</text>\n";

    struct Panel {
        const char* name;
        double VECTOR3::*across;
        double VECTOR3::*up;
        int left;
    };
    const Panel panels[] = {{"top view: x across, z up", &VECTOR3::x, &VECTOR3::z, margin},
                            {"side view: x across, y up", &VECTOR3::x, &VECTOR3::y, 2 * margin + panelSize}};
    for (const Panel& panel : panels) {
        int top = margin + 10;
        double cx = panel.left + panelSize / 2.0, cy = top + panelSize / 2.0;
        std::snprintf(text, sizeof text,
                      "<rect x=\"%d\" y=\"%d\" width=\"%d\" height=\"%d\" fill=\"none\" stroke=\"#999\"/>\n"
                      "<text x=\"%d\" y=\"%d\">%s (half width %s m)</text>\n",
                      panel.left, top, panelSize, panelSize, panel.left, top + panelSize + 16, panel.name,
                      Fixed(extent, 0).c_str());
        out << text;
        auto point = [&](const VECTOR3& p, double& x, double& y) {
            x = cx + p.*panel.across * scale;
            y = cy - p.*panel.up * scale;
        };
        // A name is written once, at the end of the last track that has it.
        std::map<std::string, const std::vector<VECTOR3>*> labels;
        for (const Track& track : tracks_) {
            for (const auto& points : track.segments) {
                if (points.empty())
                    continue;
                if (track.className != "roid")
                    labels[track.name] = &points;
                out << "<polyline fill=\"none\" stroke-width=\"1.5\" stroke=\"" << Colour(track.className)
                    << "\" points=\"";
                for (const VECTOR3& p : points) {
                    double x, y;
                    point(p, x, y);
                    std::snprintf(text, sizeof text, "%.1f,%.1f ", x, y);
                    out << text;
                }
                out << "\"><title>" << Escaped(track.name) << "</title></polyline>\n";
            }
        }
        for (const auto& [name, points] : labels) {
            double x, y;
            point(points->back(), x, y);
            out << "<text x=\"" << x + 6 << "\" y=\"" << y - 6 << "\">" << Escaped(name) << "</text>\n";
        }
        for (const Mark& m : marks_) {
            double x, y;
            point(m.pos, x, y);
            if (m.detonation)
                std::snprintf(text, sizeof text,
                              "<circle cx=\"%.1f\" cy=\"%.1f\" r=\"7\" fill=\"#ff7f0e\" stroke=\"#d62728\"/>\n", x, y);
            else
                std::snprintf(text, sizeof text,
                              "<path d=\"M%.1f %.1fl8 8m0 -8l-8 8\" stroke=\"#8c6d31\" stroke-width=\"2\"/>\n",
                              x - 4, y - 4);
            out << text;
        }
    }
    out << "<text x=\"" << margin << "\" y=\"" << height - 8
        << "\">blue: ships, red: bombs, brown: rocks; orange disc: detonation, cross: rock removed</text>\n</svg>\n";
}

}  // namespace runner
