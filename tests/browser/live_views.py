#!/usr/bin/python3
"""The live page's world, drawn by the flight report's views, in headless
Chromium: a bomb fired by the scenario goes off, and the view shows its
detonation and offers its frame; in that frame a vessel it pushed draws
away from the blast's point; clicking a vessel in the view makes it the
focus. Run at 1000x for a while, the page keeps no point older than the
server's window. A world loaded from an earlier moment starts the views
afresh. Then a world of 1,000 vessels at 10x: the page keeps
drawing; it prints how many states a second it draws and how long one
drawing takes.

    live_views.py SIM WORLD.scn
"""
import os
import shutil
import sys
import tempfile
import time

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import Select

from live_browser import chrome, errors_in, start, stop, wait_for

# The test world's own vessels, with a bomb fired from GL-01 at 1 s that
# goes off 10 s later.
BOMB = """
at 1 open Weapons on GL-01 as W
at 1 key W P
at 1 type 50
at 1 button W BMB
"""


# The close view's frames, and its marks and vessels as last drawn.
VIEW = """
const w = window.liveViews, title = w.views[0].title;
return {frames: [...w.views[0].choose.options].map(o => o.text), shown: w.views[0].frame.name,
        marks: w.clock.marks[title] || [], drawn: w.clock.drawn[title] || [], t: w.clock.t};
"""


def view(driver):
    return driver.execute_script(VIEW)


def from_blast(driver, vessel):
    """How far the vessel is drawn from the blast's point, and when."""
    v = view(driver)
    if not v["shown"].startswith("the blast of"):
        sys.exit("the view left the blast's frame: " + v["shown"])
    spot = next((p for p in v["drawn"] if p[0] == vessel), None)
    return (spot[3] ** 2 + spot[4] ** 2) ** 0.5 if spot else None, v["t"]


def blast(driver, sim, world, folder):
    scenario = os.path.join(folder, "bomb.scn")
    with open(world) as f, open(scenario, "w") as out:
        out.write(f.read() + BOMB)
    process, address = start(sim, scenario)
    try:
        driver.get(address)
        wait_for(driver, "the first state", lambda d: d.execute_script("return window.liveViews.clock.t > 0"))
        Select(driver.find_element(By.ID, "warp")).select_by_value("10")
        wait_for(driver, "the blast's frame on offer", lambda d: any(f.startswith("the blast of B1") for f in view(d)["frames"]))
        wait_for(driver, "the detonation's mark", lambda d: any(m[0] == "detonation" for m in view(d)["marks"]))
        # until the reader picks a frame, the first on offer is shown: the blast's
        first, then = from_blast(driver, "ISS-A")
        wait_for(driver, "two more seconds of the world", lambda d: view(d)["t"] > then + 2)
        second, later = from_blast(driver, "ISS-A")
        if not (first and second and second > first):
            sys.exit(f"ISS-A did not draw away from the blast's point in the view: {first} m at {then} s, "
                     f"{second} m at {later} s")
        print(f"ISS-A from the blast's point, as the view draws it: {first:.0f} m at {then:.1f} s, "
              f"{second:.0f} m at {later:.1f} s")
        # Paused, the vessels stay where they are drawn: one is clicked there.
        driver.find_element(By.ID, "pause").click()
        wait_for(driver, "the pause", lambda d: d.find_element(By.ID, "pace").text == "paused")
        time.sleep(0.5)
        canvas = driver.find_element(By.CSS_SELECTOR, "#views canvas")
        spot = next(p for p in view(driver)["drawn"] if p[0] == "ISS-B")
        width, height = canvas.size["width"], canvas.size["height"]
        ActionChains(driver).move_to_element_with_offset(canvas, spot[1] - width / 2, spot[2] - height / 2).click().perform()
        wait_for(driver, "the focus on ISS-B, clicked in the view",
                 lambda d: d.execute_script("const r = document.querySelector('#vessels tr.focus'); return r && r.dataset.vessel;") == "ISS-B")
        print("a click on ISS-B in the view put it in focus")
        # Long after: nothing older than the window is kept.
        driver.find_element(By.ID, "pause").click()
        Select(driver.find_element(By.ID, "warp")).select_by_value("1000")
        wait_for(driver, "an hour of the world", lambda d: view(d)["t"] > 3600, 60)
        oldest = driver.execute_script("""
            const w = window.liveViews, window_ = w.clock.t - 600;
            return w.source.vessels.map(v => [v.name, v.t.length > 1 ? v.t[1] - window_ : 0, v.end]);""")
        stale = [o for o in oldest if o[1] < 0]
        if stale:
            sys.exit(f"points older than the window are kept: {stale}")
        names = [o[0] for o in oldest]
        if any(n.startswith("Nuke") for n in names):
            sys.exit(f"the bomb, gone long ago, is still kept: {names}")
        print(f"after {view(driver)['t']:.0f} s, {len(names)} vessels kept, no point older than the window")
        errors_in(driver)
    finally:
        stop(driver, process)


