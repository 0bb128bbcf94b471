#!/usr/bin/python3
"""Flies the live page in headless Chromium as a pilot would, with the mouse
and the keyboard alone: Weapons opened on display L by its mode selector,
the power button pressed, 50 typed into the input box and confirmed, the
bomb fired with the B key, the world run at 10x until the blast; a station
pushed by it draws away. The session, paused and taken home as a scenario,
plays back in brimstar-sim to the same trace, byte for byte; its flight
report so far tells of the bomb, and display L on the page shows word for
word what the replay's log prints of it. Clicking a vessel in the list
moves the focus, and the display follows it; a second page sees the same
world, which runs on when it goes; the host's scenario saved and loaded
from the page is a new session in the replay too. Without the collision
library, the module's message box at the start is shown on the page.
(live_views.py checks the world's views, and 1,000 vessels at 10x.)

    fly_live.py SIM WORLD.scn [--screenshot PNG]
"""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time
import urllib.request

from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.by import By
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import Select

from live_browser import chrome, errors_in, start, stop, wait_for


ROWS = """
return [...document.querySelectorAll('#vessels tbody tr')].map(r => [...r.cells].map(c => c.textContent));
"""


def distance_in_list(driver, vessel):
    """The vessel's distance from the focus, as the list shows it; read in
    one go, since the list is redrawn as the world moves."""
    for cells in driver.execute_script(ROWS):
        if cells[0] == vessel:
            value, unit = cells[2].split()
            return float(value) * {"m": 1, "km": 1e3, "Mm": 1e6}[unit]
    return None


# The display's face as the page draws it: its title and every text.
FACE = """
return [...document.querySelectorAll('#display-L .face span')].map(s => s.textContent);
"""
# A host scenario the page saves in the root folder; gone when the check ends.
SAVED = f"browser check {os.getpid()}"


def ROOT(sim):
    """The emulated root brimstar-sim uses unless told another."""
    return os.path.join(os.path.dirname(sim), "..", "root")


def focus_on(driver, vessel):
    driver.execute_script(f"document.querySelector(\"#vessels tr[data-vessel='{vessel}']\").click();")
    wait_for(driver, f"the focus on {vessel}",
             lambda d: d.execute_script("const r = document.querySelector('#vessels tr.focus'); return r && r.dataset.vessel;") == vessel)


def save_and_load(driver):
    """Saves the host's scenario from the page and loads it back: a new
    session, every display closed."""
    driver.find_element(By.ID, "save-name").send_keys(SAVED)
    driver.find_element(By.ID, "save").click()
    wait_for(driver, "the saved scenario on offer",
             lambda d: SAVED in d.execute_script("return [...document.getElementById('saved').options].map(o => o.value);"))
    Select(driver.find_element(By.ID, "saved")).select_by_value(SAVED)
    driver.find_element(By.ID, "load").click()
    wait_for(driver, "the load", lambda d: f"loaded the host scenario {SAVED}.scn" in d.find_element(By.ID, "log").text)
    wait_for(driver, "display L closed by the load",
             lambda d: Select(d.find_element(By.CSS_SELECTOR, "#display-L select")).first_selected_option.text == "none")


def clock(driver):
    return float(driver.find_element(By.ID, "clock").text.split()[2])


def two_pages(driver, address):
    """A second page sees the same world as the first; when it goes, the
    world runs on."""
    first = driver.current_window_handle
    seen = clock(driver)
    driver.switch_to.new_window("tab")
    driver.get(address)
    wait_for(driver, "the second page's clock", lambda d: d.find_element(By.ID, "clock").text != "t = 0 s" and clock(d) > seen)
    wait_for(driver, "the second page's display", lambda d: "Nuke Power" in "".join(d.execute_script(FACE)))
    second_face, left = driver.execute_script(FACE), clock(driver)
    driver.close()
    driver.switch_to.window(first)
    if driver.execute_script(FACE) != second_face:
        sys.exit(f"two pages show two displays:\n{driver.execute_script(FACE)}\n{second_face}")
    wait_for(driver, "the world to run on after the second page went", lambda d: clock(d) > left + 1)


