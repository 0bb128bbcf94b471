#include "live_session.h"

#include "recorded_scenario.h"
#include "view_feed.h"

#include "emulator/runner/text/number_text.h"
#include "emulator/runner/report/json_writer.h"
#include "emulator/runner/report/report_page.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <limits>
#include <sstream>
#include <utility>

namespace live {

namespace {

using Clock = std::chrono::steady_clock;

/* The most vessels a state carries: the nearest to the focus. A world of
 * ten thousand would otherwise flood the page twenty times a second. */
const size_t vesselsShown = 1000;
const int buttonsShown = 12;
/* The longest a burst of steps may hold the thread before the queue is
 * looked at again; a world slower than that runs behind real time. */
const auto burstBudget = std::chrono::milliseconds(40);
const auto publishEvery = std::chrono::milliseconds(50);
const char* const displayNames[] = {"L", "R"};

using report::JsonNumber;
using report::JsonString;

struct WrittenAt {
    bool exists = false;
    std::filesystem::file_time_type time;
};

WrittenAt WrittenAtOf(const std::filesystem::path& file)
{
    std::error_code failed;
    WrittenAt at;
    at.time = std::filesystem::last_write_time(file, failed);
    at.exists = !failed && std::filesystem::is_regular_file(file, failed) && !failed;
    return at;
}

double Distance(const VECTOR3& a, const VECTOR3& b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

}  // namespace

LiveSession::LiveSession(emu::Host& host, const runner::Script& script, runner::FlightLog& log,
                         const LogLines& lines, report::Recorder* recorder, runner::RunFiles files)
    : host_(host), script_(script), log_(log), lines_(lines), recorder_(recorder),
      root_(host.root()), savedScenarios_(FindSavedScenarios(root_, "")), files_(std::move(files))
{
    const std::string world = RecordedWorld(script) + RecordedEnd(-std::numeric_limits<double>::max());
    recordedBytes_ = world.size();
    recordedLines_ = size_t(std::count(world.begin(), world.end(), '\n'));
    publish();
}

void LiveSession::apply(const LiveCommand& command)
{
    switch (command.control) {
    // The pause and the time acceleration are the host's own, as modules
    // ask them of it, and a module may set them too.
    case Control::pause: host_.setPaused(true); break;
    case Control::resume: host_.setPaused(false); break;
    case Control::step:
        // One step, and paused after it.
        host_.setPaused(false);
        step();
        host_.setPaused(true);
        break;
    case Control::warp: host_.setTimeAcceleration(command.warp); break;
    case Control::action:
        if (command.action.verb == "focus")
            focus(command.vessel);
        else
            perform(command.action);
        break;
    }
}

/* Recorded by name, and by which of that name it is when the name repeats
 * (two bombs fired alike), so that the replay focuses the same one. */
void LiveSession::focus(std::uint64_t serial)
{
    const emu::World& world = host_.world();
    for (OBJHANDLE h : world.vessels()) {
        const emu::VesselRecord* v = world.vessel(h);
        if (v->details->serial != serial)
            continue;
        long long nth = runner::NameOrdinal(world, *v);
        std::vector<std::string> words = {v->details->name};
        if (nth > 1)
            words.push_back(std::to_string(nth));
        perform(runner::Action{0, 0, "focus", words});
        return;
    }
    log_.note("not done: the vessel to focus on has gone");
}

void LiveSession::perform(runner::Action action)
{
    if (host_.runEnded())
        return;
    action.time = host_.world().simt;
    if (action.verb == "open" && action.args[2].empty()) {
        emu::VesselRecord* focus = host_.world().vessel(host_.world().focus);
        if (!focus) {
            log_.note("no vessel in focus to open " + action.args[0] + " on");
            return;
        }
        action.args[2] = focus->details->name;
        // A display shows one mode: the one it showed closes first.
        if (displays_.count(action.args.back()))
            perform(runner::Action{0, 0, "close", {action.args.back()}});
    }
    if (action.verb == "button")
        action.args[1] = buttonName(action.args[0], action.args[1]);
    // A name a module gave may be one no scenario can hold.
    if (!std::all_of(action.args.begin(), action.args.end(), Recordable)) {
        log_.note("not done: a name in it cannot be written in a scenario");
        return;
    }
    const std::string line = RecordedAction(action);
    if (recordingFull(line.size())) {
        log_.note("not done: the session holds as much as a scenario can: take it home, and fly on from a new one");
        return;
    }
    if (std::string problem = fileProblem(action); !problem.empty()) {
        log_.note(problem);
        return;
    }
    if (action.verb == "save") {
        runner::RunFiles files = files_;
        files.saves.push_back({"the save from the page", host_.root() / action.args[0]});
        if (std::string problem = runner::OverwriteProblem(files); !problem.empty()) {
            log_.note("not saved: " + problem);
            return;
        }
    }
    const std::filesystem::path saved = host_.root() / (action.verb == "save" ? action.args[0] : "");
    const WrittenAt before = WrittenAtOf(saved);
    std::string error;
    if (!runner::PerformAction(host_, action, displays_, log_, error)) {
        log_.note("not done: " + error);
        return;
    }
    host_.noticeDebugLine();
    if (action.verb == "save") {
        savedScenarios_ = FindSavedScenarios(root_, "");
        // The host says why when it could not; the page says where when it could.
        const WrittenAt after = WrittenAtOf(saved);
        if (after.exists && (!before.exists || after.time != before.time))
            log_.note("saved as " + std::filesystem::absolute(saved).lexically_normal().string());
    }
    if (action.verb == "load")
        loaded_.insert(action.args[0]);
    recordedBytes_ += line.size();
    ++recordedLines_;
    std::lock_guard<std::mutex> lock(published_);
    taken_ += line;
    clock_ = action.time;
}

/* The button as the pilot reads it, its label, where the runner finds that
 * label at the same index; else the index. Read before the click, which
 * may relabel the buttons. */
std::string LiveSession::buttonName(const std::string& display, const std::string& index)
{
    auto found = displays_.find(display);
    long long b = -1;
    if (found == displays_.end() || !host_.mfds().display(found->second) ||
        !runner::ReadWhole(index, 0, buttonsShown - 1, b))
        return index;
    std::string label = host_.mfds().buttonLabel(found->second, int(b));
    bool named = !label.empty() && Recordable(label) && runner::ButtonIndex(host_, found->second, label) == b;
    return named ? label : index;
}

/* The take-home scenario names the files it saves and loads: they must hold,
 * when it is played, what they held in the flight. So a save goes only over
 * a host scenario, and never over one the flight has loaded. */
std::string LiveSession::fileProblem(const runner::Action& action) const
{
    if (action.verb != "save" && action.verb != "load")
        return "";
    const std::filesystem::path file = host_.root() / action.args[0];
    if (action.verb == "load")
        return HostScenarioFile(file) ? "" : "not loaded: " + action.args[0] + " is not a saved host scenario";
    if (loaded_.count(action.args[0]))
        return "not saved: the flight has loaded " + action.args[0] +
               ", which its replay loads again; save under another name";
    std::error_code unknown;
    if (std::filesystem::symlink_status(file, unknown).type() != std::filesystem::file_type::not_found &&
        !HostScenarioFile(file))
        return "not saved: " + action.args[0] + " is there and is not a host scenario";
    return "";
}

bool LiveSession::recordingFull(size_t lineLength) const
{
    const emu::TextLimits& most = runner::scenarioLimits;
    return lineLength > most.lineLength || recordedLines_ >= most.lines || recordedBytes_ + lineLength > most.bytes;
}

/* As the runner plays them: each once the clock is within half a step of
 * its time. */
void LiveSession::performScriptedActions()
{
    const double now = host_.world().simt;
    while (nextScripted_ < script_.actions.size() && now + script_.step / 2 >= script_.actions[nextScripted_].time)
        perform(script_.actions[nextScripted_++]);
}

void LiveSession::step()
{
    if (host_.runEnded())
        return;
    performScriptedActions();
    host_.step(script_.step);
}

void LiveSession::advance(int steps)
{
    for (const LiveCommand& command : queue_.takeAll(std::chrono::milliseconds(0)))
        apply(command);
    for (int i = 0; i < steps; ++i)
        step();
    performScriptedActions();
    answerReportRequests();
    publish();
}

void LiveSession::run(const std::atomic<bool>& stop)
{
    Clock::time_point last = Clock::now(), lastPublished = last, lastBehind = last - std::chrono::seconds(10);
    double owed = 0.0;  // simulated seconds real time has asked for and not yet had
    while (!stop) {
        bool acted = false;
        for (const LiveCommand& command : queue_.takeAll(std::chrono::milliseconds(5))) {
            apply(command);
            acted = true;
        }
        Clock::time_point now = Clock::now();
        double elapsed = std::chrono::duration<double>(now - last).count();
        last = now;
        owed = host_.paused() || host_.runEnded() ? 0.0 : owed + elapsed * host_.timeAcceleration();
        Clock::time_point deadline = now + burstBudget;
        while (owed >= script_.step && !host_.runEnded()) {
            step();
            owed -= script_.step;
            if (Clock::now() > deadline) {
                // Behind: what is owed is forgiven, so the world runs slower
                // than asked rather than in ever longer bursts.
                owed = std::min(owed, script_.step);
                lastBehind = Clock::now();
                break;
            }
        }
        performScriptedActions();
        answerReportRequests();
        keepingUp_ = Clock::now() - lastBehind > std::chrono::seconds(1);
        if (acted || Clock::now() - lastPublished >= publishEvery) {
            publish();
            lastPublished = Clock::now();
        }
    }
}

void LiveSession::answerReportRequests()
{
    unsigned long long asked = 0;
    {
        std::lock_guard<std::mutex> lock(reportMutex_);
        if (reportsAnswered_ == reportsAsked_)
            return;
        asked = reportsAsked_;
    }
    std::ostringstream page;
    if (recorder_)
        report::WritePage(page, recorder_->finish());
    std::lock_guard<std::mutex> lock(reportMutex_);
    if (reportWaiters_ > 0)
        report_ = page.str();
    reportsAnswered_ = asked;
    reportMade_.notify_all();
}

std::string LiveSession::flightReport(std::chrono::seconds wait)
{
    std::unique_lock<std::mutex> lock(reportMutex_);
    unsigned long long ticket = ++reportsAsked_;
    ++reportWaiters_;
    std::string page;
    if (reportMade_.wait_for(lock, wait, [&] { return reportsAnswered_ >= ticket; }))
        page = report_;
    if (--reportWaiters_ == 0)
        std::string().swap(report_);
    return page;
}

size_t LiveSession::reportBytesKept()
{
    std::lock_guard<std::mutex> lock(reportMutex_);
    return report_.size();
}

std::string LiveSession::displayJson(const std::string& name)
{
    auto found = displays_.find(name);
    const emu::Display* display = found == displays_.end() ? nullptr : host_.mfds().display(found->second);
    if (!display) {
        displays_.erase(name);
        return "null";
    }
    std::string mode;
    for (const emu::MfdMode& m : host_.mfds().modes())
        if (m.id == display->modeId)
            mode = m.name;
    emu::Screen screen = host_.mfds().redraw(found->second);
    std::ostringstream out;
    out << "{\"mode\":" << JsonString(mode) << ",\"title\":" << JsonString(screen.canvas.title)
        << ",\"width\":" << display->width << ",\"height\":" << display->height << ",\"items\":[";
    const char* comma = "";
    for (const TextItem& item : screen.canvas.items) {
        out << comma << '[' << item.x << ',' << item.y << ',' << JsonString(item.text) << ']';
        comma = ",";
    }
    out << "],\"buttons\":[";
    for (int b = 0; b < buttonsShown; ++b)
        out << (b ? "," : "") << JsonString(host_.mfds().buttonLabel(found->second, b));
    out << "]}";
    return out.str();
}

void LiveSession::publish()
{
    emu::World& world = host_.world();
    const emu::Body* planet = world.bodyByIndex(0);
    const emu::VesselRecord* focus = world.vessel(world.focus);
    KnownWorld known;
    std::vector<std::pair<double, const emu::VesselRecord*>> byDistance;
    for (OBJHANDLE h : world.vessels()) {
        const emu::VesselRecord* v = world.vessel(h);
        known.vessels.insert(v->details->serial);
        // A vessel flown off to infinity beside a focus there is at no
        // distance a sort can order: it goes last.
        double distance = focus ? Distance(v->pos, focus->pos) : 0.0;
        byDistance.push_back({std::isnan(distance) ? HUGE_VAL : distance, v});
    }
    size_t shown = std::min(byDistance.size(), vesselsShown);
    std::partial_sort(byDistance.begin(), byDistance.begin() + long(shown), byDistance.end(),
                      [](const auto& a, const auto& b) { return a.first < b.first; });
    for (const emu::MfdMode& m : host_.mfds().modes())
        known.modes.insert(m.name);
    known.full = recordingFull(runner::scenarioLimits.lineLength);

    FeedFrame frame;
    frame.focus = focus;
    if (planet) {
        frame.planetPos = planet->pos;
        frame.planetVel = planet->vel;
        frame.planetRadius = planet->radius;
    }
    frame.altitudes = recorder_ ? recorder_->record().planetView : script_.gravity;
    frame.since = world.simt - keptSeconds;

    std::ostringstream out;
    out << "{\"t\":" << JsonNumber(world.simt, 12) << ",\"paused\":" << (host_.paused() ? "true" : "false")
        << ",\"warp\":" << JsonNumber(host_.timeAcceleration()) << ",\"keepingUp\":" << (keepingUp_ ? "true" : "false")
        << ",\"ended\":" << (host_.runEnded() ? "true" : "false")
        << ",\"focus\":" << (focus ? std::to_string(focus->details->serial) : "null") << ",\"count\":" << world.vesselCount()
        << ",\"kept\":" << keptSeconds << ",\"planetView\":" << (frame.altitudes ? "true" : "false")
        << ",\"planetRadius\":" << JsonNumber(frame.planetRadius, 9) << ",\"vessels\":[";
    for (size_t i = 0; i < shown; ++i) {
        const emu::VesselRecord* v = byDistance[i].second;
        out << (i ? "," : "");
        WriteShownVessel(out, *v, byDistance[i].first, frame, recorder_ ? recorder_->trackOf(v->handle) : nullptr);
    }
    out << "],\"gone\":";
    if (recorder_)
        WriteGone(out, recorder_->record(), frame.since);
    else
        out << "[]";
    out << ",\"displays\":{";
    for (const char* name : displayNames) {
        std::string face = displayJson(name);
        if (face != "null")
            known.openDisplays.insert(name);
        out << (name == displayNames[0] ? "" : ",") << '"' << name << "\":" << face;
    }
    out << "},\"modes\":[";
    const char* comma = "";
    for (const std::string& m : known.modes) {
        out << comma << JsonString(m);
        comma = ",";
    }
    emu::InputBox& box = host_.inputBox();
    out << "],\"input\":"
        << (box.isOpen() ? "{\"title\":" + JsonString(box.title()) + ",\"text\":" + JsonString(box.initialText()) + "}"
                         : std::string("null"))
        << ",\"messageBox\":" << messageBoxJson() << ",\"scenarioCount\":" << savedScenarios_.count
        << ",\"scenarios\":[";
    comma = "";
    for (const std::string& name : savedScenarios_.names) {
        out << comma << JsonString(name);
        comma = ",";
    }
    out << "],\"debug\":" << JsonString(host_.debugLine()) << ",\"log\":{\"first\":" << lines_.dropped()
        << ",\"lines\":[";
    comma = "";
    for (const std::string& line : lines_.lines()) {
        out << comma << JsonString(line);
        comma = ",";
    }
    out << "]}}";

    {
        std::lock_guard<std::mutex> lock(published_);
        state_ = out.str();
        ++stateNumber_;
        known_ = std::move(known);
        clock_ = world.simt;
    }
    statePublished_.notify_all();
}

/* The last message box, numbered, so that the page shows each once; the
 * host answers every box at once, so the page's is for reading. */
std::string LiveSession::messageBoxJson()
{
    const std::vector<emu::MessageBoxRecord>& boxes = host_.messageBoxes();
    if (boxes.empty())
        return "null";
    return "{\"number\":" + std::to_string(host_.messageBoxCount()) + ",\"caption\":" + JsonString(boxes.back().caption) +
           ",\"text\":" + JsonString(boxes.back().text) + "}";
}

bool LiveSession::nextState(unsigned long long& seen, std::chrono::milliseconds wait, std::string& state)
{
    std::unique_lock<std::mutex> lock(published_);
    if (!statePublished_.wait_for(lock, wait, [&] { return stateNumber_ > seen; }))
        return false;
    seen = stateNumber_;
    state = state_;
    return true;
}

KnownWorld LiveSession::known() const
{
    std::lock_guard<std::mutex> lock(published_);
    return known_;
}

SavedList LiveSession::savedScenarios(const std::string& match) const
{
    return FindSavedScenarios(root_, match);
}

std::string LiveSession::scenario() const
{
    std::lock_guard<std::mutex> lock(published_);
    return RecordedWorld(script_) + taken_ + RecordedEnd(clock_);
}

}  // namespace live
