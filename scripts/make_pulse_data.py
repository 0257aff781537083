#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the pulse data files in data/ (the same bytes on every run).

A pulse data file holds 3200 records "first,second": record k is the sample
at index k of the two columns. The whole table is written, zeros included,
so that loading a file always gives the same picture, whatever was loaded
before it.

Where a sample stands on the row (data position x, 20 per particle) at
time t (ticks):
  first column                          x = t + 320 - k   (moves right)
  second column, ondel8                 x = k - t         (moves left)
  second column, ondel8_dou             x = t + 320 - k   (moves right)
Samples of equal index m of the two columns meet at x = 160 (particle 8)
at t = m - 160 in ondel8.
In ondel15 both speakers play the first column: a point at distance d from
a speaker shows index t + 200 - d.

    scripts/make_pulse_data.py            # rewrites data/*.csv
"""

import math
import pathlib

RECORDS = 3200
DATA = pathlib.Path(__file__).resolve().parent.parent / "data"


def bump(k, peak, rise, fall, height):
    """A smooth hump of `height` at index `peak`: sin^2 up over the `rise`
    indices before it, cos^2 down over the `fall` indices after it, 0
    elsewhere."""
    if peak - rise <= k <= peak:
        return height * math.sin(math.pi / 2 * (k - (peak - rise)) / rise) ** 2
    if peak < k <= peak + fall:
        return height * math.cos(math.pi / 2 * (k - peak) / fall) ** 2
    return 0.0


def pulse160a(k):
    # First column: height 1, steep side (20 indices) leading as it moves
    # right, gentle tail (60) behind, 80 indices in all, peak at 400.
    # Second column: symmetric, height 0.6, 60 indices, peak at 400.
    # Both peaks reach particle 8 at t = 240, the sum there is 1.6.
    return bump(k, 400, 20, 60, 1.0), bump(k, 400, 30, 30, 0.6)


def dou160(k):
    # A crest (height 1, peak 380) followed 40 indices behind by a trough
    # (depth 1, peak 420), each 80 indices wide. Travelling together they add
    # up to one whole wave: up, down through zero, back to rest.
    return bump(k, 380, 40, 40, 1.0), bump(k, 420, 40, 40, -1.0)


def ren80(k):
    # A steady tone for the two speakers: amplitude 0.5, period 140 ticks
    # (wavelength 140 data positions, 7 particle spacings, equal to the
    # default separation). It starts at index 200, so both speakers begin to
    # sound at t = 0, swells over its first period, falls over its last and
    # ends at index 3000 (t = 2800): 20 whole periods.
    start, end, period, height = 200, 3000, 140, 0.5
    if not start <= k <= end:
        return 0.0, 0.0
    if k < start + period:
        envelope = math.sin(math.pi / 2 * (k - start) / period) ** 2
    elif k > end - period:
        envelope = math.cos(math.pi / 2 * (k - (end - period)) / period) ** 2
    else:
        envelope = 1.0
    return height * envelope * math.sin(2 * math.pi * (k - start) / period), 0.0


FILES = {
    "pulse160a.csv": pulse160a,
    "dou160.csv": dou160,
    "ren80.csv": ren80,
}


def number(value):
    text = f"{value:.6f}".rstrip("0").rstrip(".")
    return "0" if text in ("", "-0") else text


def write(name, columns):
    lines = []
    for k in range(1, RECORDS + 1):
        first, second = columns(k)
        lines.append(f"{number(first)},{number(second)}\n")
    (DATA / name).write_text("".join(lines), encoding="ascii", newline="\n")


def main():
    DATA.mkdir(exist_ok=True)
    for name, columns in FILES.items():
        write(name, columns)


if __name__ == "__main__":
    main()
