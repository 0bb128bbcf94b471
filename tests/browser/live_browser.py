"""What the live page's browser checks share: headless Chromium, brimstar-sim
--live started on a free port and stopped as a person stops it, and waits
that say what they waited for."""
import re
import signal
import subprocess
import sys

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.by import By
from selenium.webdriver.support.ui import WebDriverWait

CHROME_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--no-first-run", "--disable-background-networking",
                "--disable-component-update", "--disable-sync", "--window-size=1400,1000"]


def chrome():
    options = webdriver.ChromeOptions()
    for flag in CHROME_FLAGS:
        options.add_argument(flag)
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def start(sim, scenario, *extra):
    """brimstar-sim --live on a free port, and the address it printed."""
    process = subprocess.Popen([sim, scenario, "--live", "--quiet", *extra], stdout=subprocess.PIPE, text=True)
    line = process.stdout.readline()
    found = re.search(r"http://127\.0\.0\.1:\d+/", line)
    if not found:
        process.kill()
        sys.exit(f"no address printed: {line!r}")
    return process, found.group(0)


def stop(driver, process):
    """Ctrl-C, once the page has let go of the stream."""
    driver.get("about:blank")
    process.send_signal(signal.SIGINT)
    rest, _ = process.communicate(timeout=30)
    if process.returncode != 0 or "stopped at" not in rest:
        sys.exit(f"brimstar-sim did not stop cleanly (exit {process.returncode}): {rest!r}")


def wait_for(driver, what, check, seconds=30):
    try:
        return WebDriverWait(driver, seconds, poll_frequency=0.1).until(lambda d: check(d))
    except Exception:
        sys.exit(f"timed out waiting for {what}; the log:\n" + driver.find_element(By.ID, "log").text[-3000:])


def errors_in(driver):
    errors = [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]
    if errors:
        sys.exit("console errors: " + "; ".join(errors))