def fly_one_bomb(driver, sim, scenario, folder, screenshot):
    trace, log_file, report_file = (os.path.join(folder, name) for name in ("live.csv", "live.log", "ended.html"))
    process, address = start(sim, scenario, "--trace", trace, "--log", log_file, "--report", report_file)
    try:
        driver.get(address)
        display = driver.find_element(By.ID, "display-L")
        wait_for(driver, "the mode list", lambda d: len(Select(display.find_element(By.CSS_SELECTOR, "select")).options) > 1)
        ActionChains(driver).move_to_element(display).perform()
        Select(display.find_element(By.CSS_SELECTOR, "select")).select_by_value("Weapons")
        button = lambda label: next((b for b in display.find_elements(By.CSS_SELECTOR, ".side button") if b.text == label), None)
        wait_for(driver, "the Weapons display's buttons", lambda d: button("POW"))
        button("POW").click()
        box = wait_for(driver, "the input box", lambda d: d.find_element(By.ID, "input-box").get_attribute("open") is not None and d.find_element(By.ID, "input-text"))
        if "power" not in driver.find_element(By.ID, "input-title").text.lower():
            sys.exit("the input box does not ask for the power: " + driver.find_element(By.ID, "input-title").text)
        box.send_keys(Keys.CONTROL, "a")
        box.send_keys("50", Keys.ENTER)
        wait_for(driver, "the display to show 50 kt", lambda d: "50.000000" in display.find_element(By.CSS_SELECTOR, ".face").text)
        log = driver.find_element(By.ID, "log").text
        if 'typed "50" into "Select power (Kt)": accepted' not in log:
            sys.exit("the log does not say the 50 was taken:\n" + log)
        wait_for(driver, "the answer beside the displays",
                 lambda d: d.find_element(By.ID, "answer").text == 'typed "50" into "Select power (Kt)": accepted')
        # Fired from the keyboard, the pointer over the display: B, sent as
        # the host's key code and written down by its name.
        ActionChains(driver).move_to_element(display.find_element(By.CSS_SELECTOR, ".face")).send_keys("b").perform()
        wait_for(driver, "the bomb", lambda d: "key B on L" in d.find_element(By.ID, "log").text
                 and "created Nuke/10.000000/3.000000/50.000000" in d.find_element(By.ID, "log").text)
        before = wait_for(driver, "ISS-A in the list", lambda d: distance_in_list(d, "ISS-A"))
        Select(driver.find_element(By.ID, "warp")).select_by_value("10")
        wait_for(driver, "the blast", lambda d: re.search(r"pushed|N on", d.find_element(By.ID, "log").text), 60)
        time.sleep(1.0)
        first = distance_in_list(driver, "ISS-A")
        time.sleep(1.0)
        second = distance_in_list(driver, "ISS-A")
        if not before < first < second:
            sys.exit(f"ISS-A did not draw away from the blast: {before} m, then {first} m, then {second} m")
        print(f"ISS-A from GL-01: {before:.0f} m before the blast, {first:.0f} m, then {second:.0f} m")
        if screenshot:
            driver.save_screenshot(screenshot)
        # The focus follows a click in the list, and the display follows the
        # focus: ISS-B's Weapons, then GL-01's again, with its 50 kt.
        face_text = lambda d: d.find_element(By.CSS_SELECTOR, "#display-L .face").text
        for vessel, shows_50 in (("ISS-B", False), ("GL-01", True)):
            focus_on(driver, vessel)
            wait_for(driver, f"display L to show {vessel}'s Weapons",
                     lambda d: "Nuke Power" in face_text(d) and ("50.000000" in face_text(d)) == shows_50
                     and Select(d.find_element(By.CSS_SELECTOR, "#display-L select")).first_selected_option.text == "Weapons")
        save_and_load(driver)
        # The load closed every display; Weapons again, on ISS-B.
        focus_on(driver, "ISS-B")
        Select(display.find_element(By.CSS_SELECTOR, "select")).select_by_value("Weapons")
        wait_for(driver, "Weapons on ISS-B", lambda d: "Nuke Power" in face_text(d))
        two_pages(driver, address)
        driver.find_element(By.ID, "pause").click()
        wait_for(driver, "the pause", lambda d: d.find_element(By.ID, "pace").text == "paused")
        time.sleep(0.3)
        shown = driver.execute_script(FACE)
        scenario_text = urllib.request.urlopen(address + "scenario").read().decode()
        report = urllib.request.urlopen(address + "report", timeout=60).read().decode()
        if "<!DOCTYPE html>" not in report or "ISS-A" not in report or "Nuke/10.000000/3.000000/50.000000" not in report:
            sys.exit("the flight report so far does not tell the flight: " + report[:300])
        errors_in(driver)
    finally:
        stop(driver, process)
    # Ctrl-C wrote every output whole, telling how the flight ended: by its
    # pilot, the normal end, not a fault.
    with open(log_file) as f:
        ending = f.read().splitlines()
    with open(report_file) as f:
        ended_report = f.read()
    if (not any("ended by the pilot (Ctrl-C)" in line for line in ending) or '"ending":{"kind":"ended"' not in ended_report
            or "Nuke/10.000000/3.000000/50.000000" not in ended_report):
        sys.exit("the log and the report written at the stop do not tell the flight to its end:\n" + "\n".join(ending[-5:]))
    exported = os.path.join(folder, "live.scn")
    # Played back, with the display printed in the log at the moment the
    # page was paused at: looking at it changes nothing.
    end = re.search(r"^run (\S+)$", scenario_text, re.M).group(1)
    with open(exported, "w") as f:
        f.write(scenario_text.replace(f"run {end}", f'at {end} show "L"\nrun {end}'))
    replay = os.path.join(folder, "replay.csv")
    played = subprocess.run([sim, exported, "--trace", replay], capture_output=True, text=True)
    if played.returncode != 0:
        sys.exit(f"the exported scenario does not play back (exit {played.returncode}): {played.stderr}\n"
                 f"{played.stdout[-3000:]}\nthe scenario:\n{scenario_text}")
    played_log = played.stdout
    os.remove(os.path.join(ROOT(sim), SAVED + ".scn"))
    lines = played_log[played_log.rindex("screen of L"):].splitlines()[1:]
    screen = [line.strip(" |+-") for line in lines[:next(i for i, line in enumerate(lines) if not line.startswith("    "))]]
    logged = sorted(" ".join(screen).replace("L: ", "", 1).split())
    if sorted(" ".join(shown).split()) != logged:
        sys.exit(f"the page's display is not the log's:\n{shown}\n{screen}")
    print("display L on the page shows what the log prints of it, word for word")
    with open(trace, "rb") as a, open(replay, "rb") as b:
        live, played = a.read(), b.read()
    # The live trace ends saying how it was stopped; the trajectory is the rest.
    stopped = re.search(rb"# the run was ended by the pilot \(Ctrl-C\) at [^\n]*\n$", live)
    if not stopped:
        sys.exit("the live trace does not end saying the pilot ended the flight: " + repr(live[-200:]))
    live = live[:stopped.start()]
    if live != played:
        sys.exit(f"the exported scenario replays another trajectory ({len(live)} bytes live, {len(played)} replayed); "
                 f"the scenario:\n{scenario_text}")
    print(f"the exported scenario replays the live trace byte for byte ({len(live)} bytes)")
    report_file = os.path.join(folder, "live-report.html")
    with open(report_file, "w") as f:
        f.write(report)
    subprocess.run([os.path.join(os.path.dirname(os.path.abspath(__file__)), "load_time.py"), report_file,
                    "--within", "20"], check=True)


