#!/usr/bin/python3
"""Checks a flight report in headless Chromium for what a pilot reading it
asks of it: the legend names each vessel once, a trail starts where its
vessel was first drawn, a blast's event shows that blast's frame, large
numbers are grouped, the verdict and the main view share the first screen,
the views as the clock moves and zoomed are the views drawn afresh,
a picked chart's crosshair reads the record's values, the time axis zooms
and pans, the keys play, the link holds the moment, a chart's CSV holds its
numbers, a chart of zeros says so, displays read apart, and playback keeps
its frame rate.

    report_reader.py SIM SCENARIO [--fps N] [--screenshot PNG]
    report_reader.py SIM --generated thousand|twins

SIM is brimstar-sim; it writes the report into a fresh folder. --generated
writes the scenario first: a thousand vessels about a station, or two bombs
of one name. --fps asks playback for at least N frames a second.
--screenshot saves the first screen as the report opens, before the checks.
"""
import argparse
import csv
import io
import math
import os
import re
import sys
import tempfile
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys

from report_browser import Checks, chromium, console_errors, write_report

PLANET = "planet Earth radius 6371000 gm 3.986004418e14\n"


def thousand_vessels():
    """A thousand ships in a ball about a station, and one bomb among them."""
    lines = [PLANET, "gravity on\n", "vessel Station class Station pos 7000000 0 0 vel 0 0 7546\n"]
    for i in range(1000):
        a, b = 2 * math.pi * i / 1000, math.pi * ((i * 7) % 1000) / 1000
        r = 1000 + 20 * (i % 50)
        lines.append("vessel V-%03d class Ship pos %.1f %.1f %.1f vel 0 0 7546\n"
                     % (i, 7000000 + r * math.cos(a) * math.sin(b), r * math.sin(a) * math.sin(b), r * math.cos(b)))
    lines += ["focus Station\n", "step 1\n", "at 1 open Weapons on V-000 as W\n", "at 1 key W P\n", "at 1 type 1\n",
              "at 1 key W L\n", "at 1 type 5\n", "at 1 key W B\n", "run 40\n"]
    return "".join(lines)


def twin_bombs():
    """Two bombs fired alike, so of one name, at different moments."""
    return (PLANET + "vessel GL-01 class Ship pos 7000000 0 0\nvessel ISS-A class Ship pos 7000000 0 3000\n"
            "focus ISS-A\nstep 0.25\n"
            "at 1 open Weapons on GL-01 as W\nat 1 key W P\nat 1 type 5\nat 1 key W L\nat 1 type 4\nat 1 key W B\n"
            "at 3 key W B\nrun 20\n")


FLIGHT = "return JSON.parse(document.getElementById('flight').textContent)"

# The vessels' legend, opened: [index] of each entry.
LEGEND = """
const d = document.querySelector('.vesselLegend'); d.open = true; d.dispatchEvent(new Event('toggle'));
return [...d.querySelectorAll('.item')].map((i) => Number(i.dataset.index));
"""

# For vessels with a track, the whole run as trail: the trail's first point
# at a later moment, and where the vessel was drawn at its first recorded
# moment. [[index, trail's first point, drawn then, the view's reach]]
TRAILS = """
const s = window.flightReport, view = s.views[0], trail = document.getElementById('trail');
trail.value = 'Infinity'; trail.dispatchEvent(new Event('change'));
const out = [];
for (const [index, first, later] of arguments[0]) {
  s.setTime(first);
  const drawn = s.drawn[view.title].find((p) => p[5] === index);
  s.setTime(later);
  const start = (s.trailStarts[view.title] || []).find((p) => p[0] === index);
  out.push([index, start ? start.slice(1, 3) : null, drawn ? drawn.slice(3, 5) : null, view.ext]);
}
trail.selectedIndex = 0; trail.dispatchEvent(new Event('change'));
return out;
"""

# Each view held still as the clock moves on by a tenth of the run, then
# zoomed in: each picture against the view drawn afresh there (in another
# plane and back, so nothing drawn before is reused). [[title, what, same]]
MOVED_AND_AFRESH = """
const s = window.flightReport, out = [], step = (s.span.to - s.span.from) * 0.05;
const compare = (view, what) => {
  const seen = view.canvas.toDataURL(), plane = view.plane;
  view.plane = plane[0] === 0 && plane[1] === 1 ? [0, 2] : [0, 1]; view.draw();
  view.plane = plane; view.draw();
  out.push([view.title, what, view.canvas.toDataURL() === seen]);
};
for (const view of s.views) {
  view.auto = false;
  s.setTime(s.showcase - step); s.setTime(s.showcase + step);
  compare(view, 'as the clock moves');
  view.canvas.parentNode.querySelector('button[title=closer]').click();
  compare(view, 'zoomed in');
  view.fitAll();
}
return out;
"""

