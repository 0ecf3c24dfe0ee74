#!/usr/bin/env python3
"""Draws a soak's samples (the CSV of soakhost) as an SVG chart: heap in use,
and handles with USER and GDI objects where the platform reports them, over
time, so that a person sees at a glance whether the lines stay flat.

    soak_chart.py SAMPLES.csv CHART.svg [TITLE]
"""
import csv
import sys
from xml.sax.saxutils import escape

WIDTH, PANEL_HEIGHT, MARGIN_LEFT, MARGIN_RIGHT, GAP = 760, 200, 80, 150, 50
COLOURS = ["#1f77b4", "#d62728", "#2ca02c", "#9467bd"]


def value_range(values, least_span):
    """The axis: the values' range with a margin, at least `least_span` wide,
    so that the growth a soak allows (64 KiB, 2 handles) shows as what it is."""
    low, high = min(values), max(values)
    span = max((high - low) * 1.2, least_span)
    middle = (low + high) / 2
    return max(middle - span / 2, 0), max(middle - span / 2, 0) + span


def panel(top, title, seconds, series, unit, least_span, axis_unit):
    """One panel: series is a list of (name, values)."""
    plot_width = WIDTH - MARGIN_LEFT - MARGIN_RIGHT
    low, high = value_range([v for _, values in series for v in values], least_span)
    t_end = max(seconds[-1], 1e-9)

    def x(t):
        return MARGIN_LEFT + plot_width * t / t_end

    def y(v):
        return top + PANEL_HEIGHT - PANEL_HEIGHT * (v - low) / (high - low)

    parts = [
        f'<text x="{MARGIN_LEFT}" y="{top - 8}" font-size="14" font-weight="bold">{escape(title)}</text>',
        f'<rect x="{MARGIN_LEFT}" y="{top}" width="{plot_width}" height="{PANEL_HEIGHT}" '
        'fill="none" stroke="#888"/>',
    ]
    for fraction in (0, 0.5, 1):
        value = low + (high - low) * fraction
        parts.append(f'<text x="{MARGIN_LEFT - 6}" y="{y(value) + 4:.1f}" font-size="11" '
                     f'text-anchor="end">{value:,.0f}{unit}</text>')
        parts.append(f'<line x1="{MARGIN_LEFT}" x2="{MARGIN_LEFT + plot_width}" '
                     f'y1="{y(value):.1f}" y2="{y(value):.1f}" stroke="#eee"/>')
    for fraction in (0, 0.25, 0.5, 0.75, 1):
        t = t_end * fraction
        parts.append(f'<text x="{x(t):.1f}" y="{top + PANEL_HEIGHT + 14}" font-size="11" '
                     f'text-anchor="middle">{t:,.0f}{axis_unit}</text>')
    for index, (name, values) in enumerate(series):
        colour = COLOURS[index % len(COLOURS)]
        points = " ".join(f"{x(t):.1f},{y(v):.1f}" for t, v in zip(seconds, values))
        parts.append(f'<polyline fill="none" stroke="{colour}" stroke-width="1.5" points="{points}"/>')
        parts.append(f'<text x="{WIDTH - MARGIN_RIGHT + 8}" y="{top + 14 + 16 * index}" '
                     f'font-size="12" fill="{colour}">{escape(name)}</text>')
    return parts


def main():
    if len(sys.argv) < 3:
        sys.exit(__doc__)
    with open(sys.argv[1], newline="") as source:
        rows = list(csv.DictReader(source))
    if not rows:
        sys.exit("no samples in " + sys.argv[1])
    title = sys.argv[3] if len(sys.argv) > 3 else sys.argv[1]
    time_column = "seconds" if "seconds" in rows[0] else "round"
    seconds = [float(row[time_column]) for row in rows]
    heap = [int(row["heap_bytes"]) / 1024 for row in rows]
    counts = [("handles", [int(row["handles"]) for row in rows])]
    for column, name in (("user_objects", "USER objects"), ("gdi_objects", "GDI objects")):
        values = [int(row[column]) for row in rows]
        if any(values):
            counts.append((name, values))
    height = 60 + 2 * PANEL_HEIGHT + GAP + 40
    parts = [f'<svg xmlns="http://www.w3.org/2000/svg" width="{WIDTH}" height="{height}" '
             'font-family="sans-serif">',
             f'<rect width="{WIDTH}" height="{height}" fill="white"/>',
             f'<text x="{MARGIN_LEFT}" y="24" font-size="16">{escape(title)}</text>']
    axis_unit = " s" if time_column == "seconds" else ""
    parts += panel(60, "Heap in use", seconds, [("heap in use", heap)], " KiB", 256, axis_unit)
    parts += panel(60 + PANEL_HEIGHT + GAP, "Handles and objects", seconds, counts, "", 10,
                   axis_unit)
    if time_column == "round":
        parts.append(f'<text x="{WIDTH / 2}" y="{height - 6}" font-size="11" '
                     'text-anchor="middle">load and unload rounds</text>')
    parts.append("</svg>")
    with open(sys.argv[2], "w") as chart:
        chart.write("\n".join(parts) + "\n")


if __name__ == "__main__":
    main()
