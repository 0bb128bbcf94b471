#!/usr/bin/python3
"""Opens a flight report in headless Chromium and prints its size and the
time from navigation until the page has drawn everything once.

    load_time.py REPORT.html
"""
import os
import sys
import tempfile

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

from check_report import CHROME_FLAGS

options = webdriver.ChromeOptions()
for flag in CHROME_FLAGS + ["--user-data-dir=" + tempfile.mkdtemp(prefix="brimstar-load-")]:
    options.add_argument(flag)
options.binary_location = "/usr/bin/chromium"
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
try:
    driver.get("file://" + os.path.abspath(sys.argv[1]))
    # the page's script runs before the load event, so this spans parse, data and first drawing
    ms = driver.execute_script("const n = performance.getEntriesByType('navigation')[0]; return n.loadEventEnd - n.startTime;")
    print("%s: %.1f MB, loaded and drawn in %.2f s" % (sys.argv[1], os.path.getsize(sys.argv[1]) / 1e6, ms / 1000))
finally:
    driver.quit()
