#!/usr/bin/env python3
"""Writes the births of the golden outputs: births.jsonl (one batch line each)
and arguments.txt (the same births as kelvaro-chart's options, one reading a
line). Seeded, so that the files only change when this script does."""

import json
import random

rng = random.Random(20261209)

# The worked examples first, then random births from 1901 to 2050 at random
# places and zones, with some at the high latitudes where the quadrants
# overlap and some at the edges of the day.
worked = [
    dict(Year=2000, Month=1, Day=1, Hour=12, Minute=0, ZoneHour=5, ZoneMinute=30,
         LonD=77, LonM=12, LatD=28, LatM=36, LonEast=True, LatSouth=False, DST=False),
    dict(Year=1985, Month=6, Day=15, Hour=6, Minute=30, ZoneHour=5, ZoneMinute=0,
         LonD=74, LonM=0, LatD=40, LatM=43, LonEast=False, LatSouth=False, DST=True),
    dict(Year=1990, Month=3, Day=10, Hour=20, Minute=15, ZoneHour=10, ZoneMinute=0,
         LonD=151, LonM=12, LatD=33, LatM=52, LonEast=True, LatSouth=True, DST=False),
]

births = list(worked)
for i in range(300):
    high = i % 10 == 0
    births.append(dict(
        Year=rng.randint(1901, 2050), Month=rng.randint(1, 12), Day=rng.randint(1, 28),
        Hour=rng.choice([0, 23]) if i % 17 == 0 else rng.randint(0, 23),
        Minute=rng.randint(0, 59), ZoneHour=rng.randint(0, 12),
        ZoneMinute=rng.choice([0, 0, 0, 30, 45]), LonD=rng.randint(0, 179),
        LonM=rng.randint(0, 59), LatD=rng.randint(60, 89) if high else rng.randint(0, 59),
        LatM=rng.randint(0, 59), LonEast=rng.random() < 0.5, LatSouth=rng.random() < 0.3,
        DST=rng.random() < 0.2))
    if i % 7 == 0:
        births[-1]["ZoneAhead"] = rng.random() < 0.5

with open("births.jsonl", "w") as out:
    for b in births:
        out.write(json.dumps(b, separators=(",", ":")) + "\n")

def options(b):
    lon = f"{b['LonD']}{'E' if b['LonEast'] else 'W'}{b['LonM']:02d}"
    lat = f"{b['LatD']}{'S' if b['LatSouth'] else 'N'}{b['LatM']:02d}"
    sign = {True: "+", False: "-"}.get(b.get("ZoneAhead"), "")
    words = ["--date", f"{b['Year']:04d}-{b['Month']:02d}-{b['Day']:02d}",
             "--time", f"{b['Hour']}:{b['Minute']:02d}",
             "--zone", f"{sign}{b['ZoneHour']}:{b['ZoneMinute']:02d}",
             "--longitude", lon, "--latitude", lat]
    if b["DST"]:
        words.append("--dst")
    return " ".join(words)

with open("arguments.txt", "w") as out:
    for b in births[:40]:
        out.write(options(b) + "\n")
