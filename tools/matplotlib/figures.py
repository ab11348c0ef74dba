#!/usr/bin/env python3
"""The program's 2D figures drawn again with matplotlib, from the same data, for the
comparison in docs/pictures.md and the speed beside bench/figures.cpp.

  figures.py survey TABLE.csv OUT.png [--limit AU] [--repeat N]
      TABLE.csv: the survey's table (skytrak3d survey --csv); distance on a log scale in
      AU with lunar distances on the right, one colour and marker per body, the closest
      ten objects named, a line at one lunar distance.
  figures.py angle SERIES.csv OUT.png [--low DEG] [--repeat N]
      SERIES.csv: lines "year,phi,clone_phi" (degrees, unwrapped); phi wrapped to
      [low, low + 360), the clone lighter behind.
  figures.py path PATH.csv OUT.png [--repeat N]
      PATH.csv: lines "year,x,y" in the planet's turning frame; coloured by time (viridis).

The PNG is 1600 x 1131 pixels like the program's. With --repeat N the figure is saved N
times and "savefig_seconds MEAN" is printed: the time of savefig alone, as the program's
benchmark measures the whole save. Needs Debian's python3-matplotlib (apt-get install
python3-matplotlib); run it with that Python (python3 of the system).
"""

import argparse
import csv
import math
import time

import matplotlib

matplotlib.use("Agg")
import matplotlib.pyplot as plt  # noqa: E402

LUNAR_DISTANCE_AU = 384400.0 / 149597870.7
BODIES = ["Mercury", "Venus", "Earth", "Mars", "Jupiter", "Saturn", "Uranus", "Neptune", "Pluto", "Moon"]
MARKERS = ["v", "D", "o", "s", "^", "P", "X", "*", "+", "o"]


def new_figure():
    return plt.figure(figsize=(16, 11.31), dpi=100)


def survey(args):
    rows = [r for r in csv.DictReader(open(args.data)) if r["planet"] in BODIES]
    fig = new_figure()
    ax = fig.add_subplot()
    for k, body in enumerate(BODIES):
        mine = [r for r in rows if r["planet"] == body]
        if not mine:
            continue
        x = [(float(r["jd_tdb"]) - 2451545.0) / 365.25 + 2000.0 for r in mine]
        y = [float(r["dist_au"]) for r in mine]
        face = "none" if body == "Moon" else None
        ax.scatter(x, y, marker=MARKERS[k], label=body, facecolors=face, edgecolors=f"C{k}" if face else None, s=30)
    closest = {}
    for r in rows:
        name, d = r["designation"], float(r["dist_au"])
        if name not in closest or d < float(closest[name]["dist_au"]):
            closest[name] = r
    for r in sorted(closest.values(), key=lambda r: float(r["dist_au"]))[:10]:
        x = (float(r["jd_tdb"]) - 2451545.0) / 365.25 + 2000.0
        ax.annotate(r["designation"], (x, float(r["dist_au"])), xytext=(5, 3), textcoords="offset points", fontsize=9)
    ax.axhline(LUNAR_DISTANCE_AU, linestyle="--", color="firebrick", label="1 lunar distance")
    ax.set_yscale("log")
    ax.set_xlabel("Date (years, TDB)")
    ax.set_ylabel("Distance (AU)")
    right = ax.secondary_yaxis("right", functions=(lambda au: au / LUNAR_DISTANCE_AU, lambda ld: ld * LUNAR_DISTANCE_AU))
    right.set_ylabel("Distance (lunar distances)")
    ax.legend(loc="upper left")
    ax.set_title(f"Close approaches: {len(rows)} within {args.limit} AU")
    return fig


def wrapped_pieces(years, phi, low):
    pieces, xs, ys = [], [], []
    for t, p in zip(years, phi):
        w = p - 360.0 * math.floor((p - low) / 360.0)
        if ys and abs(w - ys[-1]) > 180.0:
            pieces.append((xs, ys))
            xs, ys = [], []
        xs.append(t)
        ys.append(w)
    pieces.append((xs, ys))
    return pieces


def angle(args):
    years, phi, clone = [], [], []
    for line in open(args.data):
        t, p, c = (float(v) for v in line.split(","))
        years.append(t)
        phi.append(p)
        clone.append(c)
    fig = new_figure()
    ax = fig.add_subplot()
    for xs, ys in wrapped_pieces(years, clone, args.low):
        ax.plot(xs, ys, color="lightsteelblue", linewidth=1)
    for xs, ys in wrapped_pieces(years, phi, args.low):
        ax.plot(xs, ys, color="navy", linewidth=2)
    ax.set_ylim(args.low, args.low + 360)
    ax.set_yticks(range(int(args.low), int(args.low) + 361, 60))
    ax.set_xlabel("Year")
    ax.set_ylabel("Resonant angle phi (deg)")
    ax.set_title("Resonant angle")
    return fig


def path(args):
    years, x, y = [], [], []
    for line in open(args.data):
        t, a, b = (float(v) for v in line.split(","))
        years.append(t)
        x.append(a)
        y.append(b)
    fig = new_figure()
    ax = fig.add_subplot()
    from matplotlib.collections import LineCollection

    segments = [[(x[i], y[i]), (x[i + 1], y[i + 1])] for i in range(len(x) - 1)]
    lines = LineCollection(segments, cmap="viridis", linewidths=1)
    lines.set_array(years[:-1])
    ax.add_collection(lines)
    ax.plot([0], [0], "ko")
    ax.annotate("to the Sun", xy=(-0.15, 0), xytext=(0, 0), arrowprops={"arrowstyle": "->"})
    ax.set_aspect("equal")
    ax.autoscale()
    fig.colorbar(lines, ax=ax, label="Year")
    ax.set_xlabel("X (planet distances)")
    ax.set_ylabel("Y (planet distances)")
    return fig


def main():
    parser = argparse.ArgumentParser(description=__doc__, formatter_class=argparse.RawDescriptionHelpFormatter)
    parser.add_argument("kind", choices=["survey", "angle", "path"])
    parser.add_argument("data")
    parser.add_argument("out")
    parser.add_argument("--low", type=float, default=0.0)
    parser.add_argument("--limit", type=float, default=0.05)
    parser.add_argument("--repeat", type=int, default=1)
    args = parser.parse_args()
    fig = {"survey": survey, "angle": angle, "path": path}[args.kind](args)
    seconds = []
    for _ in range(args.repeat):
        start = time.perf_counter()
        fig.savefig(args.out)
        seconds.append(time.perf_counter() - start)
    print(f"savefig_seconds {sum(seconds) / len(seconds):.6f}")


if __name__ == "__main__":
    main()
