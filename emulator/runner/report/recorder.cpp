#include "recorder.h"

#include "departed_tracks.h"

#include "emulator/host/world/frame_math.h"
#include "emulator/runner/text/fixed_number.h"
#include "emulator/runner/run/run_length.h"
#include "emulator/runner/outputs/touchdown_text.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <unordered_map>

namespace report {

namespace {

using emu::length;
using emu::operator-;

/* About this many track points in all, whatever the run's length. */
const double pointBudget = 15000;
/* Push series drawn at most: a long run fires thousands of bombs. */
const size_t maxPushSeries = 400;
/* Vessels that keep a track whenever they are made: a scenario's own. */
const double startingTracks = 1000;
/* Beyond this distance from the focus a rock removes itself by range. */
const double rockRange = 800.0;
/* No vessel outruns light: a speed above it comes from a vessel almost at
 * a blast's point, where the push has no meaning. */
const double speedOfLight = 299792458.0;

bool IsBomb(const emu::VesselRecord& v)
{
    return *v.className == "nuke";
}

bool IsRock(const emu::VesselRecord& v)
{
    return *v.className == "roid";
}

/* A bomb's name carries its delay first; a negative delay is the altitude
 * it detonates below. */
double TriggerHeight(const std::string& name)
{
    size_t slash = name.find('/');
    if (slash == std::string::npos)
        return -1;
    double delay = std::strtod(name.c_str() + slash + 1, nullptr);
    return delay < 0 ? -delay : -1;
}

void Put(double out[3], const VECTOR3& v)
{
    out[0] = v.x;
    out[1] = v.y;
    out[2] = v.z;
}

/* A debug line with its numbers masked: lines that differ only in them
 * (an altitude, a hit count, a time) are alike. */
std::string Shape(const std::string& line)
{
    std::string shape;
    for (char c : line) {
        bool digit = c >= '0' && c <= '9';
        if (!digit)
            shape += c;
        else if (shape.empty() || shape.back() != '#')
            shape += '#';
    }
    return shape;
}

/* A cell of the contact search's grid, by its whole coordinates kept as
 * doubles: any finite position has one, however far out. */
struct Cell {
    double x, y, z;
    bool operator==(const Cell& o) const { return x == o.x && y == o.y && z == o.z; }
};

struct CellHash {
    size_t operator()(const Cell& c) const
    {
        std::hash<double> h;
        return h(c.x) ^ (h(c.y) * 0x9E3779B97F4A7C15ull) ^ (h(c.z) * 0xC2B2AE3D27D4EB4Full);
    }
};

Cell CellOf(const VECTOR3& p, double size)
{
    return {std::floor(p.x / size), std::floor(p.y / size), std::floor(p.z / size)};
}

bool Finite(const VECTOR3& p)
{
    return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

/* What a scenario's lines say, in 64 bits (FNV-1a): a load is matched
 * to a save by it. */
std::uint64_t Digest(const std::vector<std::string>& lines)
{
    std::uint64_t h = 14695981039346656037ull;
    auto add = [&h](unsigned char c) { h = (h ^ c) * 1099511628211ull; };
    for (const std::string& line : lines) {
        for (char c : line)
            add((unsigned char)c);
        add('\n');
    }
    return h;
}

}  // namespace

const size_t maxTracks = 30000;
// A day's events are mostly the creations and deletions of the tracks kept.
const size_t maxEvents = 4 * maxTracks;
// Enough to see the rock field at work over any part of a flight.
const size_t maxDepartedRocks = 2000;
// A run saves and loads back its latest; each save remembered costs 16
// bytes a vessel.
const size_t maxSavesRemembered = 4;

double BlastLevel(const emu::VesselRecord& v)
{
    double level = 0;
    for (const emu::ThrusterGroup& group : v.details->groups)
        level = std::max(level, group.level);
    return level;
}

std::string LeadingComment(const std::string& path)
{
    std::vector<std::string> lines;
    std::string unread;
    emu::ReadLinesWithin(path, runner::scenarioLimits, lines, unread);
    std::string comment;
    for (const std::string& line : lines) {
        if (line.empty() || line[0] != '#')
            break;
        size_t start = line.size() > 1 && line[1] == ' ' ? 2 : 1;
        comment += line.substr(start) + '\n';
    }
    return comment;
}

Recorder::Recorder(emu::Host& host, const runner::Script& script, size_t trackLimit)
    : host_(host), trackLimit_(trackLimit), started_(std::chrono::steady_clock::now())
{
    record_.scenario = script.file;
    record_.comment = LeadingComment(script.file);
    record_.step = script.step;
    record_.planetRadius = script.planet.radius;
    record_.planetView = script.gravity;
    for (const runner::VesselSpec& v : script.vessels)
        ownVessels_.push_back(v.name);
    // The run's real length: a run may end at its last action, after its
    // duration, or have no duration at all.
    runEnd_ = runner::RunEnd(script);
    double buckets = std::clamp(pointBudget / (2.5 * double(std::max<size_t>(1, script.vessels.size()))), 50.0, 2000.0);
    bucket_ = runEnd_ / buckets;
    if (!(bucket_ >= script.step) || !std::isfinite(bucket_))
        bucket_ = script.step;
    span_ = std::max(runEnd_, bucket_ * buckets);
}

bool Recorder::keepsTrack() const
{
    double kept = double(record_.vessels.size()), limit = double(trackLimit_);
    if (kept >= limit)
        return false;
    double share = span_ > 0 ? std::clamp(now() / span_, 0.0, 1.0) : 1.0;
    double start = std::min(startingTracks, limit);
    return kept < start + (limit - start) * share;
}

void Recorder::event(EventKind kind, int subject, const std::string& text)
{
    std::vector<Event>& events = record_.events;
    if (events.size() >= maxEvents) {
        // The flight's start and its latest stay; a quarter at a time goes
        // from between them, so that dropping costs little per event.
        auto from = events.begin() + long(maxEvents / 2);
        events.erase(from, from + long(maxEvents / 4));
        record_.eventsLeftOut += long(maxEvents / 4);
    }
    events.push_back({now(), kind, subject, text});
}

Origin Recorder::originOf(const emu::VesselRecord& v)
{
    if (loading_)
        return Origin::load;
    if (record_.steps == 0 && placed_ < ownVessels_.size() && ownVessels_[placed_] == v.details->name) {
        ++placed_;
        return Origin::scenario;
    }
    return Origin::module;
}

void Recorder::vesselCreated(const emu::VesselRecord& v)
{
    bool bomb = IsBomb(v);
    Origin origin = originOf(v);
    std::uint64_t identity = v.details->serial;
    if (loading_ && loadingNext_ < loadingAs_.size() &&
        loadingAs_[loadingNext_].first == std::hash<std::string>()(v.details->name)) {
        identity = loadingAs_[loadingNext_++].second;
        continuing_[v.details->serial] = identity;
    }
    bool modulesOwn = origin == Origin::module;
    record_.counts.bombsFired += bomb && modulesOwn;
    record_.counts.rocksSpawned += IsRock(v) && modulesOwn;
    record_.counts.rocksAlive += IsRock(v);
    ++record_.counts.created;
    if (!keepsTrack() && v.handle != host_.world().focus) {
        ++record_.vesselsLeftOut;
        return;
    }
    int index = int(record_.vessels.size());
    VesselTrack track;
    track.name = v.details->name;
    track.serial = v.details->serial;
    track.identity = identity;
    track.className = *v.className;
    track.created = now();
    track.size = v.size;
    track.session = session_ + (origin == Origin::load);  // the session the load starts
    track.origin = origin;
    if (bomb) {
        track.triggerHeight = TriggerHeight(v.details->name);
        record_.planetView = record_.planetView || track.triggerHeight > 0;
    }
    record_.vessels.push_back(std::move(track));
    live_.insert_or_assign(v.handle, Live{index, TrackThinner(bucket_)});
    event(EventKind::created, index, "");  // the page names the vessel
}

void Recorder::vesselDeleted(const emu::VesselRecord& v)
{
    ++record_.counts.deleted;
    record_.counts.rocksAlive -= IsRock(v);
    bool struck = struck_.erase(v.handle) > 0;
    continuing_.erase(v.details->serial);
    pushed_.erase(v.handle);
    std::string how;
    if (loading_) {
        ++record_.counts.removedWithSession;
        how = "removed with the session";
    } else if (IsRock(v)) {
        // A rock goes by its own rules: beyond the range, or once contacts
        // have worn it down. One gone any other way says nothing.
        const emu::VesselRecord* focus = host_.world().vessel(host_.world().focus);
        bool byRange = focus && length(v.pos - focus->pos) > rockRange;
        if (byRange || struck) {
            ++(byRange ? record_.counts.rocksByRange : record_.counts.rocksByDamage);
            how = byRange ? "out of range" : "by damage";
        }
    }
    auto found = live_.find(v.handle);
    if (found == live_.end())
        return;
    int index = found->second.index;
    VesselTrack& track = record_.vessels[size_t(index)];
    found->second.thinner.flush(track.points);
    track.deleted = now();
    event(EventKind::deleted, index, how);
    live_.erase(found);
    // A bomb that is gone pushes no more: its pairs are not needed to know
    // whether a push is a new pair.
    pairs_.erase(pairs_.lower_bound({index, INT_MIN}), pairs_.lower_bound({index + 1, INT_MIN}));
    departedRocks_ += IsRock(v);
    if (departedRocks_ > maxDepartedRocks)
        thinDepartedRocks();
}

void Recorder::thinDepartedRocks()
{
    std::vector<bool> removed = DepartedRocksToRemove(record_, maxDepartedRocks);
    const long count = long(std::count(removed.begin(), removed.end(), true));
    if (count == 0)
        return;
    std::vector<int> index = RemoveTracks(record_, removed);
    for (auto& [handle, live] : live_)
        live.index = index[size_t(live.index)];
    std::map<std::pair<int, int>, int> pairs;
    for (const auto& [pair, series] : pairs_)
        if (index[size_t(pair.first)] >= 0 && index[size_t(pair.second)] >= 0)
            pairs[{index[size_t(pair.first)], index[size_t(pair.second)]}] = series;
    pairs_.swap(pairs);
    departedRocks_ -= size_t(count);
    record_.rockTracksLeftOut += count;
}

void Recorder::touchedDown(const emu::VesselRecord& v, const emu::Touchdown& where)
{
    auto found = live_.find(v.handle);
    event(EventKind::touchdown, found == live_.end() ? -1 : found->second.index,
          v.details->name + " " + runner::TouchdownText(where));
}

void Recorder::timeJumped(double from, double to)
{
    // The report's times run on in flight order: the clock's own readings
    // are in the event's words.
    shift_ += from - to;
    event(EventKind::jump, -1, "the clock jumps from " + runner::Fixed(from, 2) + " s to " + runner::Fixed(to, 2) +
                                   " s; the report's times run on from " + runner::Fixed(now(), 2) + " s");
}

std::uint64_t Recorder::identityOf(const emu::VesselRecord& v) const
{
    auto found = continuing_.find(v.details->serial);
    return found == continuing_.end() ? v.details->serial : found->second;
}

void Recorder::scenarioSaved(const std::vector<std::string>& lines)
{
    Saved save{Digest(lines), {}};
    const emu::World& world = host_.world();
    save.vessels.reserve(world.vessels().size());
    for (OBJHANDLE h : world.vessels()) {
        const emu::VesselRecord& v = *world.vessel(h);
        save.vessels.emplace_back(std::hash<std::string>()(v.details->name), identityOf(v));
    }
    saves_.push_back(std::move(save));
    if (saves_.size() > maxSavesRemembered)
        saves_.pop_front();
}

void Recorder::scenarioLoading(const std::vector<std::string>& lines)
{
    std::uint64_t digest = Digest(lines);
    auto save = std::find_if(saves_.rbegin(), saves_.rend(), [digest](const Saved& s) { return s.digest == digest; });
    loadingAs_ = save == saves_.rend() ? SavedVessels() : save->vessels;
    loadingNext_ = 0;
}

void Recorder::sessionEnding()
{
    flushAll();
    sessionEnd_ = now();
    loading_ = true;
}

void Recorder::sessionStarted()
{
    loading_ = false;
    SavedVessels().swap(loadingAs_);
    ++session_;
    shift_ = sessionEnd_ - host_.world().simt;
    event(EventKind::session, -1, "a new session starts, its clock at " + runner::Fixed(host_.world().simt, 2) +
                                      " s; the report's times run on from " + runner::Fixed(now(), 2) + " s");
}

void Recorder::fault(const std::string& what)
{
    if (fault_.empty())
        fault_ = what;
}

void Recorder::messageBox(const emu::MessageBoxRecord& box)
{
    ++record_.counts.messageBoxes;
    if (box.text.find("not found. Check installation.") != std::string::npos)
        record_.collision = CollisionState::absent;
    else if (box.text.find("error. Check installation.") != std::string::npos)
        record_.collision = CollisionState::incomplete;
    event(EventKind::message, -1, box.caption + ": " + box.text);
}

void Recorder::debugLineChanged(const std::string& line)
{
    std::string shape = Shape(line);
    double bucket = std::floor(now() / bucket_);
    bool alike = shape == debugShape_ && bucket == debugBucket_ && !record_.events.empty() &&
                 record_.events.back().kind == EventKind::debug;
    debugAlike_ = alike ? debugAlike_ + 1 : 1;
    debugShape_ = std::move(shape);
    debugBucket_ = bucket;
    if (debugAlike_ > 2) {
        ++record_.debugFolded;
        record_.events.back() = {now(), EventKind::debug, -1, line};
        return;
    }
    event(EventKind::debug, -1, line);
}

void Recorder::inputBoxOpened(const std::string& title)
{
    event(EventKind::input, -1, title);
}

void Recorder::noted(const std::string& text)
{
    event(EventKind::pilot, -1, text);
}

void Recorder::runEnded()
{
    event(EventKind::ended, -1,
          fault_.empty() ? "the run ends at a library's request, with nothing saved" : "the run fails: " + fault_);
}

void Recorder::runFinished(const runner::RunEnding& ending)
{
    if (ending.early())
        record_.ending = {ending.name(), ending.time, ending.text()};
}

void Recorder::screenShown(const std::string& name, const emu::Screen& screen, const emu::Display& display)
{
    ShownScreen shown;
    shown.t = now();
    shown.name = name;
    shown.title = screen.canvas.title;
    for (const emu::MfdMode& mode : host_.mfds().modes())
        if (mode.id == display.modeId)
            shown.mode = mode.name;
    shown.width = display.width;
    shown.height = display.height;
    for (const TextItem& item : screen.canvas.items)
        shown.texts.push_back({item.x, item.y, item.text});
    const int buttons = 12;  // six down each side
    for (int b = 0; b < buttons; ++b)
        shown.buttons.push_back(host_.mfds().buttonLabel(display.id, b));
    while (!shown.buttons.empty() && shown.buttons.back().empty())
        shown.buttons.pop_back();
    event(EventKind::screen, int(record_.screens.size()), name + ": " + shown.title);
    record_.screens.push_back(std::move(shown));
}

void Recorder::forceAdded(const emu::VesselRecord& target, const VECTOR3& force, const emu::VesselRecord* source)
{
    if (source && IsBomb(*source) && !IsBomb(target) && pushed_.insert(target.handle).second)
        ++record_.counts.vesselsPushed;
    auto pushed = live_.find(target.handle);
    if (pushed == live_.end())
        return;
    pushed->second.force = emu::operator+(pushed->second.force, force);
    auto pusher = source && IsBomb(*source) ? live_.find(source->handle) : live_.end();
    if (pusher == live_.end())
        return;
    auto [pair, isNew] = pairs_.try_emplace({pusher->second.index, pushed->second.index}, -1);
    if (isNew) {
        if (record_.pushes.size() < maxPushSeries) {
            pair->second = int(record_.pushes.size());
            record_.pushes.push_back({pusher->second.index, pushed->second.index, {}, {}});
        } else {
            ++record_.pushesLeftOut;
        }
    }
    if (pair->second >= 0)
        stepPushes_.push_back({pair->second, length(target.pos - source->pos)});
}

/* First and last of each bucket: a push only grows weaker and farther. */
void Recorder::recordPushes()
{
    double t = now();
    for (const Push& push : stepPushes_) {
        PushSeries& series = record_.pushes[size_t(push.pair)];
        auto bucket = [&](double time) { return std::floor(time / bucket_); };
        size_t n = series.t.size();
        bool bucketHasTwo = n >= 2 && bucket(series.t[n - 2]) == bucket(t) && bucket(series.t[n - 1]) == bucket(t);
        if (bucketHasTwo) {
            series.t.back() = t;
            series.distance.back() = push.distance;
        } else {
            series.t.push_back(t);
            series.distance.push_back(push.distance);
        }
    }
    stepPushes_.clear();
}

/* Contacts as the collision library finds them: a rock's sphere newly
 * overlapping another vessel's, each size a radius. Rocks are few (they go
 * beyond 800 m of the focus): they are put in a grid of cells twice the
 * largest rock across, and each vessel looks only in the cells its sphere
 * reaches, or at every rock where that is fewer. A step costs the vessels
 * once, not rocks times vessels. */
void Recorder::findContacts()
{
    if (record_.collision != CollisionState::complete)
        return;
    emu::World& world = host_.world();
    std::vector<const emu::VesselRecord*> rocks;
    double largest = 0;
    for (OBJHANDLE h : world.vessels()) {
        const emu::VesselRecord* v = world.vessel(h);
        if (IsRock(*v) && Finite(v->pos) && v->size > 0) {
            rocks.push_back(v);
            largest = std::max(largest, v->size);
        }
    }
    std::set<std::pair<OBJHANDLE, OBJHANDLE>> touching;
    if (rocks.empty()) {
        touching_.swap(touching);
        return;
    }
    double cell = 2 * largest;
    std::unordered_map<Cell, std::vector<const emu::VesselRecord*>, CellHash> grid;
    for (const emu::VesselRecord* rock : rocks)
        grid[CellOf(rock->pos, cell)].push_back(rock);
    auto test = [&](const emu::VesselRecord* rock, const emu::VesselRecord* other) {
        if (rock != other && length(rock->pos - other->pos) < rock->size + other->size)
            touching.insert({rock->handle, other->handle});
    };
    for (OBJHANDLE o : world.vessels()) {
        const emu::VesselRecord* other = world.vessel(o);
        if (!Finite(other->pos))
            continue;
        double reach = other->size + largest;
        VECTOR3 low{other->pos.x - reach, other->pos.y - reach, other->pos.z - reach};
        VECTOR3 high{other->pos.x + reach, other->pos.y + reach, other->pos.z + reach};
        Cell from = CellOf(low, cell), to = CellOf(high, cell);
        double cells = (to.x - from.x + 1) * (to.y - from.y + 1) * (to.z - from.z + 1);
        if (!(cells < double(rocks.size()))) {
            for (const emu::VesselRecord* rock : rocks)
                test(rock, other);
            continue;
        }
        for (double x = from.x; x <= to.x; ++x)
            for (double y = from.y; y <= to.y; ++y)
                for (double z = from.z; z <= to.z; ++z) {
                    auto found = grid.find({x, y, z});
                    if (found != grid.end())
                        for (const emu::VesselRecord* rock : found->second)
                            test(rock, other);
                }
    }
    for (const auto& pair : touching) {
        if (touching_.count(pair))
            continue;
        ++record_.counts.contacts;
        struck_.insert(pair.first);
        auto found = live_.find(pair.first);
        if (found != live_.end())
            record_.vessels[size_t(found->second.index)].hits.push_back(now());
    }
    touching_.swap(touching);
}

void Recorder::widenBuckets()
{
    flushAll();
    bucket_ *= 2;
    span_ *= 2;
    for (auto& [handle, live] : live_)
        live.thinner = TrackThinner(bucket_);
    // The extremes of a wider bucket are among those of the two it joins,
    // so thinning the thinned points keeps what thinning them all would.
    // Each track keeps its room, which it fills again as the flight goes on:
    // a fresh copy of every track each time would leave the heap in pieces.
    std::vector<TrackPoint> thinned;
    for (VesselTrack& track : record_.vessels) {
        thinned.clear();
        TrackThinner thinner(bucket_);
        for (const TrackPoint& p : track.points)
            thinner.add(p, thinned);
        thinner.flush(thinned);
        track.points.assign(thinned.begin(), thinned.end());
    }
    // A live track fills its room again span after span, up to what its
    // buckets can keep; taking all of that room now, once, leaves a long
    // flight's memory flat from here on, rather than stepping up whenever
    // every track of the same age outgrows its room at once.
    const size_t room = TrackThinner::kept * (size_t(std::ceil(span_ / bucket_)) + 1);
    for (auto& [handle, live] : live_)
        record_.vessels[size_t(live.index)].points.reserve(room);
    auto bucket = [&](double time) { return std::floor(time / bucket_); };
    for (PushSeries& series : record_.pushes) {
        // First and last of each bucket, as they are recorded.
        size_t kept = 0;
        for (size_t i = 0; i < series.t.size(); ++i) {
            bool middle = kept >= 2 && bucket(series.t[kept - 2]) == bucket(series.t[i]) &&
                          bucket(series.t[kept - 1]) == bucket(series.t[i]);
            size_t to = middle ? kept - 1 : kept++;
            series.t[to] = series.t[i];
            series.distance[to] = series.distance[i];
        }
        series.t.resize(kept);
        series.distance.resize(kept);
    }
}

void Recorder::flushAll()
{
    for (auto& [handle, live] : live_)
        live.thinner.flush(record_.vessels[size_t(live.index)].points);
}

void Recorder::forcesIntegrated()
{
    emu::World& world = host_.world();
    ++record_.steps;
    while (now() > span_ && std::isfinite(span_ * 2))
        widenBuckets();
    if (world.focus != lastFocus_) {
        flushAll();
        if (lastFocus_)
            record_.focusChanges.push_back(now());
        lastFocus_ = world.focus;
    }
    const emu::VesselRecord* focus = world.vessel(world.focus);
    const emu::Body* planet = world.bodyByIndex(0);
    VECTOR3 origin = focus ? focus->pos : planet ? planet->pos : VECTOR3{0, 0, 0};
    for (auto& [handle, live] : live_) {
        const emu::VesselRecord* v = world.vessel(handle);
        if (!v)
            continue;
        VesselTrack& track = record_.vessels[size_t(live.index)];
        TrackPoint p;
        p.t = now();
        VECTOR3 rel = v->pos - origin;
        VECTOR3 fromPlanet = planet ? v->pos - planet->pos : v->pos;
        Put(p.rel, rel);
        Put(p.planet, fromPlanet);
        p.altitude = length(fromPlanet) - (planet ? planet->radius : 0.0);
        p.speed = length(planet ? v->vel - planet->vel : v->vel);
        p.flags = (p.altitude < 0 ? belowSurface : 0) | (!(p.speed <= speedOfLight) ? fasterThanLight : 0);
        track.size = v->size;
        p.force = length(live.force);
        live.force = {0, 0, 0};
        if (IsBomb(*v)) {
            p.level = BlastLevel(*v);
            if (p.level > 0 && track.detonated < 0) {
                // It blasted in this step's pre-step, from where the last step left it.
                track.detonated = std::max(lastStep_, track.created);
                ++record_.counts.bombsDetonated;
                event(EventKind::blast, live.index, "");
            }
        }
        live.thinner.add(p, track.points);
    }
    recordPushes();
    findContacts();
    lastStep_ = now();
}

const VesselTrack* Recorder::trackOf(OBJHANDLE vessel) const
{
    auto found = live_.find(vessel);
    return found == live_.end() ? nullptr : &record_.vessels[size_t(found->second.index)];
}

const FlightRecord& Recorder::finish()
{
    flushAll();
    record_.simulated = now();
    record_.wallSeconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started_).count();
    return record_;
}

}  // namespace report