# Blasts' rows clicked, the first ones and some later (past the twenty frames
# offered at first): [[what the row says, the frame's bomb then, the frame's name]].
BLASTS = """
const s = window.flightReport, filter = document.getElementById('eventFilter');
filter.value = 'blast'; filter.dispatchEvent(new Event('change'));
const out = [], rows = [...document.querySelectorAll('#eventTable tbody tr')].filter((r) => r.dataset.kind === 'blast');
for (const row of rows.filter((r, i) => i < 3 || i % Math.max(1, Math.floor(rows.length / 8)) === 0 || i === rows.length - 1)) {
  row.click();
  const bomb = s.views[0].frame.bomb;
  out.push([row.cells[2].textContent, bomb ? bomb.index : null, s.views[0].choose.selectedOptions[0].textContent]);
}
filter.value = ''; filter.dispatchEvent(new Event('change'));
return out;
"""

# At each contact given [t, rock, reach], the close view zoomed onto the
# rock, reach metres from it to the edge: the vessels whose drawn size the
# rock's touches. [[t, rock, [names], rings drawn]]
TOUCH = """
const s = window.flightReport, view = s.views[0], out = [];
for (const [t, rock, reach] of arguments[0]) {
  s.setTime(t);
  const at = s.drawn[view.title].find((p) => p[5] === rock);
  if (!at) continue;
  view.center = [at[3], at[4]]; view.ext = reach; view.auto = false; view.draw();
  const drawn = s.drawn[view.title], sizes = new Map(s.sizes[view.title]), r = drawn.find((p) => p[5] === rock);
  const touching = drawn.filter((p) => p[5] !== rock && sizes.has(p[5]) && Math.hypot(p[1] - r[1], p[2] - r[2]) <= sizes.get(p[5]) + (sizes.get(rock) || 3.5) + 3);
  out.push([t, rock, touching.map((p) => p[0]), sizes.size]);
}
view.fitAll();
return out;
"""

FIRST_SCREEN = """
const r = (e) => e.getBoundingClientRect();
return [window.innerHeight, r(document.getElementById('verdict')).top, r(document.getElementById('verdict')).bottom,
  r(document.querySelector('.view > canvas')).top, r(document.querySelector('.view > canvas')).bottom];
"""

# A chart's readout with the pointer at a fraction of its width: the time
# read and each [name, value] shown.
READ_AT = """
const c = window.flightReport.charts.find((c) => c.title === arguments[0]), area = c.box.querySelector('.plotArea');
const b = area.getBoundingClientRect(), x = Math.round(b.left + c.geo.l + c.geo.pw * arguments[1]), y = Math.round(b.top + b.height / 2);
area.dispatchEvent(new MouseEvent('mousemove', { clientX: x, clientY: y, bubbles: true }));
const read = [window.flightReport.hover.t, c.reading.values.map((v) => [v[0], v[1]])];
area.dispatchEvent(new MouseEvent('mouseleave', { bubbles: true }));
return read;
"""

WHEEL = """
const c = window.flightReport.charts[0], area = c.box.querySelector('.plotArea'), b = area.getBoundingClientRect();
const x = Math.round(b.left + c.geo.l + c.geo.pw * 0.25);
const at = c.geo.T(x - b.left);
area.dispatchEvent(new WheelEvent('wheel', { deltaY: -100, clientX: x, clientY: b.top + 50, bubbles: true, cancelable: true }));
return [at, window.flightReport.span.from, window.flightReport.span.to, c.geo.T(x - b.left)];
"""

FPS = """
const done = arguments[0], play = document.getElementById('play'), s = window.flightReport;
s.setTime(s.showcase);
let frames = 0;
const t0 = performance.now(), from = s.t;
play.click();
(function count() {
  frames++;
  if (performance.now() - t0 < 2500) requestAnimationFrame(count);
  else { play.click(); done([frames / (performance.now() - t0) * 1000, s.t - from]); }
})();
"""


def si_value(text):
    """'12.3 km/s' as 12300."""
    value, unit = text.split()
    scale = {"m": 1e-3, "k": 1e3, "M": 1e6, "G": 1e9, "T": 1e12}
    prefix = unit[0] if len(unit) > 1 and unit[0] in scale and unit not in ("m/s", "m") else ""
    return float(value.replace(",", "")) * scale.get(prefix, 1)


