#!/usr/bin/python3
"""Checks a scenario's flight report in headless Chromium, as a reader would
see it: it loads without a console error, the slider moves the vessels,
every chart has points, each display shows the lines the flight log shows,
and the page is not blank.

    check_report.py SIM SCENARIO [--screenshot PNG] [--keep DIR]

SIM is brimstar-sim; it writes the report and the log into a fresh folder.
Selenium drives Chromium through chromedriver (Debian's python3-selenium and
chromium-driver): it reads the console and runs the checks in the page.
"""
import argparse
import os
import re
import sys
import tempfile

from report_browser import Checks, chromium, console_errors, write_report


def log_screens(log_text):
    """The screens the flight log drew: (title line, [rows]) in order."""
    screens = []
    lines = log_text.splitlines()
    for i, line in enumerate(lines):
        if re.match(r"^\[ *[-0-9.]+\] screen of ", line):
            top = lines[i + 1]
            rows = []
            for row in lines[i + 2:]:
                if row.startswith("    +"):
                    break
                rows.append(row[5:-1].rstrip())
            screens.append((top, rows))
    return screens


PAGE_ROWS = """
// The rows of each shown display, laid out from the page's own text
// elements the way the host lays out its canvas: 16 px a row, 8 px a column.
return [...document.querySelectorAll('figure.screen')].map((fig) => {
  const svg = fig.querySelector('svg');
  const width = Number(svg.getAttribute('viewBox').split(' ')[2]);
  const rows = new Map();
  for (const t of svg.querySelectorAll('text[data-y]')) {
    const r = Math.floor(Number(t.dataset.y) / 16), c = Math.max(0, Math.floor(Number(t.dataset.x) / 8));
    let row = rows.get(r) || '';
    if (row.length < c) row = row.padEnd(c, ' ');
    const text = t.textContent;
    rows.set(r, row.slice(0, c) + text + row.slice(c + Math.min(text.length, row.length - c)));
  }
  const last = Math.max(0, ...rows.keys());
  const cut = Math.max(20, Math.floor(width / 8));
  const out = [];
  for (let r = 1; r <= last; r++) out.push((rows.get(r) || '').slice(0, cut).replace(/\\s+$/, ''));
  return { title: svg.querySelector('text.title').textContent, rows: out };
});
"""

MOVE = """
const s = window.flightReport, slider = document.getElementById('slider');
const positions = () => JSON.stringify(Object.values(s.drawn));
slider.value = 0; slider.dispatchEvent(new Event('input'));
const before = positions();
slider.value = 700; slider.dispatchEvent(new Event('input'));
return [before, positions(), s.t];
"""

CHARTS = """
return window.flightReport.charts.map((c) => [c.title, c.points]);
"""

# Distinct colours drawn on each view and chart: a blank one has one or two.
COLOURS = """
return [...document.querySelectorAll('.view > canvas, .plotArea canvas.base')].map((c) => {
  const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data, seen = new Set();
  for (let i = 0; i < d.length && seen.size < 50; i += 4 * 97) seen.add(d[i] << 16 | d[i + 1] << 8 | d[i + 2]);
  return seen.size;
});
"""

# Rocks in the focus view at a moment: their pixels, inside the view.
ROCKS = """
window.flightReport.setTime(arguments[0]);
const drawn = Object.values(window.flightReport.drawn)[0];
return drawn.filter((p) => p[0].startsWith('R-')).map((p) => [p[1], p[2]]);
"""


# Every frame the flight view offers, and in each the detonation marks at
# the blast's moment and at the end, beside where each bomb was drawn when it
# went off: [frame, [[bomb, mark then, mark at the end, bomb then]]].
DETONATIONS = """
const s = window.flightReport, view = s.views[0], select = document.querySelector('.viewControls select');
const trail = document.getElementById('trail');
trail.value = 'Infinity'; trail.dispatchEvent(new Event('change'));
const data = JSON.parse(document.getElementById('flight').textContent), end = data.simulated;
data.vessels.forEach((v, i) => { v.index = i; });
const bombs = data.vessels.filter((v) => data.classes[v.c] === 'nuke' && v.detonated !== undefined);
const out = [];
for (let f = 0; f < s.frames.length; f++) {
  select.value = f; select.dispatchEvent(new Event('change'));
  const rows = [];
  for (const b of bombs) {
    s.setTime(b.detonated);
    const mark = () => (s.marks[view.title].find((m) => m[0] === 'detonation' && m[4] === b.index) || []).slice(2, 4);
    const then = mark(), drawn = s.drawn[view.title].find((p) => p[5] === b.index);
    s.setTime(end);
    rows.push([b.name, then, mark(), drawn ? drawn.slice(3, 5) : null]);
  }
  out.push([s.frames[f].name, rows, view.ext]);
}
select.value = 0; select.dispatchEvent(new Event('change'));
trail.selectedIndex = 0; trail.dispatchEvent(new Event('change'));
return out;
"""

# Where each vessel was drawn at the end in the first frame, and the first
# detonation mark: [[name, a, b]], [a, b].
AT_THE_END = """
const s = window.flightReport, view = s.views[0];
s.setTime(JSON.parse(document.getElementById('flight').textContent).simulated);
const star = s.marks[view.title].find((m) => m[0] === 'detonation');
return [s.drawn[view.title].map((p) => [p[0], p[3], p[4]]), star ? star.slice(2, 4) : null];
"""

CONTACT_ROWS = """
const filter = document.getElementById('eventFilter');
filter.value = 'contact'; filter.dispatchEvent(new Event('change'));
const rows = [...document.querySelectorAll('#eventTable tbody tr')].filter((r) => r.dataset.kind === 'contact').length;
filter.value = ''; filter.dispatchEvent(new Event('change'));
return rows;
"""

