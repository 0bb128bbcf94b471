/* What a flight report shows, as plain data: the run's figures, each
 * vessel's thinned track, the bombs' pushes, the screens shown and every
 * event, with times in seconds of simulation time, run on across a time
 * jump and a load (see recorder.h). */
#ifndef BRIMSTAR_RUNNER_REPORT_FLIGHT_RECORD_H
#define BRIMSTAR_RUNNER_REPORT_FLIGHT_RECORD_H

#include <cstdint>
#include <string>
#include <vector>

namespace report {

/* What a moment of a track holds that is not so: drawn as such, never as
 * if it were a normal place or speed. */
enum PointFlag { belowSurface = 1, fasterThanLight = 2 };

/* One moment of a vessel's flight. */
struct TrackPoint {
    double t = 0;
    double rel[3] = {};     // relative to the vessel in focus, m
    double planet[3] = {};  // relative to the planet, m
    double altitude = 0;    // above the planet's surface, m
    double speed = 0;       // relative to the planet, m/s
    double force = 0;       // what the bombs pushed it with in this step, N
    double level = 0;       // a bomb's blast level, 0 to 1
    int flags = 0;          // PointFlag bits
};

/* Who made a vessel: only the module's own acts fire bombs and spawn rocks. */
enum class Origin { module, scenario, load };

struct VesselTrack {
    std::string name;
    std::string className;
    double created = 0;
    double deleted = -1;          // -1 while it exists
    double triggerHeight = -1;    // a bomb's altitude trigger, m; -1 for none
    double detonated = -1;        // when a bomb's blast began; -1 for never
    std::vector<TrackPoint> points;
    std::vector<double> hits;     // a rock's contacts
    std::uint64_t serial = 0;     // the host's creation order: names repeat
    std::uint64_t identity = 0;   // who it is: its serial, or that of the vessel a save of this run held
    double size = 0;              // its radius as the host knows it, m
    int session = 0;              // from 0; each load starts another
    Origin origin = Origin::module;
};

/* How far one bomb was from one vessel it pushed, over the blast. */
struct PushSeries {
    int bomb = 0;
    int target = 0;
    std::vector<double> t;
    std::vector<double> distance;
};

struct TextOnScreen {
    int x = 0;
    int y = 0;
    std::string text;
};

/* A display as it was drawn when the pilot looked at it. */
struct ShownScreen {
    double t = 0;
    std::string name;
    std::string mode;  // the display's mode, as registered
    std::string title;
    int width = 0;
    int height = 0;
    std::vector<TextOnScreen> texts;
    std::vector<std::string> buttons;  // in the host's order
};

enum class EventKind { created, deleted, blast, message, debug, input, pilot, screen, ended, touchdown, jump, session };

struct Event {
    double t = 0;
    EventKind kind = EventKind::pilot;
    int subject = -1;  // index into the tracks, or into the screens for a screen; -1 for none
    std::string text;
};

enum class CollisionState { complete, incomplete, absent };

struct Counts {
    int created = 0, deleted = 0;
    int bombsFired = 0, bombsDetonated = 0;
    int rocksSpawned = 0, rocksByDamage = 0, rocksByRange = 0;
    int contacts = 0, messageBoxes = 0;
    int removedWithSession = 0;  // gone because a load ended their session
    int vesselsPushed = 0;       // by a bomb, whether their tracks are kept or not
    int rocksAlive = 0;          // made and not gone, by whatever made them
};

/* How a run that did not reach its end ended; empty kind for one that did. */
struct Ending {
    std::string kind;  // "failed", "interrupted", "halted"
    double t = 0;
    std::string text;  // the rest of "the run ...": "stopped at t = 3.00 s by an error: ..."
};

struct FlightRecord {
    std::string scenario;
    std::string comment;
    double step = 0;
    long steps = 0;
    double simulated = 0;
    double wallSeconds = 0;
    double planetRadius = 0;
    bool planetView = false;
    Counts counts;
    CollisionState collision = CollisionState::complete;
    Ending ending;
    std::vector<VesselTrack> vessels;
    std::vector<PushSeries> pushes;
    int pushesLeftOut = 0;  // pairs beyond what the page draws
    int vesselsLeftOut = 0;  // vessels beyond the tracks the page is given
    long eventsLeftOut = 0;  // dropped from the middle of a flight's events
    long rockTracksLeftOut = 0;  // departed rocks' tracks forgotten, with their events
    long debugFolded = 0;    // debug lines folded into the first and last alike
    std::vector<double> focusChanges;
    std::vector<ShownScreen> screens;
    std::vector<Event> events;
};

}  // namespace report

#endif
