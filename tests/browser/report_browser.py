"""What the flight report's browser checks share: the runner writes a
scenario's report into a folder, headless Chromium (Debian's chromium-driver
and python3-selenium) opens it, and each check prints ok or FAIL and is
counted."""
import os
import subprocess

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

CHROME_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic", "--no-first-run",
                "--disable-background-networking", "--disable-component-update", "--disable-sync",
                "--window-size=1280,1000", "--hide-scrollbars"]


class Checks:
    """expect(ok, what): prints the check and keeps the ones that failed."""

    def __init__(self):
        self.failures = []

    def __call__(self, ok, what):
        print(("ok   " if ok else "FAIL ") + what)
        if not ok:
            self.failures.append(what)


def write_report(sim, scenario, folder, *more):
    """The scenario flown quietly, its report written into folder; its path."""
    report = os.path.join(folder, "report.html")
    subprocess.run([sim, scenario, "--quiet", "--report", report, *more], check=False)
    return report


def chromium(folder):
    """Headless Chromium with its profile in folder, its console kept."""
    options = webdriver.ChromeOptions()
    for flag in CHROME_FLAGS + ["--user-data-dir=" + os.path.join(folder, "chromium")]:
        options.add_argument(flag)
    options.binary_location = "/usr/bin/chromium"
    options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
    return webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)


def console_errors(driver):
    return [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]