SERIES_COLOURS = """
return window.flightReport.charts.map((c) => [c.title, c.colors]);
"""


def flight_data(driver):
    return driver.execute_script("return JSON.parse(document.getElementById('flight').textContent)")


def check_story(driver, expect, scenario):
    """The flight as a pilot reads it: detonations where the bombs went off,
    in every frame; contacts as events; the pushed vessels named at the top;
    series told apart by colour."""
    data = flight_data(driver)
    for frame, rows, ext in driver.execute_script(DETONATIONS):
        for bomb, then, later, drawn in rows:
            close = lambda p, q: p and q and max(abs(p[0] - q[0]), abs(p[1] - q[1])) <= 1e-6 * max(1.0, ext)
            expect(close(then, drawn), "frame '%s': %s's mark is where it went off (%s, %s)" % (frame, bomb, then, drawn))
            expect(close(then, later), "frame '%s': %s's mark stays there to the end (%s, %s)" % (frame, bomb, then, later))
    pushed = [v["name"] for v in data["vessels"] if "f" in v and data["classes"][v["c"]] != "nuke"]
    verdict = driver.execute_script("return document.getElementById('verdict').textContent")
    for name in pushed[:6]:
        expect(name in verdict, "the header names %s, which was pushed" % name)
    if not pushed:
        expect("pushed" in verdict or "No bomb" in verdict, "the header says nothing was pushed")
    if data["counts"]["contacts"]:
        rows = driver.execute_script(CONTACT_ROWS)
        expect(rows == data["counts"]["contacts"], "%d contact rows for %d contacts" % (rows, data["counts"]["contacts"]))
    for title, colours in driver.execute_script(SERIES_COLOURS):
        expect(len(set(colours)) == len(colours), "chart '%s': no two series share a colour" % title)
    if os.path.basename(scenario).startswith("01-"):
        drawn, star = driver.execute_script(AT_THE_END)
        far = {n: ((a - star[0]) ** 2 + (b - star[1]) ** 2) ** 0.5 for n, a, b in drawn}
        expect(all(far.get(n, 0) > 10000 for n in ("ISS-A", "ISS-B", "GL-01")),
               "at the end the ships are thrown more than 10 km from the blast's point: %s" % far)


def check_sizes(driver, expect, report):
    """No console error at the two window sizes and in a full-page capture."""
    for width, height in ((1280, 800), (1600, 1000), (1280, 0)):
        driver.set_window_size(width, height or 800)
        driver.get("file://" + os.path.abspath(report))
        if not height:
            full = driver.execute_script("return document.documentElement.scrollHeight")
            driver.set_window_size(width, min(full, 8000))
            driver.execute_script("window.flightReport.setTime(window.flightReport.showcase)")
            driver.get_screenshot_as_png()
        errors = [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]
        expect(not errors, "no console error at %dx%s %r" % (width, height or "full page", errors[:3]))


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("sim")
    parser.add_argument("scenario")
    parser.add_argument("--screenshot")
    parser.add_argument("--keep")
    args = parser.parse_args()
    folder = args.keep or tempfile.mkdtemp(prefix="brimstar-report-")
    os.makedirs(folder, exist_ok=True)
    log = os.path.join(folder, "flight.log")
    report = write_report(args.sim, args.scenario, folder, "--log", log)
    expect = Checks()
    driver = chromium(folder)
    try:
        driver.get("file://" + os.path.abspath(report))
        errors = console_errors(driver)
        expect(not errors, "no console error " + repr(errors[:3]))
        before, after, t = driver.execute_script(MOVE)
        expect(before != after, "the slider (t = %.2f s) moves the vessels in the views" % t)
        charts = driver.execute_script(CHARTS)
        expect(len(charts) > 0, "the page has charts")
        for title, points in charts:
            expect(points > 0, "chart '%s' has %d points" % (title, points))
        with open(log, encoding="utf-8", errors="replace") as f:
            expected = log_screens(f.read())
        shown = driver.execute_script(PAGE_ROWS)
        expect(len(shown) == len(expected), "%d displays on the page, %d in the log" % (len(shown), len(expected)))
        for page, (top, rows) in zip(shown, expected):
            expect(page["title"] in top, "display title '%s' is the log's" % page["title"])
            expect(page["rows"] == rows, "display lines are the log's: %r" % rows[:3])
        colours = driver.execute_script(COLOURS)
        expect(all(c > 4 for c in colours), "no canvas is blank (colours %s)" % colours)
        check_story(driver, expect, args.scenario)
        driver.execute_script("window.flightReport.setTime(window.flightReport.showcase)")
        if os.path.basename(args.scenario).startswith("04-"):
            rocks = driver.execute_script(ROCKS, 50)
            apart = {(round(x / 4), round(y / 4)) for x, y in rocks}
            expect(len(rocks) >= 3 and len(apart) == len(rocks),
                   "rocks at 50 s are distinct in the focus view: %d rocks, %d places" % (len(rocks), len(apart)))
            xs = [x for x, _ in rocks]
            expect(rocks and max(xs) - min(xs) > 60, "the rock field spreads over the view, not a dot")
        if args.screenshot:
            # the first screen a reader sees: the verdict and the flight view
            driver.set_window_size(1280, 800)
            driver.get("file://" + os.path.abspath(report))
            driver.execute_script("window.flightReport.setTime(window.flightReport.showcase)")
            driver.save_screenshot(args.screenshot)
            expect(os.path.getsize(args.screenshot) > 20000, "the screenshot is not blank")
        errors = [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]
        expect(not errors, "no console error while it was used " + repr(errors[:3]))
        check_sizes(driver, expect, report)
    finally:
        driver.quit()
    return 1 if expect.failures else 0


if __name__ == "__main__":
    sys.exit(main())
