#!/usr/bin/env python3
"""A live flight left running: a station and VESSELS - 1 ships in a ring
about it in a low orbit (the module's rock field coming and going about
the station), flown by brimstar-sim --live at 1000x with a reader on the
event stream as a page reads it, one flight report asked for at a quarter
of the time and one at the end. Prints the server's resident memory every
SAMPLE seconds with the simulated time, the states a second and the load
average, what the last report left out, then the verdict: memory is flat
when, over the second half, it never rises more than the tolerance (3 MB
or 5 %, the larger) above where the half began.

    live_soak.py SIM MINUTES [--vessels N] [--sample SECONDS]

Exits 0 when flat, 1 when it grew, 2 when the flight could not be run.
"""
import argparse
import json
import math
import os
import re
import shutil
import subprocess
import sys
import tempfile
import threading
import time
import urllib.request

ORBIT = 7000000.0
SPEED = 7546.0  # a circular orbit's at that radius, near enough
RING = 3000.0


def ring_scenario(vessels):
    lines = ["# A station and its ring of ships in a low orbit, for the live soak.",
             "planet Earth radius 6371000 gm 3.986004418e14", "gravity on",
             f"vessel Station class Station pos {ORBIT:.0f} 0 0 vel 0 0 {SPEED}"]
    ships = vessels - 1
    for i in range(ships):
        a = 2 * math.pi * i / ships
        lines.append(f"vessel S-{i} class Ship pos {ORBIT + RING * math.cos(a):.1f} {RING * math.sin(a):.1f} 0 "
                     f"vel 0 0 {SPEED}")
    lines += ["focus Station", "step 0.1", "run 3600"]
    return "\n".join(lines) + "\n"


def rss_mb(pid):
    with open(f"/proc/{pid}/status") as status:
        for line in status:
            if line.startswith("VmRSS:"):
                return int(line.split()[1]) / 1024
    return float("nan")


def load_average():
    with open("/proc/loadavg") as f:
        return float(f.read().split()[0])


class Reader(threading.Thread):
    """Reads the event stream as the page does: the latest state's clock and
    how many states came."""

    def __init__(self, address):
        super().__init__(daemon=True)
        self.address, self.states, self.t = address, 0, 0.0

    def run(self):
        try:
            with urllib.request.urlopen(self.address + "events", timeout=30) as stream:
                for raw in stream:
                    line = raw.decode("utf-8", "replace")
                    if not line.startswith("data: "):
                        continue
                    found = re.match(r'data: \{"t":([-0-9.e+]+)', line)
                    if found:
                        self.t = float(found.group(1))
                    self.states += 1
        except OSError:
            pass


def post(address, action):
    request = urllib.request.Request(address + "action", data=json.dumps(action).encode(),
                                     headers={"Content-Type": "application/json"})
    with urllib.request.urlopen(request, timeout=30) as answer:
        answer.read()


def ask_report(address):
    """The report's size, and what it says it kept and left out."""
    with urllib.request.urlopen(address + "report", timeout=120) as answer:
        page = answer.read().decode("utf-8", "replace")
    figures = {key: int(value) for key, value in
               re.findall(r'"(vesselsLeftOut|eventsLeftOut|rockTracksLeftOut|rocksSpawned)":(\d+)', page)}
    return len(page), figures


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("sim")
    parser.add_argument("minutes", type=float)
    parser.add_argument("--vessels", type=int, default=1000)
    parser.add_argument("--sample", type=float, default=30.0)
    args = parser.parse_args()
    if args.minutes <= 0 or args.vessels < 2 or args.sample <= 0:
        sys.exit(2)

    folder = tempfile.mkdtemp(prefix="live-soak-")
    scenario = os.path.join(folder, f"ring-{args.vessels}.scn")
    with open(scenario, "w") as f:
        f.write(ring_scenario(args.vessels))
    process = subprocess.Popen([args.sim, scenario, "--live", "--quiet"], stdout=subprocess.PIPE, text=True)
    found = re.search(r"http://127\.0\.0\.1:\d+/", process.stdout.readline())
    if not found:
        process.kill()
        print("live soak: brimstar-sim printed no address", file=sys.stderr)
        sys.exit(2)
    address = found.group(0)
    reader = Reader(address)
    reader.start()
    post(address, {"do": "warp", "x": 1000})

    seconds = args.minutes * 60
    report_at = seconds / 4
    samples = []  # (wall s, simulated s, RSS MB)
    start = time.monotonic()
    last_states, last_wall = 0, 0.0
    print(f"live soak: {args.vessels} vessels at 1000x for {args.minutes:g} min, "
          f"load average {load_average():.1f} at the start", flush=True)
    print("wall min | simulated s | RSS MB | states/s | load", flush=True)
    while True:
        wall = time.monotonic() - start
        if process.poll() is not None:
            print(f"live soak: brimstar-sim ended early (exit {process.returncode})", file=sys.stderr)
            sys.exit(2)
        if report_at is not None and wall >= report_at:
            report_at = None
            size, _ = ask_report(address)
            print(f"live soak: a flight report asked for: {size / 1e6:.1f} MB", flush=True)
            continue
        rate = (reader.states - last_states) / max(wall - last_wall, 1e-9)
        last_states, last_wall = reader.states, wall
        samples.append((wall, reader.t, rss_mb(process.pid)))
        print(f"{wall / 60:8.1f} | {reader.t:11.0f} | {samples[-1][2]:6.1f} | {rate:8.1f} | {load_average():.1f}",
              flush=True)
        if wall >= seconds:
            break
        time.sleep(min(args.sample, seconds - wall) if wall < seconds else 0)

    size, figures = ask_report(address)
    print(f"live soak: the report at the end, {size / 1e6:.1f} MB: " +
          ", ".join(f"{key} {value}" for key, value in sorted(figures.items())), flush=True)
    process.send_signal(2)
    try:
        process.communicate(timeout=60)
    except subprocess.TimeoutExpired:
        process.kill()
    shutil.rmtree(folder, ignore_errors=True)

    half = [s for s in samples if s[0] >= seconds / 2]
    base = half[0][2]
    highest = max(s[2] for s in half)
    tolerance = max(3.0, 0.05 * base)
    print(f"live soak: RSS {samples[0][2]:.1f} MB at the start, {base:.1f} MB at half time "
          f"({half[0][1]:.0f} s simulated), {samples[-1][2]:.1f} MB at the end ({samples[-1][1]:.0f} s simulated); "
          f"highest over the second half {highest:.1f} MB")
    if highest > base + tolerance:
        print(f"live soak: memory grew over the second half by {highest - base:.1f} MB "
              f"(more than the tolerance of {tolerance:.1f} MB)")
        sys.exit(1)
    print(f"live soak: flat over the second half (within {tolerance:.1f} MB)")


if __name__ == "__main__":
    main()
