/* Records a run for its flight report: watches the host and the flight log
 * and keeps, as plain data, what the page draws, and no more. Its cost is
 * bounded by the page, not by the run: tracks are thinned as they come into
 * buckets of the run's real length; at most maxTracks vessels keep a track,
 * spread over the run; push series are capped as the page caps them, and a
 * bomb's pairs are forgotten when it goes; debug lines that differ only in
 * their numbers fold in each bucket to the first and the last. A run flown
 * past its planned length (a live flight has none) doubles its buckets and
 * thins what it holds again each time the clock doubles the span they
 * cover, and keeps at most maxEvents events, the first half of them and the
 * latest, counting those it drops. Rocks come and go for as long as the
 * flight lasts: past maxDepartedRocks of them gone, the older ones' tracks
 * are thinned out, and counted. Any length costs what the planned one does.
 *
 * Its times are the flight's: the world's clock, but carried on across a
 * time jump or a load rather than sent back, so that tracks, charts and
 * events stay in the order they were flown. A load is a new session: what
 * the old one held goes with it, and what the file brings back is made by
 * the load, neither fired nor spawned again. A vessel a load makes is the
 * one it was saved as only when the file is, line for line, one this run
 * saved (of the latest few): then it keeps that vessel's identity. Any
 * other vessel of a name seen before is a vessel of its own. */
#ifndef BRIMSTAR_RUNNER_REPORT_RECORDER_H
#define BRIMSTAR_RUNNER_REPORT_RECORDER_H

#include "flight_record.h"
#include "track_thinner.h"

#include "emulator/host/host.h"
#include "emulator/runner/outputs/flight_log.h"
#include "emulator/runner/script/scenario_script.h"

#include <chrono>
#include <deque>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>
#include <utility>

namespace report {

/* The most vessels whose tracks the page is given */
extern const size_t maxTracks;
/* The most events kept */
extern const size_t maxEvents;
/* The most tracks of rocks that have gone: a flight makes them for ever */
extern const size_t maxDepartedRocks;
/* The most saves whose vessels a load is matched against */
extern const size_t maxSavesRemembered;

class Recorder : public emu::HostObserver, public runner::LogListener {
public:
    Recorder(emu::Host& host, const runner::Script& script, size_t trackLimit = maxTracks);

    void vesselCreated(const emu::VesselRecord& v) override;
    void vesselDeleted(const emu::VesselRecord& v) override;
    void messageBox(const emu::MessageBoxRecord& box) override;
    void debugLineChanged(const std::string& line) override;
    void inputBoxOpened(const std::string& title) override;
    void forceAdded(const emu::VesselRecord& target, const VECTOR3& force, const emu::VesselRecord* source) override;
    void touchedDown(const emu::VesselRecord& v, const emu::Touchdown& where) override;
    void forcesIntegrated() override;
    void timeJumped(double from, double to) override;
    void scenarioSaved(const std::vector<std::string>& lines) override;
    void scenarioLoading(const std::vector<std::string>& lines) override;
    void sessionEnding() override;
    void sessionStarted() override;
    void fault(const std::string& what) override;
    void runEnded() override;

    void noted(const std::string& text) override;
    void screenShown(const std::string& name, const emu::Screen& screen, const emu::Display& display) override;
    void runFinished(const runner::RunEnding& ending) override;

    /* The record of the run so far, every open bucket closed. */
    const FlightRecord& finish();
    /* The record as it stands, its last points still in their buckets. */
    const FlightRecord& record() const { return record_; }
    /* The track of a vessel that exists and keeps one, or nullptr. */
    const VesselTrack* trackOf(OBJHANDLE vessel) const;

private:
    struct Live {
        int index;
        TrackThinner thinner;
        VECTOR3 force{0, 0, 0};
    };
    /* Who a save holds, in its order: each vessel's name, hashed, and identity. */
    using SavedVessels = std::vector<std::pair<size_t, std::uint64_t>>;
    struct Saved {
        std::uint64_t digest;  // of its lines
        SavedVessels vessels;
    };
    struct Push {
        int pair;
        double distance;
    };

    /* The flight's time: the world's clock, shifted by the jumps and loads
     * so far; while a load builds the next session, when the last one ended. */
    double now() const { return loading_ ? sessionEnd_ : host_.world().simt + shift_; }
    /* Who made a vessel just created: the scenario places its own, in its
     * order, before the first step. */
    Origin originOf(const emu::VesselRecord& v);
    /* Who a living vessel is: itself, or the vessel a save held. */
    std::uint64_t identityOf(const emu::VesselRecord& v) const;
    void event(EventKind kind, int subject, const std::string& text);
    void flushAll();
    void findContacts();
    void recordPushes();
    /* Doubles the buckets and thins the tracks and pushes to them. */
    void widenBuckets();
    /* Forgets every other older track of a rock that has gone. */
    void thinDepartedRocks();
    /* Whether a vessel made now keeps a track: the allowance grows with the
     * clock over the run, so a run that makes thousands keeps some of every
     * part of it. */
    bool keepsTrack() const;

    emu::Host& host_;
    FlightRecord record_;
    size_t trackLimit_;
    double runEnd_;  // the run's planned end, from its duration or its last action
    double bucket_;
    double span_;  // what the buckets cover: the planned end, doubled as the clock passes it
    std::string debugShape_;  // the last debug line, its numbers masked
    double debugBucket_ = -1;
    int debugAlike_ = 0;  // debug events alike at the end of the events, in this bucket
    std::chrono::steady_clock::time_point started_;
    std::map<OBJHANDLE, Live> live_;
    OBJHANDLE lastFocus_ = nullptr;
    double lastStep_ = 0;  // the time the last step ended
    double shift_ = 0;     // what the jumps took off the clock
    std::map<std::pair<int, int>, int> pairs_;  // (bomb, target) to its push series, -1 when left out
    std::vector<Push> stepPushes_;
    std::set<std::pair<OBJHANDLE, OBJHANDLE>> touching_;
    size_t departedRocks_ = 0;  // tracks kept of rocks that have gone
    std::vector<std::string> ownVessels_;  // the scenario's, in its order
    size_t placed_ = 0;                    // of them, made so far
    bool loading_ = false;                 // between a session's end and the next one's start
    double sessionEnd_ = 0;                // the flight's time when it ended
    int session_ = 0;
    std::unordered_set<OBJHANDLE> struck_;  // living rocks that have had a contact
    std::unordered_set<OBJHANDLE> pushed_;  // living vessels a bomb has pushed
    std::string fault_;                     // what ended the run, if a fault did
    std::deque<Saved> saves_;               // the latest few, newest last
    SavedVessels loadingAs_;  // while a load of a save builds its session
    size_t loadingNext_ = 0;  // of them, the next the load makes
    // living vessels that are ones saved before: serial to identity
    std::unordered_map<std::uint64_t, std::uint64_t> continuing_;
};

/* A bomb's blast level, 0 to 1: its thrusters' highest. */
double BlastLevel(const emu::VesselRecord& v);

/* The comment lines a scenario file opens with, without their "#". */
std::string LeadingComment(const std::string& path);

}  // namespace report

#endif
