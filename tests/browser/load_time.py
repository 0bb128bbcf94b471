#!/usr/bin/python3
"""Opens a flight report in headless Chromium and prints its size and the
time from navigation until the page has drawn everything once; with
--within SECONDS, fails when it took longer or the console holds an error.

    load_time.py REPORT.html [--within SECONDS]
"""
import argparse
import os
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

from report_browser import CHROME_FLAGS

parser = argparse.ArgumentParser()
parser.add_argument("report")
parser.add_argument("--within", type=float)
args = parser.parse_args()
options = webdriver.ChromeOptions()
for flag in CHROME_FLAGS + ["--user-data-dir=" + tempfile.mkdtemp(prefix="brimstar-load-")]:
    options.add_argument(flag)
options.binary_location = "/usr/bin/chromium"
options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    driver.get("file://" + os.path.abspath(args.report))
    # the page's script runs before the load event, so this spans parse, data and first drawing
    ms = driver.execute_script("const n = performance.getEntriesByType('navigation')[0]; return n.loadEventEnd - n.startTime;")
    errors = [e["message"] for e in driver.get_log("browser") if e["level"] == "SEVERE"]
    print("%s: %.1f MB, loaded and drawn in %.2f s" % (args.report, os.path.getsize(args.report) / 1e6, ms / 1000))
finally:
    driver.quit()
if errors:
    print("FAIL console errors: %r" % errors[:3])
if args.within is not None and ms / 1000 > args.within:
    print("FAIL slower than %.0f s" % args.within)
sys.exit(1 if errors or (args.within is not None and ms / 1000 > args.within) else 0)
