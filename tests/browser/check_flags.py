#!/usr/bin/python3
"""Checks, in headless Chromium, that the flight report does not draw what
is not so as if it were: a vessel below the planet's surface is labelled so
in both views and named in the header; a speed above light's is named in
the header, left out of the speed chart and not offered as a speed.

    check_flags.py SIM SCENARIO

SCENARIO places "Deep" inside the planet and flings "Flung" faster than light.
"""
import sys

from check_load import finish, open_report

SEEN = """
const s = window.flightReport, facts = {};
for (const f of document.querySelectorAll('#header .fact')) facts[f.querySelector('span').textContent] = f.querySelector('b').textContent;
s.setTime(2);
const labels = {};
for (const [title, drawn] of Object.entries(s.drawn)) labels[title] = Object.fromEntries(drawn.map((p) => [p[0], p[6]]));
const speed = s.charts.find((c) => c.title.startsWith('Speed'));
const speeds = Object.fromEntries(speed.series.map((x) => [x.name, x.v]));
return { facts, labels, speeds };
"""


def main():
    driver, expect, failures = open_report(sys.argv[1], sys.argv[2], "brimstar-flags-")
    try:
        seen = driver.execute_script(SEEN)
        facts = seen["facts"]
        expect(facts.get("below the planet's surface at some moment") == "Deep",
               "the header names the vessel below the surface: %r" % facts)
        expect(facts.get("faster than light (not charted) at some moment") == "Flung",
               "the header names the vessel faster than light: %r" % facts)
        for view, labels in seen["labels"].items():
            expect("below the surface" in (labels.get("Deep") or ""), "view '%s' labels Deep below the surface: %r" % (view, labels))
            expect("below the surface" not in (labels.get("GL-01") or "-"), "view '%s' labels GL-01 as it is: %r" % (view, labels))
        speeds = seen["speeds"]
        expect(speeds.get("Flung") and all(v is None for v in speeds["Flung"]),
               "the speed chart draws none of Flung's speeds: %r" % (speeds.get("Flung") or [])[:3])
        expect(speeds.get("GL-01") and all(v is not None for v in speeds["GL-01"]), "and all of GL-01's")
    finally:
        finish(driver, failures)


if __name__ == "__main__":
    main()
