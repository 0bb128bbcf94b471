#!/usr/bin/env python3
"""Writes a brimstar-sim scenario of N plain vessels on a cubic lattice 2 km
apart, all within the 200 km reach of a 50 kt bomb fired from the first one.

  generate_world.py VESSELS {bombs,quiet} RUN_SECONDS > world.scn

"bombs" fires one bomb at 1 s: it flies ahead at 100 m/s, waits 10 s and
pushes every vessel from 11 s to 14 s. "quiet" has no bomb; the rock field
runs in both, gathered around the vessel in focus. A run of 0 s builds the
world and ends at once, which measures loading on its own.
"""
import sys

SPACING = 2000.0
ORBIT_RADIUS = 7000000.0


def lattice(count):
    side = 1
    while side ** 3 < count:
        side += 1
    for i in range(count):
        x, y, z = i % side, (i // side) % side, i // (side * side)
        yield ORBIT_RADIUS + x * SPACING, y * SPACING, (z - side // 2) * SPACING


def main():
    count, kind, run = int(sys.argv[1]), sys.argv[2], float(sys.argv[3])
    if count < 1 or kind not in ("bombs", "quiet") or run < 0:
        sys.exit(__doc__)
    lines = ["planet Earth radius 6371000 gm 3.986004418e14", "step 0.1"]
    for i, (x, y, z) in enumerate(lattice(count)):
        lines.append(f"vessel V{i} class Ship pos {x:.0f} {y:.0f} {z:.0f}")
    lines.append("focus V0")
    if kind == "bombs" and run > 0:
        lines += ["at 1 open Weapons on V0 as W", "at 1 key W P", "at 1 type 50", "at 1 button W BMB"]
    lines.append(f"run {run:g}")
    sys.stdout.write("\n".join(lines) + "\n")


if __name__ == "__main__":
    main()
