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
import subprocess
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROME_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--window-size=1280,1000", "--hide-scrollbars"]


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

# Distinct colours drawn on each canvas: a blank one has one or two.
COLOURS = """
return [...document.querySelectorAll('canvas')].map((c) => {
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


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("sim")
    parser.add_argument("scenario")
    parser.add_argument("--screenshot")
    parser.add_argument("--keep")
    args = parser.parse_args()
    folder = args.keep or tempfile.mkdtemp(prefix="brimstar-report-")
    os.makedirs(folder, exist_ok=True)
    report = os.path.join(folder, "report.html")
    log = os.path.join(folder, "flight.log")
    subprocess.run([args.sim, args.scenario, "--quiet", "--report", report, "--log", log], check=False)
    failures = []

    def expect(ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            failures.append(what)

    options = webdriver.ChromeOptions()
    for flag in CHROME_FLAGS + ["--user-data-dir=" + os.path.join(folder, "chromium")]:
        options.add_argument(flag)
    options.binary_location = "/usr/bin/chromium"
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    try:
        driver.get("file://" + os.path.abspath(report))
        errors = [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]
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
        driver.execute_script("window.flightReport.setTime(window.flightReport.showcase)")
        if os.path.basename(args.scenario).startswith("04-"):
            rocks = driver.execute_script(ROCKS, 50)
            apart = {(round(x / 4), round(y / 4)) for x, y in rocks}
            expect(len(rocks) >= 3 and len(apart) == len(rocks),
                   "rocks at 50 s are distinct in the focus view: %d rocks, %d places" % (len(rocks), len(apart)))
            xs = [x for x, _ in rocks]
            expect(rocks and max(xs) - min(xs) > 60, "the rock field spreads over the view, not a dot")
        if args.screenshot:
            driver.set_window_size(1280, 1000)
            height = driver.execute_script("return document.documentElement.scrollHeight")
            driver.set_window_size(1280, min(height, 2200))
            driver.execute_script("window.flightReport.setTime(arguments[0])",
                                  driver.execute_script("return window.flightReport.showcase"))
            driver.save_screenshot(args.screenshot)
            expect(os.path.getsize(args.screenshot) > 20000, "the screenshot is not blank")
        errors = [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]
        expect(not errors, "no console error while it was used " + repr(errors[:3]))
    finally:
        driver.quit()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