def interpolate(ts, vs, t):
    for i in range(len(ts) - 1):
        if ts[i] <= t <= ts[i + 1]:
            f = (t - ts[i]) / (ts[i + 1] - ts[i]) if ts[i + 1] > ts[i] else 0
            return vs[i] + (vs[i + 1] - vs[i]) * f
    return None


def who(v):
    """Who a track's vessel is: a load of this run's save brings back the one saved."""
    return v.get("same", v["id"])


def firsts(vessels):
    """Each vessel's first track, by its place in the record."""
    seen = set()
    return [i for i, v in enumerate(vessels) if not (who(v) in seen or seen.add(who(v)))]


def value_at(vessels, i, key, t):
    """A vessel's value at t, from whichever of its sessions' tracks holds t."""
    for v in vessels:
        if who(v) == who(vessels[i]) and key in v:
            value = interpolate(v["t"], v[key], t)
            if value is not None:
                return value
    return None


def struck_in_record(vessels, rock, t):
    """Whether the record holds the rock and a vessel it touches at t, both
    at points of their own tracks."""
    def place(v):
        return [v[k][v["t"].index(t)] for k in ("wx", "wy", "wz")] if "wx" in v and t in v["t"] else None
    p = place(vessels[rock])
    for i, v in enumerate(vessels):
        q = place(v) if i != rock else None
        if p and q and math.dist(p, q) <= (vessels[rock].get("r", 0) + v.get("r", 0)) * 1.05:
            return True
    return False