# The span of the points the page keeps, over every vessel.
SPAN = """
const times = window.liveViews.source.vessels.flatMap(v => v.t);
return [Math.min(...times), Math.max(...times), window.liveViews.clock.t];
"""


def load_earlier(driver, sim, world, folder):
    """A world loaded from an earlier moment: the views start afresh from it,
    keeping nothing of the later world it replaced."""
    root = os.path.join(folder, "root")
    shutil.copytree(os.path.join(os.path.dirname(os.path.abspath(sim)), "..", "root"), root)
    process, address = start(sim, world, "--root", root)
    try:
        driver.get(address)
        wait_for(driver, "the first state", lambda d: d.execute_script("return window.liveViews.clock.t > 0"))
        driver.execute_script("send({do: 'save', name: 'early'})")
        wait_for(driver, "the saved scenario on offer", lambda d: "early" in d.execute_script("return state.scenarios"))
        saved = view(driver)["t"]
        Select(driver.find_element(By.ID, "warp")).select_by_value("100")
        wait_for(driver, "a minute of the world", lambda d: view(d)["t"] > saved + 60)
        # back to real time first: at 100x the loaded clock passes saved + 30
        # in a third of a second, sooner than a busy machine's page may look
        Select(driver.find_element(By.ID, "warp")).select_by_value("1")
        driver.execute_script("send({do: 'load', name: 'early'})")
        wait_for(driver, "the loaded world", lambda d: view(d)["t"] < saved + 30)
        first, last, now = driver.execute_script(SPAN)
        if last > now or first < saved - 1:
            sys.exit(f"after the load at {now} s the views keep points from {first} s to {last} s")
        print(f"after a load back to {saved:.1f} s the views keep points from {first:.1f} s to {last:.1f} s only")
        errors_in(driver)
    finally:
        stop(driver, process)


DRAWING = """
const w = window.liveViews, started = performance.now();
for (let i = 0; i < 10; i++) w.draw();
return [(performance.now() - started) / 10, w.clock.drawn[w.views[0].title].length];
"""


def thousand_vessels(driver, sim, folder):
    world = os.path.join(folder, "thousand.scn")
    with open(world, "w") as f:
        f.write("planet Earth radius 6371000 gm 3.986004418e14\ngravity on\nstep 0.1\n")
        for i in range(1000):
            f.write(f"vessel S{i} class Ship pos 7000000 {(i % 40) * 500} {(i // 40) * 500} vel 0 7546 0\n")
        f.write("focus S0\n")
    process, address = start(sim, world)
    try:
        driver.get(address)
        wait_for(driver, "the thousand vessels", lambda d: len(view(d)["drawn"]) == 1000)
        Select(driver.find_element(By.ID, "warp")).select_by_value("10")
        time.sleep(5)
        fps = driver.execute_script("return window.framesPerSecond();")
        ms, drawn = driver.execute_script(DRAWING)
        pace = driver.find_element(By.ID, "pace").text
        print(f"1,000 vessels at 10x: the page draws {fps} states a second, a drawing of its views takes {ms:.1f} ms "
              f"({drawn} vessels in the close view); the world: {pace}")
        if fps < 2:
            sys.exit(f"the page draws only {fps} states a second")
        errors_in(driver)
    finally:
        stop(driver, process)


def main():
    sim, world = sys.argv[1], sys.argv[2]
    driver = chrome()
    try:
        with tempfile.TemporaryDirectory() as folder:
            blast(driver, sim, world, folder)
            load_earlier(driver, sim, world, folder)
            thousand_vessels(driver, sim, folder)
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