def message_box(driver, sim, scenario, folder):
    """Without the collision library the module says so in a message box at
    the start; a page opened later shows it, and OK closes it."""
    root = os.path.join(folder, "root")
    shutil.copytree(ROOT(sim), root, ignore=shutil.ignore_patterns("*.scn"))
    os.remove(os.path.join(root, "modules", "collision.dll"))
    process, address = start(sim, scenario, "--root", root)
    try:
        driver.get(address)
        wait_for(driver, "the message box", lambda d: d.find_element(By.ID, "message-box").get_attribute("open") is not None)
        caption = driver.find_element(By.ID, "message-caption").text
        if caption != "Error!" or not driver.find_element(By.ID, "message-text").text:
            sys.exit(f"the message box reads {caption!r}: {driver.find_element(By.ID, 'message-text').text!r}")
        driver.find_element(By.CSS_SELECTOR, "#message-box button").click()
        wait_for(driver, "OK to close the box", lambda d: d.find_element(By.ID, "message-box").get_attribute("open") is None)
        time.sleep(0.5)
        if driver.find_element(By.ID, "message-box").get_attribute("open") is not None:
            sys.exit("the message box came back")
        print("the module's message box, shown at the start, is shown on the page and closed by OK")
    finally:
        stop(driver, process)


def main():
    sim, scenario = sys.argv[1], sys.argv[2]
    screenshot = sys.argv[4] if len(sys.argv) == 5 and sys.argv[3] == "--screenshot" else None
    driver = chrome()
    try:
        with tempfile.TemporaryDirectory() as folder:
            fly_one_bomb(driver, sim, scenario, folder, screenshot)
            message_box(driver, sim, scenario, folder)
    finally:
        driver.quit()


if __name__ == "__main__":
    main()