def check(driver, expect, report, args):
    data = driver.execute_script(FLIGHT)
    vessels = data["vessels"]
    height, top, bottom, view_top, view_bottom = driver.execute_script(FIRST_SCREEN)
    expect(top >= 0 and bottom <= height and view_bottom <= height + 1,
           "at 1280x800 the verdict (%d-%d) and the main view (%d-%d) are on the first screen (%d)" % (top, bottom, view_top, view_bottom, height))
    if args.fps:
        fps, moved = driver.execute_async_script(FPS)
        expect(fps >= args.fps and moved > 0, "playback of the page as opened draws %.1f frames a second (at least %d), the clock moving %.0f s"
               % (fps, args.fps, moved))

    # past two thousand the legend lists the first two thousand and finds the rest
    indices = driver.execute_script(LEGEND)
    own = firsts(vessels)[:2000]
    expect(sorted(indices) == own, "the views' legend has one entry for each of the %d vessels (%d entries)"
           % (len(own), len(indices)))
    if len(vessels) > 2000:
        found = driver.execute_script("""
const d = document.querySelector('.vesselLegend'), q = d.querySelector('input');
q.value = arguments[0]; q.dispatchEvent(new Event('input'));
return [...d.querySelectorAll('.item')].map((i) => Number(i.dataset.index));""", vessels[-1]["name"])
        expect(len(vessels) - 1 in found, "the legend finds %s, the last vessel, by its name" % vessels[-1]["name"])
    ships = sum(1 for i in firsts(vessels) if data["classes"][vessels[i]["c"]] not in ("nuke", "roid"))
    cut = driver.execute_script("const o = document.querySelector('select[aria-label=frame] option.leftOut'); return o && o.textContent;")
    if ships > 30:
        left = ships - 30
        expect(cut is not None and ("%s more ship" % (format(left, ",") if left >= 10000 else left)) in cut,
               "the frame list says the %d ships it leaves out: %r" % (ships - 30, cut))
    else:
        expect(cut is None or "ship" not in cut, "the frame list leaves out no ship of %d: %r" % (ships, cut))
    symbols = driver.execute_script("return [...document.querySelectorAll('.viewLegend .symbol')].map((e) => e.textContent)")
    expect(any("detonation" in s for s in symbols) and any("blast" in s for s in symbols) and any("contact" in s for s in symbols),
           "the views' legend tells the symbols and the blast's shading: %s" % symbols)

    tracked = [(i, v["t"][0], min(data["simulated"], v["t"][-1])) for i, v in enumerate(vessels)
             if len(v["t"]) > 2 and v["t"][-1] > v["t"][0]][:12]
    for index, start, drawn, ext in driver.execute_script(TRAILS, tracked):
        close = start and drawn and max(abs(start[0] - drawn[0]), abs(start[1] - drawn[1])) <= 1e-6 * max(1.0, ext)
        expect(close, "%s's trail starts where it was drawn at its first moment (%s, %s)" % (vessels[index]["name"], start, drawn))

    # a contact, seen from a few of its rock's radii (or of the largest
    # vessel's, which it may have struck), touches what it struck; where the
    # record holds the rock's place at that moment (a thinned track's line
    # between points is not where it was)
    largest = max(v.get("r", 0) for v in vessels)
    hits = [(t, i) for t, i in sorted((t, i) for i, v in enumerate(vessels) for t in v.get("hits", []) if v.get("r", 0) > 0)
            if struck_in_record(vessels, i, t)][:5]
    if hits:
        seen = driver.execute_script(TOUCH, [[t, i, reach] for t, i in hits for reach in (6 * vessels[i]["r"], 3 * (vessels[i]["r"] + largest))])
        expect(any(names for _, _, names, _ in seen), "a contact is seen to touch the vessel it struck: %s" % seen)

    for title, what, same in driver.execute_script(MOVED_AND_AFRESH):
        expect(same, "the view '%s' %s is the view drawn afresh" % (title, what))

    blasts = driver.execute_script(BLASTS)
    kinds = data["eventKinds"]
    expected = [e[2] for e in data["events"] if kinds[e[1]] == "blast"][:2000]
    expected = [b for i, b in enumerate(expected) if i < 3 or i % max(1, len(expected) // 8) == 0 or i == len(expected) - 1]
    wrong = [b[2] for b, want in zip(blasts, expected) if b[1] != want]
    expect(len(blasts) == len(expected) and not wrong, "each of the %d blasts' events shows that blast's frame %s" % (len(expected), wrong[:3]))

    figures = driver.execute_script("return [...document.querySelectorAll('.fact b, #eventTable td:first-child, .chartHead h3, #eventCount')].map((e) => e.textContent)")
    expect(not [f for f in figures if re.search(r"(?<![\d.])\d{5}", f)], "large numbers are grouped: %s" % [f for f in figures if re.search(r"(?<![\d.])\d{5}", f)][:3])


    captions = driver.execute_script("return [...document.querySelectorAll('figcaption')].map((e) => e.textContent)")
    expect(len(set(captions)) == len(captions), "each display has its own caption: %s" % captions)
    for title, note, zeros in driver.execute_script(
            "return window.flightReport.charts.map((c) => [c.title, c.note.textContent, c.series.every((s) => s.v.every((v) => v === null || v === 0)) && !c.series.some((s) => s.bars)])"):
        expect(not zeros or note, "chart '%s' is all zeros only where it says so ('%s')" % (title, note))

    check_picker(driver, expect, data)
    check_time_axis(driver, expect, data)
    check_link(driver, expect, data, report)
    check_export(driver, expect, data)


def pick(driver, quantity, first, second=None):
    """Picks with the page's own controls: quantity, vessel, other; Plot."""
    picker = driver.find_element(By.ID, "picker")
    driver.execute_script("""
const [q, a, b] = arguments, sel = document.querySelectorAll('#picker select');
sel[0].value = q; sel[0].dispatchEvent(new Event('change'));
sel[1].value = a; if (b !== null) sel[2].value = b;""", quantity, str(first), None if second is None else str(second))
    picker.find_element(By.XPATH, ".//button[text()='Plot']").click()


def check_picker(driver, expect, data):
    """Two speeds on one picked chart, and a distance; the crosshair reads
    each at the pointer as the record's values say."""
    vessels = data["vessels"]
    moving = [i for i in firsts(vessels) if "s" in vessels[i] and len(vessels[i]["t"]) > 3][:2]
    with_place = [i for i in firsts(vessels) if "wx" in vessels[i] and len(vessels[i]["t"]) > 3][:2]
    if len(moving) < 2 or len(with_place) < 2:
        return
    for i in moving:
        pick(driver, "s", i)
    pick(driver, "d", with_place[0], with_place[1])
    titles = driver.execute_script("return window.flightReport.charts.map((c) => [c.title, c.series.length])")
    speed = [n for t, n in titles if t.startswith("Speed relative to the planet (picked)")]
    expect(speed == [2], "two speeds picked share one chart: %s" % titles)
    expect(any(t.startswith("Distance (picked)") for t, _ in titles), "the distance picked has its chart")
    t, values = driver.execute_script(READ_AT, "Speed relative to the planet (picked)", 0.37)
    expect(len(values) == 2, "the crosshair reads both series: %s" % values)
    for (name, text), i in zip(values, moving):
        want = value_at(vessels, i, "s", t)
        got = si_value(text) if text != "—" else None
        ok = want is None and got is None or (got is not None and want is not None and abs(got - want) <= 1e-3 * max(1.0, abs(want)))
        expect(ok, "at t = %.3f s the crosshair reads %s as %s, the record %s" % (t, name, text, want))
    t, values = driver.execute_script(READ_AT, "Distance (picked)", 0.5)
    pa = [value_at(vessels, with_place[0], k, t) for k in ("wx", "wy", "wz")]
    pb = [value_at(vessels, with_place[1], k, t) for k in ("wx", "wy", "wz")]
    if None not in pa + pb and values and values[0][1] != "—":
        want = math.dist(pa, pb)
        expect(abs(si_value(values[0][1]) - want) <= 1e-3 * max(1.0, want),
               "the distance read at t = %.3f s is %s, the record's %.4g m" % (t, values[0][1], want))


def check_time_axis(driver, expect, data):
    """The wheel narrows the span about the pointer; keys zoom, step, pan and play."""
    span0 = data["simulated"] - min(0, min(v.get("created", v["t"][0]) for v in data["vessels"]))
    at, frm, to, still = driver.execute_script(WHEEL)
    expect(to - frm < span0 * 0.9 and abs(still - at) <= 1e-6 * span0 + 1e-9,
           "the wheel narrows the charts' time (%.4g to %.4g s) keeping the moment under the pointer (%.6g, %.6g)" % (frm, to, at, still))
    driver.execute_script("window.flightReport.setTime(window.flightReport.showcase); document.activeElement.blur()")
    body = driver.find_element(By.TAG_NAME, "body")
    span = lambda: driver.execute_script("const s = window.flightReport.span; return [s.from, s.to]")
    before = span()
    ActionChains(driver).send_keys("+").perform()
    after = span()
    expect(after[1] - after[0] < (before[1] - before[0]) * 0.6, "+ zooms the time in: %s to %s" % (before, after))
    t0 = driver.execute_script("return window.flightReport.t")
    ActionChains(driver).send_keys(Keys.ARROW_RIGHT).perform()
    t1 = driver.execute_script("return window.flightReport.t")
    step = (after[1] - after[0]) / 100
    expect(abs((t1 - t0) - step) <= 1e-6 * step or t1 >= data["simulated"], "→ steps the clock a hundredth of the span (%.6g s, %.6g s)" % (t1 - t0, step))
    ActionChains(driver).send_keys(Keys.SPACE).perform()
    playing = driver.execute_script("return window.flightReport.playing")
    ActionChains(driver).send_keys(Keys.SPACE).perform()
    expect(playing and not driver.execute_script("return window.flightReport.playing"), "space plays and pauses")
    ActionChains(driver).send_keys(Keys.PAGE_DOWN).perform()
    moved = span()
    expect(abs((moved[0] - after[0]) - (after[1] - after[0]) / 2) <= 1e-6 * span0 or moved[1] >= span0 * 0.999,
           "Page Down pans the time by half the span: %s to %s" % (after, moved))
    ActionChains(driver).send_keys("0").perform()
    whole = span()
    expect(whole[1] - whole[0] >= span0 * 0.999, "0 shows the whole run again: %s" % whole)
    del body


def check_link(driver, expect, data, report):
    """The moment, frame, span and picks go into the link, and the link
    opened anew shows them."""
    frames = driver.execute_script("return window.flightReport.frames.length")
    driver.execute_script("""
const s = window.flightReport;
if (arguments[0] > 1) s.views[0].showFrame(1);
s.zoomTime(0.25, s.showcase);
s.setTime(s.span.from + (s.span.to - s.span.from) * 0.3);""", frames)
    time.sleep(0.5)
    shown = driver.execute_script("""
const s = window.flightReport;
return [location.hash, s.t, s.views[0].frames.indexOf(s.views[0].frame), s.span.from, s.span.to, s.picked.map((p) => p.q + p.a + (p.b || ''))];""")
    driver.get("file://" + os.path.abspath(report) + shown[0])
    again = driver.execute_script("""
const s = window.flightReport;
return [location.hash, s.t, s.views[0].frames.indexOf(s.views[0].frame), s.span.from, s.span.to, s.picked.map((p) => p.q + p.a + (p.b || ''))];""")
    same = all(abs(a - b) <= 1e-6 * max(1.0, abs(a)) for a, b in zip(shown[1:5], again[1:5])) and shown[5] == again[5]
    expect(shown[0].startswith("#t=") and same, "the link %s opens the same view: %s, %s" % (shown[0], shown[1:], again[1:]))


def check_export(driver, expect, data):
    """A chart's CSV holds its series' points within the span; its SVG draws a
    line for each series."""
    charts = driver.execute_script("return window.flightReport.charts.filter((c) => !c.series.some((s) => s.bars)).map((c) => c.title)")
    if not charts:
        return
    title = charts[0]
    driver.execute_script("""
const c = window.flightReport.charts.find((c) => c.title === arguments[0]);
[...c.box.querySelectorAll('.chartTools button')].find((b) => b.textContent === 'CSV').click();""", title)
    text = driver.execute_script("return window.flightReport.saved.text")
    rows = list(csv.reader(io.StringIO(text)))
    series = driver.execute_script("""
const c = window.flightReport.charts.find((c) => c.title === arguments[0]), s = window.flightReport.span;
return [c.series.map((x) => x.name), c.series.map((x) => x.t.map((t, i) => [t, x.v[i]]).filter(([t]) => t >= s.from && t <= s.to))];""", title)
    names, points = series
    expect([h.rsplit(" (", 1)[0] if "(" in h else h for h in rows[0][1:]] == names, "chart '%s': the CSV's columns are its series %s" % (title, rows[0][:4]))
    ok = True
    by_time = {float(r[0]): r[1:] for r in rows[1:]}
    for n, pts in enumerate(points):
        for t, v in pts[:: max(1, len(pts) // 20)]:
            cell = by_time.get(t, [None] * len(names))[n]
            ok = ok and (cell == "" if v is None else cell is not None and abs(float(cell) - v) <= 1e-9 * max(1.0, abs(v)))
    expect(ok and len(rows) > 1, "chart '%s': the CSV holds each series' points (%d rows)" % (title, len(rows) - 1))
    svg = driver.execute_script("""
const c = window.flightReport.charts.find((c) => c.title === arguments[0]);
[...c.box.querySelectorAll('.chartTools button')].find((b) => b.textContent === 'SVG').click();
return window.flightReport.saved.text;""", title)
    colours = driver.execute_script("return window.flightReport.charts.find((c) => c.title === arguments[0]).colors", title)
    expect(svg.startswith("<svg") and all(('stroke="%s"' % c) in svg for c in colours), "chart '%s': the SVG draws each series" % title)
    png = driver.execute_async_script("""
const done = arguments[1], s = window.flightReport, c = s.charts.find((c) => c.title === arguments[0]);
[...c.box.querySelectorAll('.chartTools button')].find((b) => b.textContent === 'PNG').click();
(function wait() { if (s.saved.name.endsWith('.png')) done(s.saved.text.slice(0, 22)); else setTimeout(wait, 50); })();""", title)
    expect(png == "data:image/png;base64,", "chart '%s': the PNG is a picture (%s)" % (title, png))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("sim")
    parser.add_argument("scenario", nargs="?")
    parser.add_argument("--generated", choices=["thousand", "twins"])
    parser.add_argument("--fps", type=float)
    parser.add_argument("--screenshot")
    args = parser.parse_args()
    folder = tempfile.mkdtemp(prefix="brimstar-reader-")
    scenario = args.scenario
    if args.generated:
        scenario = os.path.join(folder, args.generated + ".scn")
        with open(scenario, "w") as f:
            f.write(thousand_vessels() if args.generated == "thousand" else twin_bombs())
    report = write_report(args.sim, scenario, folder)
    expect = Checks()
    driver = chromium(folder)
    try:
        driver.set_window_size(1280, 800)
        driver.get("file://" + os.path.abspath(report))
        if args.screenshot:
            driver.save_screenshot(args.screenshot)
            expect(os.path.getsize(args.screenshot) > 20000, "the screenshot is not blank")
        if args.generated == "twins":
            data = driver.execute_script(FLIGHT)
            bombs = [v["name"] for v in data["vessels"] if data["classes"][v["c"]] == "nuke" and "detonated" in v]
            expect(len(bombs) == 2 and bombs[0] == bombs[1], "two bombs of one name went off: %s" % bombs)
        check(driver, expect, report, args)
        errors = console_errors(driver)
        expect(not errors, "no console error " + repr(errors[:3]))
    finally:
        driver.quit()
    return 1 if expect.failures else 0


if __name__ == "__main__":
    sys.exit(main())
