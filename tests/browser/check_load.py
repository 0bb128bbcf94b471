#!/usr/bin/python3
"""Checks, in headless Chromium, what a reader of the flight report of a run
with a load in it sees: the header counts each bomb once and says what went
with the session; the events keep flight order, with a marker where the
session changed between what went and what the load made; two bombs of
one name are two entries in every legend, in the frame list and in the
views; and each vessel the load brings back from the save is the one saved.

    check_load.py SIM SCENARIO

SCENARIO fires two bombs with the same settings, then saves and loads.
"""
import os
import sys
import tempfile

from report_browser import Checks, chromium, console_errors, write_report

SEEN = """
const facts = {};
for (const f of document.querySelectorAll('#header .fact')) facts[f.querySelector('span').textContent] = f.querySelector('b').textContent;
const rows = [...document.querySelectorAll('#eventTable tbody tr')].map((r) => [r.dataset.kind, parseFloat(r.cells[0].textContent), r.cells[2].textContent]);
const legends = [...document.querySelectorAll('.legend')].map((l) => [...l.querySelectorAll('.item')].map((i) => i.textContent));
const frames = [...document.querySelectorAll('.viewControls select option')].map((o) => o.textContent);
const s = window.flightReport, data = JSON.parse(document.getElementById('flight').textContent);
const bomb = data.vessels.find((v) => data.classes[v.c] === 'nuke');
s.setTime(bomb.t[0] + 1);
const drawn = Object.values(s.drawn)[0].map((p) => p[5]);
const rocks = s.charts.find((c) => c.title === 'Rocks alive');
const alive = rocks && rocks.series[0].v, ticks = rocks && rocks.yTicks;
// each vessel the load brought back, as drawn after the load and as the
// one it was saved as was drawn before it
const loadAt = rows.find((r) => r[2].startsWith('loaded the host scenario'))[1];
const labelsAt = (t) => { s.setTime(t); return new Map(Object.values(s.drawn)[0].map((p) => [p[5], p[6]])); };
const before = labelsAt(loadAt - 1), after = labelsAt(loadAt + 1);
const byId = new Map(data.vessels.map((v, i) => [v.id, i]));
const loadedBack = [...after.keys()].filter((i) => data.vessels[i].same !== undefined)
  .map((i) => [data.vessels[i].name, after.get(i), before.get(byId.get(data.vessels[i].same))]);
const speedChart = [...document.querySelectorAll('.chart')].find((c) => c.querySelector('h3').textContent.startsWith('Speed'));
const speeds = speedChart && [...speedChart.querySelectorAll('.legend .item')].map((i) => i.textContent);
return { facts, rows, legends, frames, drawn, loadedBack, speeds, verdict: document.getElementById('verdict').textContent,
  alive: alive && alive[alive.length - 1], ticks, rocksAlive: data.counts.rocksAlive };
"""


def open_report(sim, scenario, prefix):
    """Runs the scenario with a report and opens the report in headless
    Chromium: the driver, expect(ok, what) and its list of failures."""
    folder = tempfile.mkdtemp(prefix=prefix)
    report = write_report(sim, scenario, folder)
    expect = Checks()
    driver = chromium(folder)
    driver.get("file://" + os.path.abspath(report))
    errors = console_errors(driver)
    expect(not errors, "no console error " + repr(errors[:3]))
    return driver, expect, expect.failures


def finish(driver, failures):
    driver.quit()
    if failures:
        print("%d check(s) failed" % len(failures))
        sys.exit(1)


def main():
    driver, expect, failures = open_report(sys.argv[1], sys.argv[2], "brimstar-load-")
    try:
        seen = driver.execute_script(SEEN)
        facts, rows = seen["facts"], seen["rows"]
        expect(facts.get("bombs fired / detonated") == "2 / 2",
               "the header counts the two bombs once each, fired and detonated: %r" % facts.get("bombs fired / detonated"))
        gone = facts.get("vessels removed with the session")
        expect(gone is not None and int(gone) >= 4,
               "the header says the two ships and two bombs, at least, went with the session: %r" % gone)
        expect(seen["verdict"].startswith("2 bombs fired"), "the verdict says two bombs were fired: " + seen["verdict"][:60])
        times = [t for _, t, _ in rows]
        expect(times == sorted(times), "the events are in flight order, never back in time")
        loaded = [(i, t) for i, (k, t, text) in enumerate(rows) if text.startswith("loaded the host scenario")]
        saved = [i for i, (k, t, text) in enumerate(rows) if text.startswith("saved the host scenario")]
        expect(len(loaded) == 1 and saved and loaded[0][0] > saved[0] and loaded[0][1] == 12,
               "the load is shown 12 s into the flight, after the save, not at the clock it set back: %r" % loaded)
        kinds = [k for k, _, _ in rows]
        expect(kinds.count("session") == 1, "one session marker")
        if "session" in kinds:
            at = kinds.index("session")
            moment = rows[at][1]
            before = [text for k, t, text in rows[:at] if t == moment and k == "deleted"]
            after = [text for k, t, text in rows[at + 1:] if t == moment and k == "created"]
            expect(kinds[at - len(before):at] == ["deleted"] * len(before) and str(len(before)) == gone and
                   all(t.endswith("(removed with the session)") for t in before),
                   "just before the marker the old session's vessels go with it: %r" % before)
            expect(len(after) >= 4 and all("made by the load" in t for t in after),
                   "after it the load makes its own: %r" % after)
        removed = [text for k, _, text in rows if k == "deleted" and not text.startswith("R-")]
        expect(not any("by damage" in t or "range" in t for t in removed), "no ship or bomb went by damage or by range: %r" % removed)
        expect(seen["alive"] is not None and seen["alive"] == seen["rocksAlive"] and seen["alive"] > 0,
               "the rocks alive at the end are still counted there: the chart ends at %r, %r are alive" % (seen["alive"], seen["rocksAlive"]))
        expect(seen["ticks"] and all(t == int(t) for t in seen["ticks"]), "rocks are counted in whole numbers: %r" % seen["ticks"])
        for items in seen["legends"]:
            expect(len(set(items)) == len(items), "a legend names each series once: %r" % items)
        frames = seen["frames"]
        expect(len(set(frames)) == len(frames), "the frame list names each frame once: %r" % frames)
        blasts = [f for f in frames if f.startswith("the blast of")]
        expect(len(blasts) >= 2, "each of the two bombs of one name has its own blast frame: %r" % blasts)
        back = seen["loadedBack"]
        expect(len(back) >= 4 and all(after == before for _, after, before in back),
               "each ship and bomb the load brought back is the one saved, by its label: %r" % back)
        expect(sorted(seen["speeds"] or []) == ["GL-01", "Station-1"],
               "a ship saved and loaded back is one entry in the speed chart's legend: %r" % seen["speeds"])
        drawn = seen["drawn"]
        expect(len(set(drawn)) == len(drawn) and len(drawn) >= 4,
               "the view draws each vessel once, the two bombs apart: %r" % drawn)
    finally:
        finish(driver, failures)


if __name__ == "__main__":
    main()
