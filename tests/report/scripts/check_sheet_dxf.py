#!/usr/bin/env python3
"""Reads the sheets' DXF files with ezdxf, an independent reader, and measures them.

check_sheet_dxf.py DIR Loa Lab Lbc Lde VB [N [E1 E2]]
  DIR        the folder with sheet1.dxf (and sheet2.dxf, sheet3.dxf when there)
  Loa .. Lde the link lengths, m
  VB         |vB| of the first chosen position, m/s
  N          the positions of the scheme (12 unless given), at 360°/N·k
  E1 E2      the crank angles of the extreme positions, degrees: their cranks drawn bold there
Exit status 0 when every check holds; the failures are printed.
"""
import math
import os
import re
import sys

import ezdxf
from ezdxf.lldxf.encoding import decode_dxf_unicode

TOLERANCE = 0.01  # mm
LAYERS = ["contour", "thin", "axis", "text", "dimension"]


def factor(doc, symbol):
    """The factor of the first text "μ<symbol> = x ..." of the sheet."""
    pattern = re.compile("\u03bc" + re.escape(symbol) + r" = ([0-9]+(?:,[0-9]+)?(?:E-?[0-9]+)?)")
    for text in doc.modelspace().query("TEXT"):
        found = pattern.search(decode_dxf_unicode(text.dxf.text))
        if found:
            return float(found.group(1).replace(",", "."))
    return None


def lines(doc, layer=None):
    for line in doc.modelspace().query("LINE"):
        if layer is not None and line.dxf.layer != layer:
            continue
        yield (line.dxf.start.x, line.dxf.start.y), (line.dxf.end.x, line.dxf.end.y)


def length(a, b):
    return math.hypot(b[0] - a[0], b[1] - a[1])


def main():
    folder = sys.argv[1]
    loa, lab, lbc, lde, vb = (float(x) for x in sys.argv[2:7])
    positions = int(sys.argv[7]) if len(sys.argv) > 7 else 12
    extremes = [float(x) for x in sys.argv[8:10]]
    failures = []
    first = ezdxf.readfile(os.path.join(folder, "sheet1.dxf"))
    auditor = first.audit()
    if auditor.errors:
        failures.append("ezdxf's audit finds %d errors" % len(auditor.errors))
    if first.header.get("$INSUNITS") != 4:
        failures.append("units are not mm: %r" % first.header.get("$INSUNITS"))
    for name in LAYERS:
        if name not in first.layers:
            failures.append("no layer " + name)
    kinds = set()
    for n in (1, 2, 3):
        path = os.path.join(folder, "sheet%d.dxf" % n)
        if os.path.exists(path):
            kinds |= {e.dxftype() for e in ezdxf.readfile(path).modelspace()}
    for kind in ("LINE", "CIRCLE", "ARC", "TEXT", "LWPOLYLINE"):
        if kind not in kinds:
            failures.append("no %s entity" % kind)

    mu_l = factor(first, "l")
    mu_v = factor(first, "v")
    if mu_l is None or mu_v is None:
        failures.append("no factor texts: μl %r, μv %r" % (mu_l, mu_v))
        print("\n".join(failures))
        return 1
    all_lines = list(lines(first))
    # The crank: A's path is a circle about O of Loa/μl; each of the N positions is a line from
    # O of that length at φ = 360°/N·k, and each extreme position a bold one at its exact angle.
    radius = loa / mu_l
    centres = [c.dxf.center for c in first.modelspace().query("CIRCLE") if abs(c.dxf.radius - radius) < TOLERANCE]
    if not centres:
        failures.append("no path of A of radius %.3f mm" % radius)
    else:
        o = (centres[0].x, centres[0].y)
        def crank_at(degrees, drawn):
            phi = math.radians(degrees)
            a = (o[0] + radius * math.cos(phi), o[1] + radius * math.sin(phi))
            return any(length(o, s) < TOLERANCE and length(a, e) < TOLERANCE for s, e in drawn)

        for k in range(positions):
            if not crank_at(360.0 / positions * k, all_lines):
                failures.append("no crank OA at position %d" % k)
        bold = list(lines(first, "contour"))
        for degrees in extremes:
            if not crank_at(degrees, bold):
                failures.append("no bold crank OA at the extreme position %.6f°" % degrees)
    for name, value in (("Lab", lab), ("Lbc", lbc), ("Lde", lde)):
        wanted = value / mu_l
        count = sum(1 for s, e in all_lines if abs(length(s, e) - wanted) < TOLERANCE)
        if count < positions:
            failures.append("%s drawn %d times at %.3f mm, not in all %d positions" % (name, count, wanted, positions))
    wanted = vb / mu_v
    if not any(abs(length(s, e) - wanted) < TOLERANCE for s, e in all_lines):
        failures.append("no segment pb of %.3f mm on a velocity plan" % wanted)
    print("\n".join(failures) if failures else "ok: μl %g, μv %g" % (mu_l, mu_v))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
